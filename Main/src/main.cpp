// inpmigrate: legacy ZENTA2D(L) input file -> current ZENTA2D input file, in a window or batch.
// Help, version and batch runs need no display.
#include <fx.h>

#include <iostream>
#include <string>
#include <vector>

#include "Zenta2DInpMigrate.h"
#include "batch.h"
#include "version.h"

namespace {

int RunWindow(int argc, char** argv) {
    FoxApp = new FXApp("ZENTA2D", "Quorin");
    FoxApp->init(argc, argv);
    Zenta2DInpMigrate* window = new Zenta2DInpMigrate(FoxApp);
    FoxApp->create();
    window->show(PLACEMENT_SCREEN);
    FoxApp->runModalFor(window);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    switch (Zenta2D::ChooseRunMode(args)) {
        case Zenta2D::RunMode::kBatch:
            return Zenta2D::RunBatch(args[0], args[1], std::cout, std::cerr);
        case Zenta2D::RunMode::kHelp:
            std::cout << Zenta2D::kUsageText;
            return 0;
        case Zenta2D::RunMode::kVersion:
            std::cout << zenta::VersionLine("inpmigrate");
            return 0;
        case Zenta2D::RunMode::kUsage:
            std::cerr << Zenta2D::kUsageText;
            return 1;
        case Zenta2D::RunMode::kWindow:
            break;
    }
    return RunWindow(argc, argv);
}
