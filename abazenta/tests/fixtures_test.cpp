// Decks in the shapes that today's tools write, each translated in both modes byte for byte.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "error.h"
#include "files.h"
#include "program.h"

namespace abazenta {
namespace {

using zenta_test::readFile;

const std::string kData = DATA_DIR;

TEST(AbazentaFixtures, EachDeckGivesItsFileAndMessagesInBothModes) {
    const struct {
        std::string deck;  // <deck>.inp, expected <deck>[_full]_legacy.inp and _stderr.txt
        int status;
    } cases[] = {
        {"cae_plates", 0},      // parts, instances, assembly sets, sets on *Boundary and *Cload
        {"flat_lowercase", 0},  // no parts, lower-case keywords, sets naming sets
        {"include_main", 0},    // the mesh in an *INCLUDE file
        {"solid_c3d10", 1},     // a continued C3D10 line: three-dimensional
    };
    for (const auto& c : cases) {
        for (const bool full : {false, true}) {
            const std::string name = c.deck + (full ? "_full" : "");
            std::vector<std::string> args = {"-in", kData + "/" + c.deck + ".inp"};
            if (full) args.push_back("-full");
            std::istringstream in;
            std::ostringstream out, err;
            int status = 0;
            try {
                run_program(args, in, out, err);
            } catch (const TranslationError& error) {
                err << error.what();
                status = error.status();
            }
            EXPECT_EQ(status, c.status) << name;
            EXPECT_EQ(out.str(), c.status == 0 ? readFile(kData + "/" + name + "_legacy.inp") : "")
                << name;
            EXPECT_EQ(err.str(), readFile(kData + "/" + name + "_stderr.txt")) << name;
        }
    }
}

}  // namespace
}  // namespace abazenta
