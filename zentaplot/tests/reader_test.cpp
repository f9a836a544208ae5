// The reader and its form detection, in memory: one model written in many layouts must read
// alike, each layout is told apart by its content, and malformed files give exact messages.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "element_shape.h"
#include "model_reader.h"
#include "plot_error.h"

namespace zentaplot {
namespace {

PlotModel Read(const std::string& text) {
    std::istringstream in(text);
    return ReadModel(in, "m.inp");
}

std::string WithLineEnds(const std::string& text, const std::string& end) {
    std::string out;
    for (char c : text) out += c == '\n' ? end : std::string(1, c);
    return out;
}

// One model: a four-node quadrilateral (filler midsides) of material 2 and a triangle of
// material 1, a fixity, a load; every variant below must read as this.
const std::string kCurrent =
    "two elements\n5 2 2 2\n1 2e+11 0.3\n1 7e+10 0.33 1\n1 2 1 7 2 7 3 7 4 7\n"
    "2 1 2 0 5 0 3 0\n1 0 0\n2 1 0\n3 1 1\n4 0 1\n5 2 0.5\nAFIXITY\n1\n1 3 0\n"
    "ALOADS\n1\n5 1 10 -2.5\nENDBC\n";
const std::string kLegacyIndented =
    "two elements\n     5     2     2     2\n    1  2.00e+11  3.00e-01\n"
    "    1  7.00e+10  3.30e-01  1.00e+00\n     1     2     1     7     2     7     3     7     4   "
    "  7\n"
    "     2     1     2     0     5     0     3     0     0     0\n"
    "    1  0.000000e+00  0.000000e+00\n    2  1.000000e+00  0.000000e+00\n"
    "    3  1.000000e+00  1.000000e+00\n    4  0.000000e+00  1.000000e+00\n"
    "    5  2.000000e+00  5.000000e-01\nAFIXITY\n1\n    1    3  0.0\nALOADS\n1\n"
    "5  1  1.000000e+01 -2.500000e+00\n";
// Ids with gaps in reverse order, a tab, a later line taking an id over, an unknown section.
const std::string kLegacyRenumbered =
    "two\telements\n5 2 2 2\n1 2e+11 0.3\n1 7e+10 0.33 1\n9 2 50 7 40 7 30 7 20 7\n"
    "8 1 40 0 10 0 30 0\n10 2 0.5\n20 0 1\n30 1 1\n40 1 0\n50 0 0\nLOADTYP\n1 2 3 4 5 6\n"
    "AFIXITY\n1\n50 3 0\nALOADS\n1\n10 1 10 -2.5\nENDBC\nAFIXITY\n1\n40 1 0\n";

TEST(ModelReader, OneModelInEveryLayoutReadsAlike) {
    const struct {
        const char* name;
        std::string text;
        InputFormat format;
    } cases[] = {
        {"current", kCurrent, InputFormat::kCurrent},
        {"current without a last line end", kCurrent.substr(0, kCurrent.size() - 1),
         InputFormat::kCurrent},
        {"legacy indented", kLegacyIndented, InputFormat::kLegacy},
        {"legacy indented, CR LF", WithLineEnds(kLegacyIndented, "\r\n"), InputFormat::kLegacy},
        {"legacy indented, CR", WithLineEnds(kLegacyIndented, "\r"), InputFormat::kLegacy},
        {"legacy renumbered", kLegacyRenumbered, InputFormat::kLegacy},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PlotModel m = Read(c.text);
        EXPECT_EQ(m.format, c.format);
        EXPECT_FALSE(m.layered);
        EXPECT_EQ(m.title, "two elements");
        EXPECT_EQ(m.problem_type, 2);
        ASSERT_EQ(m.materials.size(), 2u);
        EXPECT_EQ(m.materials[1].modulus, 7e10);
        EXPECT_EQ(m.materials[1].poisson, 0.33);
        ASSERT_EQ(m.layers.size(), 1u);
        const Layer& layer = m.layers[0];
        ASSERT_EQ(layer.elements.size(), 2u);
        ASSERT_EQ(layer.nodes.size(), 5u);
        // Every slot as coordinates (or its reference when it names no node).
        std::vector<std::string> slots;
        for (const Element& e : layer.elements) {
            std::string text = std::to_string(e.material) + ":";
            for (int s = 0; s < 2 * CornerCount(e); ++s) {
                const NodeRef& r = e.slots[s];
                if (r.node == kNoNode) {
                    text += " #" + std::to_string(r.ref);
                } else {
                    const Point& p = layer.nodes[static_cast<std::size_t>(r.node)].xy;
                    text += " " + std::to_string(p.x).substr(0, 3) + "," +
                            std::to_string(p.y).substr(0, 3);
                }
            }
            slots.push_back(text);
        }
        EXPECT_EQ(slots, (std::vector<std::string>{"2: 0.0,0.0 #7 1.0,0.0 #7 1.0,1.0 #7 0.0,1.0 #7",
                                                   "1: 1.0,0.0 #0 2.0,0.5 #0 1.0,1.0 #0"}));
        ASSERT_EQ(layer.fixities.size(), 1u);
        EXPECT_EQ(layer.nodes[static_cast<std::size_t>(layer.fixities[0].node.node)].xy.x, 0.0);
        EXPECT_EQ(layer.fixities[0].code, 3);
        ASSERT_EQ(layer.loads.size(), 1u);
        EXPECT_EQ(layer.nodes[static_cast<std::size_t>(layer.loads[0].node.node)].xy.x, 2.0);
        EXPECT_EQ(layer.loads[0].fy, -2.5);
    }
}

TEST(ModelReader, TellsTheFormsApartByLayoutAndNumbering) {
    const struct {
        const char* text;
        InputFormat format;
    } cases[] = {
        {"t\n1 1 1 1\n1 5 0.3\n1 1 1 0 1 0 1 0\n1 0 0\n", InputFormat::kCurrent},
        {"\n1 1 1 1\n1 5 0.3\n1 1 1 0 1 0 1 0\n1 0 0\n", InputFormat::kCurrent},  // blank title
        {"t\n1 1 1 1\n1 5 0.3\n1 1 1 0 1 0 1 0\n 1 0 0\n", InputFormat::kLegacy},
        {"t\n1 1 1 1\n1 5 0.3\n1 1 1 0 1 0 1 0\n1 0 0 \n", InputFormat::kLegacy},
        {"t\n1 1 1 1\n1 5  0.3\n1 1 1 0 1 0 1 0\n1 0 0\n", InputFormat::kLegacy},
        {"t\n1 1 1 1\n1 5\t0.3\n1 1 1 0 1 0 1 0\n1 0 0\n", InputFormat::kLegacy},
        {"t\n1 1 1 1\n1 5 0.3\n1 1 7 0 7 0 7 0\n7 0 0\n", InputFormat::kLegacy},  // node id 7
        {"t\n1 1 1 1\n1 5 0.3\n4 1 1 0 1 0 1 0\n1 0 0\n", InputFormat::kLegacy},  // element 4
        {"t\n1 0 0\n1 1\n1 1 1 0 1 0 1 0\n1 0 0\n", InputFormat::kCurrent},       // layered
        {"t\n1 0 0\n1 1\n1 1 1 0 1 0 1 0\n1 0 0\n\nENDBC\n", InputFormat::kCurrent},
        {"t\n1 0 0\n1 1\n1 1 1 0 1 0 1 0\n1 0 0\nAFIXITY\n1\n1  1 0\n", InputFormat::kLegacy},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Read(c.text).format, c.format);
    }
}

TEST(ModelReader, ReferencesNameTheLastNodeLineOfTheirNumber) {
    const struct {
        const char* nodes;  // the numbers of the three node lines, with their layout
        const char* refs;   // the three corner slots of the element
        std::vector<int> named;
    } cases[] = {
        {"1 0 0\n2 1 0\n3 0 1\n", "1 0 2 0 3 0", {0, 1, 2}},
        {"  1 0 0\n  2 1 0\n  3 0 1\n", "3 0 0 0 4 0", {2, kNoNode, kNoNode}},
        {"30 0 0\n20 1 0\n10 0 1\n", "10 0 20 0 30 0", {2, 1, 0}},
        {"5 0 0\n7 1 0\n5 0 1\n", "5 0 7 0 1 0", {2, 1, kNoNode}},
        {"0 0 0\n1 1 0\n2 0 1\n", "0 0 1 0 2 0", {kNoNode, 1, 2}},
        {"1 0 0\n2 1 0\n2 0 1\n", "1 0 2 0 3 0", {0, 2, kNoNode}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nodes);
        const PlotModel m = Read(std::string("t\n3 1 1 1\n1 5\n1 1 ") + c.refs + "\n" + c.nodes);
        const Element& e = m.layers[0].elements[0];
        EXPECT_EQ((std::vector<int>{e.slots[0].node, e.slots[2].node, e.slots[4].node}), c.named);
    }
}

TEST(ModelReader, LayeredFilesKeepEachLayerAndItsOwnNumbering) {
    const PlotModel m = Read(
        "L\n3 1 0\n1 5 0.3\n-1 1\n1 1 1 0 1 0 1 0\n1 0 0\nAFIXITY\n1\n1 1 0\nENDBC\n"
        "2 1\n1 1 2 0 1 0 2 0\n2 5 5\n1 6 6\n0 0\n");
    EXPECT_TRUE(m.layered);
    ASSERT_EQ(m.layers.size(), 3u);
    EXPECT_EQ(m.layers[0].fixities.size(), 1u);
    // Without a negative node count the second layer has no boundary-condition part: the
    // line after its node lines is the third layer's header.
    EXPECT_EQ(m.layers[1].nodes[1].xy.x, 6.0);
    EXPECT_EQ(m.layers[1].elements[0].slots[0].node, 0);  // id 2 is the first node line
    EXPECT_TRUE(m.layers[1].fixities.empty());
    EXPECT_EQ(m.layers[2].number, 3);
    EXPECT_TRUE(m.layers[2].elements.empty());
}

// Integers read by the strtoll rules, and only within -INT_MAX .. INT_MAX (here the problem
// type, which may be any such integer).
TEST(ModelReader, IntegersFollowTheCRulesWithinTheIntRange) {
    const struct {
        const char* field;
        int value;  // when accepted
        bool accepted;
    } cases[] = {
        {"2147483647", 2147483647, true},
        {"-2147483647", -2147483647, true},
        {"+5", 5, true},
        {"007", 7, true},
        {"5abc", 5, true},
        {"12.9", 12, true},
        {"abc", 0, true},
        {"-", 0, true},
        {"+", 0, true},
        {"-+5", 0, true},
        {"\v\f7", 7, true},
        {"-0", 0, true},
        {"-2147483648", 0, false},
        {"2147483648", 0, false},
        {"99999999999999999999999", 0, false},
        {"-99999999999999999999999", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const std::string text = std::string("t\n0 0 0 ") + c.field + "\n";
        if (c.accepted) {
            EXPECT_EQ(Read(text).problem_type, c.value);
        } else {
            try {
                Read(text);
                ADD_FAILURE() << "no error";
            } catch (const PlotError& e) {
                EXPECT_EQ(std::string(e.what()),
                          std::string("m.inp: line 2: number out of range: ") + c.field);
            }
        }
    }
}

TEST(ModelReader, MalformedFilesNameTheLineAndWhatIsWrong) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "m.inp: line 1: the file is empty"},
        {"title only\n", "m.inp: line 2: the file ends; counts line expected"},
        {"t\n1 2\n",
         "m.inp: line 2: counts line with 2 fields; 4 (single model) or 3 "
         "(layered) expected"},
        {"t\n1 1 1 1 1\n",
         "m.inp: line 2: counts line with 5 fields; 4 (single model) or 3 "
         "(layered) expected"},
        {"t\n1 -1 1 1\n", "m.inp: line 2: negative count -1"},
        {"t\n1 1 2 1\n1 5\n", "m.inp: line 4: the file ends; material line 2 of 2 expected"},
        {"t\n1 1 1 1\n1\n", "m.inp: line 3: material line with 1 fields; at least 2 expected"},
        {"t\n1 1 1 1\n1 5\n1 1 1 1 1\n",
         "m.inp: line 4: element line with 5 fields; a number, a material and 6 or 8 node "
         "slots expected"},
        {"t\n1 1 1 1\n1 5\n\n", "m.inp: line 4: element line with 0 fields; at least 2 expected"},
        {"t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 0\n",
         "m.inp: line 5: node line with 2 fields; at least 3 expected"},
        {"t\n3 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 0 0\n",
         "m.inp: line 6: the file ends; node line 2 of 3 expected"},
        {"t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 1e31 0\n",
         "m.inp: line 5: number out of range: 1e31"},
        {"t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 nan 0\n", "m.inp: line 5: number out of range: nan"},
        {"t\n1 1 1 1\n1 5\n1 99999999999 1 0 1 0 1 0\n1 0 0\n",
         "m.inp: line 4: number out of range: 99999999999"},
        {"t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 0 0\nAFIXITY\n",
         "m.inp: line 7: the file ends; fixity count expected"},
        {"t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 0 0\nAFIXITY\n2\n1 1 0\n",
         "m.inp: line 9: the file ends; fixity line 2 of 2 expected"},
        {"t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 0 0\nALOADS\n1\n1 1 5\n",
         "m.inp: line 8: load line with 3 fields; at least 4 expected"},
        {"t\n2 1 0\n1 5\n1 0\n1 0 0\n",
         "m.inp: line 6: the file ends; layer header 2 of 2 expected"},
        {"t\n1 1 0\n1 5\n1\n", "m.inp: line 4: layer header with 1 fields; at least 2 expected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            Read(c.text);
            ADD_FAILURE() << "no error";
        } catch (const PlotError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            EXPECT_FALSE(e.ShowsUsage());
        }
    }
}

}  // namespace
}  // namespace zentaplot
