// Nodes, element sets and elements stored from *NODE and *ELEMENT lines.
#include "mesh_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "error.h"

namespace abazenta {
namespace {

using NodeList = std::array<int, kMaxElementNodes>;

TEST(ReadNode, StoresCoordinatesByDenseIndexInOrderOfFirstAppearance) {
    AbaqusModel model;
    read_node(model, "30  1.5  -2.\n");
    read_node(model, "10  3.  4.  99.\n");  // a z coordinate is ignored
    read_node(model, "-20  5e1  .5\n");     // negative numbers are mapped like any other
    ASSERT_EQ(model.num_nodes, 3);
    EXPECT_EQ(model.node_map.find(30), 0);
    EXPECT_EQ(model.node_map.find(10), 1);
    EXPECT_EQ(model.node_map.find(-20), 2);
    EXPECT_EQ(model.node_xy[0].x, 1.5);
    EXPECT_EQ(model.node_xy[0].y, -2.0);
    EXPECT_EQ(model.node_xy[1].x, 3.0);
    EXPECT_EQ(model.node_xy[2].x, 50.0);
    EXPECT_EQ(model.node_xy[2].y, 0.5);
    EXPECT_EQ(model.fixity.size(), 3u);
}

TEST(ReadNode, RepeatedNumberTakesTheLaterCoordinatesWithoutAddingANode) {
    AbaqusModel model;
    read_node(model, "7  1.  1.\n");
    read_node(model, "8  2.  2.\n");
    read_node(model, "7  5.  6.\n");
    EXPECT_EQ(model.num_nodes, 2);
    EXPECT_EQ(model.node_xy[0].x, 5.0);
    EXPECT_EQ(model.node_xy[0].y, 6.0);
}

TEST(ReadNode, IgnoresLinesWithoutANodeNumberAndReadsMissingCoordinatesAsZero) {
    AbaqusModel model;
    for (const char* line : {"\n", "", "   \r\n", "ALL  1.  2.\n", "1.0  1.  2.\n", "4x  1.  2.\n"})
        read_node(model, line);
    EXPECT_EQ(model.num_nodes, 0);
    read_node(model, "4\n");
    read_node(model, "5  2.5\n");
    read_node(model, "6  abc  7\n");
    ASSERT_EQ(model.num_nodes, 3);
    EXPECT_EQ(model.node_xy[0].x, 0.0);
    EXPECT_EQ(model.node_xy[0].y, 0.0);
    EXPECT_EQ(model.node_xy[1].x, 2.5);
    EXPECT_EQ(model.node_xy[1].y, 0.0);
    EXPECT_EQ(model.node_xy[2].x, 0.0);
    EXPECT_EQ(model.node_xy[2].y, 7.0);
}

TEST(ReadNode, StopsWhenANewNodeWouldExceedTheLimit) {
    AbaqusModel model;
    for (int n = 1; n <= MAX_NODES; ++n) read_node(model, std::to_string(n) + " 0 0\n");
    EXPECT_EQ(model.num_nodes, MAX_NODES);
    read_node(model, "17  9.  9.\n");  // a stored number is still replaced
    EXPECT_EQ(model.node_xy[16].x, 9.0);
    read_node(model, "SET  1  1\n");  // ignored lines never stop the run
    read_node(model, "\n");
    try {
        read_node(model, std::to_string(MAX_NODES + 1) + " 0 0\n");
        FAIL() << "no error";
    } catch (const TranslationError& error) {
        EXPECT_STREQ(error.what(),
                     "Too many nodes for translator! \nchange the parameter MAX_NODES, and try "
                     "again\n");
        EXPECT_EQ(error.status(), 1);
    }
}

TEST(ElementSetNumber, ReadsTheIntegerFromTheTenthCharacterOfTheThirdWord) {
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=SET12\n"), 12);
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=MAT12\n"), 12);
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=SET-4\r\n"), -4);
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=SET7B\n"), 7);
    EXPECT_EQ(element_set_number("*ELEMENT\tTYPE=CPS8 ELSET=SET3\n"), 3);
    // The parameters must stand in the order TYPE, ELSET.
    EXPECT_EQ(element_set_number("*ELEMENT ELSET=SET5 TYPE=CPS8\n"), 0);
    // Fewer than three words, a short third word, or no integer there: set 0.
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8\n"), 0);
    EXPECT_EQ(element_set_number("*ELEMENT\n"), 0);
    EXPECT_EQ(element_set_number(""), 0);
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=SET\n"), 0);
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=PLATE\n"), 0);
    EXPECT_EQ(element_set_number("*ELEMENT TYPE=CPS8 ELSET=SET99999999999\n"), 0);
}

TEST(ReadElementHeader, AddsOneMaterialPerDistinctSetNumber) {
    AbaqusModel model;
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET1\n");
    EXPECT_EQ(model.current_material, 0);
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET2\n");
    EXPECT_EQ(model.current_material, 1);
    read_element_header(model, "*ELEMENT TYPE=CPS4 ELSET=MAT1\n");  // same number as SET1
    EXPECT_EQ(model.current_material, 0);
    read_element_header(model, "*ELEMENT TYPE=CPS4\n");  // set 0
    EXPECT_EQ(model.current_material, 2);
    EXPECT_EQ(model.num_materials, 3);
    ASSERT_EQ(model.materials.size(), 3u);
    EXPECT_EQ(model.materials[2].type_code, 1.0);
    EXPECT_EQ(model.materials[2].elastic_modulus, 3.0e7);
    EXPECT_EQ(model.materials[2].poisson_ratio, 0.3);
    EXPECT_EQ(model.materials[2].last_column, 1.0);
}

TEST(ReadElementHeader, HasNoLimitOnTheNumberOfMaterials) {
    AbaqusModel model;
    for (int set = 1; set <= 250; ++set)
        read_element_header(model, "*ELEMENT TYPE=CPS3 ELSET=SET" + std::to_string(set) + "\n");
    EXPECT_EQ(model.num_materials, 250);
    EXPECT_EQ(model.current_material, 249);
}

TEST(ReadElement, StoresNodesMaterialNumberAndNodeCount) {
    AbaqusModel model;
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET4\n");
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET9\n");
    read_element(model, "15  1  2  3  4  5  6  7  8\n");
    read_element(model, "-3  4  5  6\n");
    ASSERT_EQ(model.num_elements, 2);
    EXPECT_EQ(model.elem_nodes[0], (NodeList{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(model.elem_node_count[0], 8);
    EXPECT_EQ(model.elem_material[0], 1);
    EXPECT_EQ(model.elem_number[0], 15);
    EXPECT_EQ(model.elem_nodes[1], (NodeList{4, 5, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(model.elem_node_count[1], 3);
    EXPECT_EQ(model.elem_number[1], -3);
}

TEST(ReadElement, RewritesCollapsedQuadrilateralsAsTriangles) {
    struct Case {
        const char* line;
        NodeList nodes;
    };
    const Case cases[] = {
        {"1  10 10 30 40 51 52 53 54\n", {10, 30, 40, 52, 53, 54}},  // c1 = c2
        {"1  10 20 20 40 51 52 53 54\n", {10, 20, 40, 51, 53, 54}},  // c2 = c3
        {"1  10 20 30 30 51 52 53 54\n", {10, 20, 30, 51, 52, 54}},  // c3 = c4
        {"1  10 20 30 10 51 52 53 54\n", {10, 20, 30, 51, 52, 53}},  // c4 = c1
        {"1  10 10 10 10 51 52 53 54\n", {10, 10, 10, 52, 53, 54}},  // first pair wins
    };
    for (const Case& c : cases) {
        AbaqusModel model;
        read_element(model, c.line);
        EXPECT_EQ(model.elem_node_count[0], 6) << c.line;
        EXPECT_EQ(model.elem_nodes[0], c.nodes) << c.line;
    }
    AbaqusModel model;
    read_element(model, "1  10 10 30 40\n");  // a 4-node element stays as it is
    EXPECT_EQ(model.elem_node_count[0], 4);
    EXPECT_EQ(model.elem_nodes[0], (NodeList{10, 10, 30, 40}));
}

TEST(ReadElement, ReadsIntegersUpToTheFirstOtherFieldAndAtMostEightNodes) {
    AbaqusModel model;
    read_element(model, "1  1 2 3 4 5 6 7 8 9\n");  // a 9-node element keeps its first eight
    read_element(model, "2  1 2 3 4.0 5\n");
    read_element(model, "3  1 2\n");
    read_element(model, "4\n");
    EXPECT_EQ(model.elem_node_count[0], 8);
    EXPECT_EQ(model.elem_nodes[0], (NodeList{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(model.elem_node_count[1], 3);
    EXPECT_EQ(model.elem_node_count[2], 2);
    EXPECT_EQ(model.elem_node_count[3], 0);
    for (const char* line : {"\n", "ALL 1 2 3\n", "1.5 1 2 3\n"}) read_element(model, line);
    EXPECT_EQ(model.num_elements, 4);
}

TEST(ReadElement, RepeatedNumberIsReplacedByTheLaterLine) {
    AbaqusModel model;
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET1\n");
    read_element(model, "5  1 2 3 4 5 6 7 8\n");
    read_element(model, "6  1 2 3\n");
    read_element_header(model, "*ELEMENT TYPE=CPS4 ELSET=SET2\n");
    read_element(model, "5  9 8 7 6\n");
    ASSERT_EQ(model.num_elements, 2);
    EXPECT_EQ(model.elem_node_count[0], 4);
    EXPECT_EQ(model.elem_nodes[0], (NodeList{9, 8, 7, 6}));
    EXPECT_EQ(model.elem_material[0], 1);
}

TEST(ReadElement, StopsWhenANewElementWouldExceedTheLimit) {
    AbaqusModel model;
    for (int e = 1; e <= MAX_ELEM; ++e) read_element(model, std::to_string(e) + " 1 2 3\n");
    read_element(model, "5  1 2 3 4\n");
    EXPECT_EQ(model.elem_node_count[4], 4);
    read_element(model, "\n");
    try {
        read_element(model, "0  1 2 3\n");
        FAIL() << "no error";
    } catch (const TranslationError& error) {
        EXPECT_STREQ(error.what(),
                     "Too many elements!\nChange the size of MAX_ELEM, and try again\n");
        EXPECT_EQ(error.status(), 1);
    }
}

}  // namespace
}  // namespace abazenta
