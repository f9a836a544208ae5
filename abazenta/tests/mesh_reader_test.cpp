// Nodes and elements stored from *NODE and *ELEMENT data lines, and element-set keys.
#include "mesh_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "error.h"

namespace abazenta {
namespace {

using NodeList = std::array<int, kMaxElementNodes>;

bool node(Mesh& mesh, std::string_view line) {
    int number = 0;
    return read_node(mesh, Fields(line), number);
}

bool element(Mesh& mesh, std::string_view line, int key = 0, int type = 0) {
    int number = 0;
    return read_element(mesh, Fields(line), key, type, number);
}

TEST(ReadNode, StoresCoordinatesByDenseIndexInOrderOfFirstAppearance) {
    Mesh mesh;
    node(mesh, "30, 1.5, -2.\n");
    node(mesh, "10  3.  4.  99.\n");  // a z coordinate is ignored
    node(mesh, "-20, 5e1, .5\n");     // negative numbers are mapped like any other
    node(mesh, "30, 7., 8.\n");       // a number given again takes the later coordinates
    ASSERT_EQ(mesh.node_xy.size(), 3u);
    EXPECT_EQ(mesh.node_map.find(30), 0);
    EXPECT_EQ(mesh.node_map.find(10), 1);
    EXPECT_EQ(mesh.node_map.find(-20), 2);
    EXPECT_EQ(mesh.node_xy[0].x, 7.0);
    EXPECT_EQ(mesh.node_xy[0].y, 8.0);
    EXPECT_EQ(mesh.node_xy[1].x, 3.0);
    EXPECT_EQ(mesh.node_xy[2].x, 50.0);
    EXPECT_EQ(mesh.node_xy[2].y, 0.5);
}

TEST(ReadNode, IgnoresLinesWithoutANodeNumberAndReadsMissingCoordinatesAsZero) {
    Mesh mesh;
    for (const char* line : {"\n", "", "   \r\n", "ALL, 1., 2.\n", "1.0, 1., 2.\n", "4x 1. 2.\n"})
        EXPECT_FALSE(node(mesh, line)) << line;
    EXPECT_TRUE(mesh.node_xy.empty());
    node(mesh, "4\n");
    node(mesh, "5, 2.5\n");
    node(mesh, "6, abc, 7\n");
    node(mesh, "7,,3.\n");  // an empty field is 0
    ASSERT_EQ(mesh.node_xy.size(), 4u);
    EXPECT_EQ(mesh.node_xy[0].x, 0.0);
    EXPECT_EQ(mesh.node_xy[1].x, 2.5);
    EXPECT_EQ(mesh.node_xy[1].y, 0.0);
    EXPECT_EQ(mesh.node_xy[2].y, 7.0);
    EXPECT_EQ(mesh.node_xy[3].x, 0.0);
    EXPECT_EQ(mesh.node_xy[3].y, 3.0);
}

TEST(ReadNode, StopsWhenANewNodeWouldExceedTheLimit) {
    Mesh mesh;
    for (int n = 1; n <= MAX_NODES; ++n) node(mesh, std::to_string(n) + " 0 0\n");
    node(mesh, "17  9.  9.\n");  // a stored number is still replaced
    EXPECT_EQ(mesh.node_xy[16].x, 9.0);
    node(mesh, "SET  1  1\n");  // ignored lines never stop the run
    try {
        node(mesh, std::to_string(MAX_NODES + 1) + " 0 0\n");
        FAIL() << "no error";
    } catch (const TranslationError& error) {
        EXPECT_STREQ(error.what(),
                     "Too many nodes for translator! \nchange the parameter MAX_NODES, and try "
                     "again\n");
        EXPECT_EQ(error.status(), 1);
    }
}

TEST(MaterialKeyOf, NumbersFromTheFourthCharacterOtherwiseTheNameInAnyCase) {
    const std::string names[] = {"SET12", "MAT12", "SET-3", "Set-3", "SET7B",         "PLATE",
                                 "plate", "SET",   "AB",    "",      "SET99999999999"};
    std::vector<std::string> keys;
    for (const std::string& name : names) keys.push_back(material_key_of(&name));
    EXPECT_EQ(keys, (std::vector<std::string>{"#12", "#12", "#-3", "#-3", "#7", "=PLATE", "=PLATE",
                                              "=SET", "=AB", "=", "=SET99999999999"}));
    EXPECT_EQ(material_key_of(nullptr), "");  // no ELSET: one key of its own
}

TEST(ReadElement, StoresNodesKeyTypeAndNodeCount) {
    Mesh mesh;
    element(mesh, "15, 1, 2, 3, 4, 5, 6, 7, 8\n", 4, 2);
    element(mesh, "-3  4  5  6\n", 1, 0);
    ASSERT_EQ(mesh.elements.size(), 2u);
    EXPECT_EQ(mesh.elements[0].nodes, (NodeList{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(mesh.elements[0].node_count, 8);
    EXPECT_EQ(mesh.elements[0].material, 4);  // the key, until the model is assembled
    EXPECT_EQ(mesh.element_info[0].type, 2);
    EXPECT_EQ(mesh.element_info[0].number, 15);
    EXPECT_EQ(mesh.elements[1].nodes, (NodeList{4, 5, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(mesh.elements[1].node_count, 3);
    EXPECT_EQ(mesh.element_info[1].number, -3);
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
        Mesh mesh;
        element(mesh, c.line);
        EXPECT_EQ(mesh.elements[0].node_count, 6) << c.line;
        EXPECT_EQ(mesh.elements[0].nodes, c.nodes) << c.line;
        // The faces of a collapsed element are those of the quadrilateral the deck gives.
        NodeList deck{};
        EXPECT_EQ(deck_nodes(mesh.elements[0], mesh.element_info[0], deck), 8) << c.line;
        const Fields fields(c.line);
        for (std::size_t k = 0; k < deck.size(); ++k) {
            int expected = 0;
            ASSERT_TRUE(parse_integer(fields[k + 1], expected));
            EXPECT_EQ(deck[k], expected) << c.line << k;
        }
    }
    Mesh mesh;
    element(mesh, "1  10 10 30 40\n");  // a 4-node element stays as it is
    EXPECT_EQ(mesh.elements[0].node_count, 4);
    EXPECT_EQ(mesh.elements[0].nodes, (NodeList{10, 10, 30, 40}));
    NodeList deck{};
    EXPECT_EQ(deck_nodes(mesh.elements[0], mesh.element_info[0], deck), 4);
    EXPECT_EQ(deck, (NodeList{10, 10, 30, 40}));
    // A collapsed number given again as a plain quadrilateral is no longer collapsed.
    element(mesh, "1  10 10 30 40 51 52 53 54\n");
    element(mesh, "1  10 20 30 40 51 52 53 54\n");
    EXPECT_EQ(deck_nodes(mesh.elements[0], mesh.element_info[0], deck), 8);
    EXPECT_EQ(deck, (NodeList{10, 20, 30, 40, 51, 52, 53, 54}));
}

TEST(ReadElement, ReadsIntegersUpToTheFirstOtherFieldAndAtMostEightNodes) {
    Mesh mesh;
    element(mesh, "1  1 2 3 4 5 6 7 8 9\n");  // a 9-node element keeps its first eight
    element(mesh, "2, 1, 2, 3, 4.0, 5\n");
    element(mesh, "3, 1, 2,\n");  // a last comma leaves an empty field
    element(mesh, "4\n");
    EXPECT_EQ(mesh.elements[0].node_count, 8);
    EXPECT_EQ(mesh.elements[0].nodes, (NodeList{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(mesh.elements[1].node_count, 3);
    EXPECT_EQ(mesh.elements[2].node_count, 2);
    EXPECT_EQ(mesh.elements[3].node_count, 0);
    for (const char* line : {"\n", "ALL 1 2 3\n", "1.5 1 2 3\n"}) EXPECT_FALSE(element(mesh, line));
    EXPECT_EQ(mesh.elements.size(), 4u);
}

TEST(ReadElement, RepeatedNumberIsReplacedByTheLaterLine) {
    Mesh mesh;
    element(mesh, "5  1 2 3 4 5 6 7 8\n", 0);
    element(mesh, "6  1 2 3\n", 0);
    element(mesh, "5  9 8 7 6\n", 1);
    ASSERT_EQ(mesh.elements.size(), 2u);
    EXPECT_EQ(mesh.elements[0].node_count, 4);
    EXPECT_EQ(mesh.elements[0].nodes, (NodeList{9, 8, 7, 6}));
    EXPECT_EQ(mesh.elements[0].material, 1);
    EXPECT_EQ(mesh.element_info[0].collapse_rule, -1);
}

// The node numbers become the mesh's node indexes once, and the midside node that a collapsed
// quadrilateral left out its index, or -1 without a *NODE line; an undefined corner stops.
TEST(ResolveNodes, NumbersBecomeIndexesAndUndefinedNodesStop) {
    Mesh mesh;
    for (int n : {10, 20, 30, 40, 51, 52, 53, 54, 55}) node(mesh, std::to_string(n) + ", 0, 0\n");
    element(mesh, "1, 40, 30, 20, 10\n");
    element(mesh, "2, 10, 10, 30, 40, 51, 52, 53, 54\n");  // c1 = c2: 51 is left out
    element(mesh, "3, 10, 20, 30, 30, 55, 52, 56, 54\n");  // c3 = c4: 56, undefined, left out
    resolve_nodes(mesh);
    EXPECT_EQ(mesh.elements[0].nodes, (NodeList{3, 2, 1, 0}));
    EXPECT_EQ(mesh.elements[1].nodes, (NodeList{0, 2, 3, 5, 6, 7, 0, 0}));
    EXPECT_EQ(mesh.element_info[1].dropped_midside, 4);
    EXPECT_EQ(mesh.elements[2].nodes, (NodeList{0, 1, 2, 8, 5, 7, 0, 0}));
    EXPECT_EQ(mesh.element_info[2].dropped_midside, -1);
    resolve_nodes(mesh);  // once only
    EXPECT_EQ(mesh.elements[0].nodes, (NodeList{3, 2, 1, 0}));

    Mesh undefined;
    node(undefined, "1, 0, 0\n");
    element(undefined, "7, 1, 1, 1, 1, 1, 9, 1, 1\n");  // c1 = c2 leaves out 1; 9 is a midside
    element(undefined, "8, 1, 5, 1\n");
    try {
        resolve_nodes(undefined);
        FAIL() << "no error";
    } catch (const TranslationError& error) {
        EXPECT_STREQ(error.what(), "Element 7 uses undefined node 9\n");
        EXPECT_EQ(error.status(), 1);
    }
}

TEST(ReadElement, StopsWhenANewElementWouldExceedTheLimit) {
    Mesh mesh;
    for (int e = 1; e <= MAX_ELEM; ++e) element(mesh, std::to_string(e) + " 1 2 3\n");
    element(mesh, "5  1 2 3 4\n");
    EXPECT_EQ(mesh.elements[4].node_count, 4);
    try {
        element(mesh, "0  1 2 3\n");
        FAIL() << "no error";
    } catch (const TranslationError& error) {
        EXPECT_STREQ(error.what(),
                     "Too many elements!\nChange the size of MAX_ELEM, and try again\n");
        EXPECT_EQ(error.status(), 1);
    }
}

}  // namespace
}  // namespace abazenta
