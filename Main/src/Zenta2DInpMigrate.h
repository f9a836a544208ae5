// The converter window: a banner and one "Convert File" button.
#pragma once

#include <fx.h>

#include <istream>
#include <ostream>

#include "Zenta2DFiles.h"
#include "migrate_error.h"

// Each press of "Convert File" asks for a legacy input file and an output file, converts the
// one into the other and reports the outcome in a message box. Closing the window ends the
// program with status 0.
class Zenta2DInpMigrate : public FXMainWindow, public Zenta2DFiles {
    FXDECLARE(Zenta2DInpMigrate)

  public:
    using FormatError = Zenta2D::FormatError;

    enum {
        ID_BUTTON = FXMainWindow::ID_LAST,
        ID_LAST,
    };

    explicit Zenta2DInpMigrate(FXApp* app);
    virtual ~Zenta2DInpMigrate();

    long onCmdButton(FXObject* sender, FXSelector sel, void* data);
    long onCmdQuit(FXObject* sender, FXSelector sel, void* data);

  private:
    Zenta2DInpMigrate();  // for the toolkit's manufacture(); builds nothing
    Zenta2DInpMigrate(const Zenta2DInpMigrate&) = delete;
    Zenta2DInpMigrate& operator=(const Zenta2DInpMigrate&) = delete;

    void ConvertFiles(std::istream& in, std::ostream& out);
    // A modal box with caption and text, no icon and an OK button, near the pointer.
    void ShowMessage(const char* caption, const char* text);

    FXFont* BigFont;  // the banner's font, owned by the window
};

extern FXApp* FoxApp;
