// The converter's own texts: message box captions and texts, batch-mode output.
#pragma once

namespace Zenta2D::Text {

// printf formats are filled with the full file name.
constexpr const char* kOpenError = "Error opening file (%s)";
constexpr const char* kWriteError = "Error writing file (%s)";
constexpr const char* kOverwriteQuestion = "File (%s) exists. Overwrite?";
constexpr const char* kSameFiles = "Input and Output files are the same";
constexpr const char* kFormatError = "File Format Error!!";
constexpr const char* kCompleted = "Conversion completed";

constexpr const char* kCaptionError = "Error";
constexpr const char* kCaptionDone = "Done";
constexpr const char* kCaptionReadError = "File read Error";
constexpr const char* kCaptionSaveError = "File Save Error";
constexpr const char* kCaptionFileExists = "File Exists";
constexpr const char* kCaptionOpenDefault = "Open File";
constexpr const char* kCaptionSaveDefault = "Save File As";

}  // namespace Zenta2D::Text
