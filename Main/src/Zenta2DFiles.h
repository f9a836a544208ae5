// File open and save dialogs with failure messages and a remembered directory.
#pragma once

#include <fx.h>

#include <fstream>
#include <functional>

#include "FileName.h"
#include "List.h"
#include "String.h"
#include "file_choice.h"
#include "replacing_file.h"

// Asks for a file name in the toolkit's file dialogs, opens the chosen file, reports failures
// in message boxes and remembers the directory last used, so that the next dialog of either
// kind starts there. Every operation returns true when a file was opened on a chosen name.
class Zenta2DFiles {
  public:
    // Called with the final output name before the file is probed or touched; returns false to
    // refuse the name (after telling the user why).
    using NameCheck = std::function<bool(const ZTools::FileName&)>;

    Zenta2DFiles();

    // Open dialog (caption dialog_label, or "Open File"), then opens in for reading.
    bool OpenFile(FXWindow* owner, const ZTools::String& extension, const ZTools::String& type_name,
                  std::ifstream& in, ZTools::FileName& fn, ZTools::String dialog_label);
    bool OpenFile(FXWindow* owner, const Zenta2D::StringList& extension,
                  const Zenta2D::StringList& type_name, std::ifstream& in, ZTools::FileName& fn,
                  ZTools::String dialog_label);

    // Save dialog (caption dialog_label, or "Save File As"); a name without extension gets the
    // first one; an existing file is replaced only when the user answers OK to "File Exists".
    // out then writes to a temporary file that replaces the chosen one on out.Commit().
    bool SaveAsFile(FXWindow* owner, const ZTools::String& extension,
                    const ZTools::String& type_name, zenta::ReplacingFile& out,
                    ZTools::FileName& fn, ZTools::String dialog_label,
                    const NameCheck& accept = NameCheck());
    bool SaveAsFile(FXWindow* owner, const Zenta2D::StringList& extension,
                    const Zenta2D::StringList& type_name, zenta::ReplacingFile& out,
                    ZTools::FileName& fn, ZTools::String dialog_label,
                    const NameCheck& accept = NameCheck());

    // Opens out on the current name without asking; without one, as SaveAsFile.
    bool SaveFile(FXWindow* owner, const ZTools::String& extension, const ZTools::String& type_name,
                  zenta::ReplacingFile& out, ZTools::FileName& fn);
    bool SaveFile(FXWindow* owner, const Zenta2D::StringList& extension,
                  const Zenta2D::StringList& type_name, zenta::ReplacingFile& out,
                  ZTools::FileName& fn);

  private:
    ZTools::String BuildFilePatterns(const Zenta2D::StringList& extension,
                                     const Zenta2D::StringList& type_name);
    // The user's answer to "File Exists" for name: true only for OK. Closing the box without
    // answering is not consent.
    static bool MayOverwrite(FXWindow* owner, const ZTools::FileName& name);
    static bool OpenForWriting(FXWindow* owner, zenta::ReplacingFile& out,
                               const ZTools::FileName& name);

    ZTools::FileName DefPath;  // directory of the file last opened or saved through a dialog
};
