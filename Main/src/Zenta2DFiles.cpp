// The toolkit's open and save dialogs behind the converter's button.
#include "Zenta2DFiles.h"

#include <sys/stat.h>

#include "file_access.h"
#include "messages.h"

using Zenta2D::StringList;
using ZTools::FileName;
using ZTools::String;
namespace Text = Zenta2D::Text;

namespace {

StringList OneEntry(const String& entry) {
    StringList list(6);
    list.Append(entry);
    return list;
}

FXString ToFox(const String& text) {
    return FXString(text.AsStr());
}

}  // namespace

Zenta2DFiles::Zenta2DFiles() : DefPath(".") {}

String Zenta2DFiles::BuildFilePatterns(const StringList& extension, const StringList& type_name) {
    return Zenta2D::FilePatterns(extension, type_name);
}

bool Zenta2DFiles::OpenFile(FXWindow* owner, const String& extension, const String& type_name,
                            std::ifstream& in, FileName& fn, String dialog_label) {
    return OpenFile(owner, OneEntry(extension), OneEntry(type_name), in, fn, dialog_label);
}

bool Zenta2DFiles::OpenFile(FXWindow* owner, const StringList& extension,
                            const StringList& type_name, std::ifstream& in, FileName& fn,
                            String dialog_label) {
    const String caption =
        dialog_label.Len() > 0 ? dialog_label : String(Text::kCaptionOpenDefault);
    const FXString chosen = FXFileDialog::getOpenFilename(
        owner, ToFox(caption), ToFox(Zenta2D::OpenStartPath(fn, DefPath)),
        ToFox(BuildFilePatterns(extension, type_name)), 0);
    if (chosen.empty()) return false;
    if (!Zenta2D::OpenInput(in, chosen.text())) {
        FXMessageBox::warning(owner, MBOX_OK, Text::kCaptionReadError, Text::kOpenError,
                              chosen.text());
        return false;
    }
    fn = FileName(chosen.text());
    DefPath = fn.Directory();
    return true;
}

bool Zenta2DFiles::SaveAsFile(FXWindow* owner, const String& extension, const String& type_name,
                              zenta::ReplacingFile& out, FileName& fn, String dialog_label,
                              const NameCheck& accept) {
    return SaveAsFile(owner, OneEntry(extension), OneEntry(type_name), out, fn, dialog_label,
                      accept);
}

bool Zenta2DFiles::SaveAsFile(FXWindow* owner, const StringList& extension,
                              const StringList& type_name, zenta::ReplacingFile& out, FileName& fn,
                              String dialog_label, const NameCheck& accept) {
    const String caption =
        dialog_label.Len() > 0 ? dialog_label : String(Text::kCaptionSaveDefault);
    const FXString chosen = FXFileDialog::getSaveFilename(
        owner, ToFox(caption), ToFox(Zenta2D::SaveProposal(fn, DefPath, extension)),
        ToFox(BuildFilePatterns(extension, type_name)), 0);
    if (chosen.empty()) return false;
    const FileName name = Zenta2D::WithDefaultExtension(FileName(chosen.text()), extension);
    if (accept && !accept(name)) return false;
    if (!MayOverwrite(owner, name)) return false;
    if (!OpenForWriting(owner, out, name)) return false;
    fn = name;
    DefPath = fn.Directory();
    return true;
}

bool Zenta2DFiles::SaveFile(FXWindow* owner, const String& extension, const String& type_name,
                            zenta::ReplacingFile& out, FileName& fn) {
    return SaveFile(owner, OneEntry(extension), OneEntry(type_name), out, fn);
}

bool Zenta2DFiles::SaveFile(FXWindow* owner, const StringList& extension,
                            const StringList& type_name, zenta::ReplacingFile& out, FileName& fn) {
    if (fn.Len() == 0) return SaveAsFile(owner, extension, type_name, out, fn, String());
    return OpenForWriting(owner, out, fn);
}

bool Zenta2DFiles::MayOverwrite(FXWindow* owner, const FileName& name) {
    // Any existing entry counts, also one the user cannot read.
    struct stat info;
    if (lstat(name.AsStr(), &info) != 0) return true;
    return FXMessageBox::question(owner, MBOX_OK_CANCEL, Text::kCaptionFileExists,
                                  Text::kOverwriteQuestion, name.AsStr()) == MBOX_CLICKED_OK;
}

bool Zenta2DFiles::OpenForWriting(FXWindow* owner, zenta::ReplacingFile& out,
                                  const FileName& name) {
    if (out.Open(name.AsStr())) return true;
    FXMessageBox::warning(owner, MBOX_OK, Text::kCaptionSaveError, Text::kWriteError, name.AsStr());
    return false;
}
