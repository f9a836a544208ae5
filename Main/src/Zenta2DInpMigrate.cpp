// The converter window: construction, the button's dialogue and closing.
#include "Zenta2DInpMigrate.h"

#include <cstdlib>
#include <fstream>

#include "convert.h"
#include "file_access.h"
#include "messages.h"

namespace Text = Zenta2D::Text;
using ZTools::FileName;

FXApp* FoxApp = nullptr;

namespace {

constexpr FXuint kWindowDecor = DECOR_TITLE | DECOR_CLOSE | DECOR_BORDER | DECOR_MENU;
constexpr FXuint kBannerOptions = LAYOUT_CENTER_X;
constexpr FXuint kSeparatorOptions = SEPARATOR_GROOVE | LAYOUT_FILL_X;
constexpr FXuint kButtonOptions =
    BUTTON_DEFAULT | FRAME_RAISED | FRAME_THICK | LAYOUT_FILL_Y | LAYOUT_CENTER_X;
static_assert(kBannerOptions == 0x8, "banner centred horizontally");
static_assert(kSeparatorOptions == 0x8400, "groove separator across the window");
static_assert(kButtonOptions == 0x4006808, "raised thick default button, centred");
static_assert(Zenta2DInpMigrate::ID_BUTTON == 60, "the button's message follows the toolkit's");

constexpr const char* kTitle = "FILE CONVERT";
constexpr const char* kBanner = "Z2D FILE CONVERTER";
constexpr const char* kBannerFont = "times,250,bold";
constexpr const char* kButtonText = "Convert File";
constexpr const char* kExtension = "inp";
constexpr const char* kTypeName = "Z2D Input File";
constexpr const char* kInputLabel = "Input File";
constexpr const char* kOutputLabel = "Output File";

}  // namespace

FXDEFMAP(Zenta2DInpMigrate)
Zenta2DInpMigrateMap[] = {
    FXMAPFUNC(SEL_CLOSE, 0, Zenta2DInpMigrate::onCmdQuit),
    FXMAPFUNC(SEL_COMMAND, Zenta2DInpMigrate::ID_BUTTON, Zenta2DInpMigrate::onCmdButton),
};

FXIMPLEMENT(Zenta2DInpMigrate, FXMainWindow, Zenta2DInpMigrateMap,
            ARRAYNUMBER(Zenta2DInpMigrateMap))

Zenta2DInpMigrate::Zenta2DInpMigrate() : BigFont(nullptr) {}

Zenta2DInpMigrate::Zenta2DInpMigrate(FXApp* app)
    : FXMainWindow(app, kTitle, nullptr, nullptr, kWindowDecor, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
      BigFont(nullptr) {
    FXVerticalFrame* frame = new FXVerticalFrame(this, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    BigFont = new FXFont(getApp(), kBannerFont);
    FXLabel* banner = new FXLabel(frame, kBanner, nullptr, kBannerOptions, 0, 0, 0, 0, 2, 2, 2, 2);
    banner->setFont(BigFont);
    new FXHorizontalSeparator(frame, kSeparatorOptions, 0, 0, 0, 0, 1, 1, 0, 0);
    new FXButton(frame, kButtonText, nullptr, this, ID_BUTTON, kButtonOptions, 0, 0, 0, 0, 12, 12,
                 2, 2);
}

Zenta2DInpMigrate::~Zenta2DInpMigrate() {
    delete BigFont;
}

void Zenta2DInpMigrate::ConvertFiles(std::istream& in, std::ostream& out) {
    Zenta2D::ConvertFiles(in, out);
}

void Zenta2DInpMigrate::ShowMessage(const char* caption, const char* text) {
    FXMessageBox box(this, caption, text, nullptr, MBOX_OK);
    box.execute(PLACEMENT_CURSOR);
}

long Zenta2DInpMigrate::onCmdButton(FXObject*, FXSelector, void*) {
    std::ifstream in;
    FileName in_name;
    if (!OpenFile(this, kExtension, kTypeName, in, in_name, kInputLabel)) return 1;

    // Checked before the output is probed or opened, so the input can never be emptied.
    auto differs_from_input = [this, &in_name](const FileName& out_name) {
        if (!Zenta2D::SameFile(in_name.AsStr(), out_name.AsStr())) return true;
        ShowMessage(Text::kCaptionError, Text::kSameFiles);
        return false;
    };
    zenta::ReplacingFile out;
    FileName out_name;
    if (!SaveAsFile(this, kExtension, kTypeName, out, out_name, kOutputLabel, differs_from_input))
        return 1;

    try {
        ConvertFiles(in, out.Stream());
    } catch (...) {
        // out is discarded: no partly written file is left behind.
        ShowMessage(Text::kCaptionError, Text::kFormatError);
        return 1;
    }
    if (!out.Commit()) {
        FXMessageBox::warning(this, MBOX_OK, Text::kCaptionSaveError, Text::kWriteError,
                              out_name.AsStr());
        return 1;
    }
    ShowMessage(Text::kCaptionDone, Text::kCompleted);
    return 1;
}

long Zenta2DInpMigrate::onCmdQuit(FXObject*, FXSelector, void*) {
    getApp()->exit(0);
    std::exit(0);
    return 1;
}
