// abazenta: translates an ABAQUS input file into a legacy ZENTA2D(L) input file.
#include <unistd.h>

#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "error.h"
#include "messages.h"
#include "program.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        abazenta::run_program(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                              std::cerr, STDIN_FILENO);
        return 0;
    } catch (const abazenta::TranslationError& error) {
        std::cerr << error.what() << std::flush;
        return error.status();
    } catch (const std::bad_alloc&) {
        std::cerr << abazenta::messages::kNoMemory << std::flush;
        return 1;
    }
}
