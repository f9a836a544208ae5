// The forces of the loads are worked out on a thread of their own while the mesh is written;
// that is safe only because working them out takes no memory once they are prepared (no
// allocation can fail after the first bytes are out). This binary counts the allocations of
// its own thread to hold the program to that, on decks that take every path of the work.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include "assembler.h"
#include "deck_reader.h"
#include "interpreter.h"

namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace abazenta {
namespace {

const std::string kModel =
    "*NODE\n1, 0, 0\n2, 2, 0\n3, 2, 1\n4, 0, 1\n5, 4, 0\n6, 1, 0\n7, 2, 0.5\n8, 1, 1\n9, 0, 0.5\n"
    "*ELEMENT, TYPE=CPS8, ELSET=E\n1, 1, 2, 3, 4, 6, 7, 8, 9\n"
    "*ELEMENT, TYPE=CPS3, ELSET=T\n2, 2, 5, 3\n*ELEMENT, TYPE=T2D2\n3, 2, 5\n"
    "*ELSET, ELSET=Beams\n3\n*SOLID SECTION, ELSET=E, MATERIAL=M\n"
    "*MATERIAL, NAME=M\n*DENSITY\n2.\n*ELASTIC\n100., 0.3\n"
    "*SURFACE, NAME=Top\nE, S3\n*SURFACE, NAME=Side\n1, S2\nT, S1\n";

// Lines of every kind in one step: the loads are applied as they are read.
const std::string kOneStep =
    "*STEP\n*STATIC\n*CLOAD\n4, 2, 1.\n5, 1, -2.\n*DSLOAD\nTop, P, 3.\nSide, TRSHR, 1., 0., 1., "
    "0.\n"
    "Side, TRVEC, 2., 1., 1., 0.\n*DLOAD\n, GRAV, 9.81, 0., -1., 0.\nE, BX, 1.\nT, P2, 1.\n"
    "E, CENTRIF, 4., 0., 0., 0., 0., 0., 1.\nBeams, BY, 1.\n*END STEP\n";

// Lines that later steps replace or remove: the loads in force are sorted out first.
const std::string kTwoSteps =
    "*AMPLITUDE, NAME=Ramp\n0., 0., 1., 2.\n*STEP\n*STATIC\n*CLOAD\n4, 2, 1.\n*DSLOAD\n"
    "Top, P, 3.\n*DLOAD\n, GRAV, 9.81, 0., -1., 0.\n*END STEP\n*STEP\n*STATIC\n"
    "*CLOAD, OP=NEW\n4, 2, 5.\n*DSLOAD, AMPLITUDE=Ramp\nTop, P, 1.\n*DLOAD\nT, BY, 2.\n"
    "E, CENTRIF, 4., 0., 0., 0., 0., 0., 1.\n*END STEP\n";

// Operator new counts while counting is on.
long allocations_of_one_new() {
    allocations = 0;
    counting = true;
    int* volatile kept = new int(1);  // volatile: the pair may not be left out
    delete kept;
    counting = false;
    return allocations;
}

TEST(PendingLoads, WorkingThemOutTakesNoMemory) {
    ASSERT_EQ(allocations_of_one_new(), 1);
    for (const std::string& history : {kOneStep, kTwoSteps}) {
        DeckSource source;
        const std::string text = kModel + history;
        source.text = text;
        std::ostringstream diagnostics;
        const Deck deck = read_deck(source, true);
        Assembly assembly(second_scan(deck, true, diagnostics), true, diagnostics);
        ASSERT_TRUE(assembly.loads_pending()) << diagnostics.str();
        allocations = 0;
        counting = true;
        NodalLoads loads = assembly.work_out_loads();
        counting = false;
        EXPECT_EQ(allocations, 0) << history;
        EXPECT_GE(loads.records.size(), 5u) << history;
        EXPECT_EQ(loads.elements_without_density, 1) << history;  // T is in no section
        EXPECT_EQ(loads.lines_not_written, history == kOneStep ? 1 : 0) << history;
        assembly.place_loads(std::move(loads));
    }
}

}  // namespace
}  // namespace abazenta
