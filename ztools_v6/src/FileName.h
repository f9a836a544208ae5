// A file path that takes itself apart: directory, name, base name, extension.
#pragma once

#include "String.h"

namespace ZTools {

// Separators are the slash and the backslash; the native separator is the slash. A leading dot
// of the file name (a hidden file) never starts an extension. Every query returns a new name
// and the empty name for an empty path.
class FileName : public String {
  public:
    FileName() = default;
    FileName(const char* path) : String(path) {}
    FileName(const char* path, int n) : String(path, n) {}
    FileName(const String& path) : String(path) {}
    FileName(const FileName& other) = default;
    ~FileName() = default;

    FileName& operator=(const FileName& other);

    // The text before the last separator; "/" for a path whose only separator is the first
    // character; empty without separators.
    FileName Directory() const;
    // The file name with its extension, without the directory.
    FileName FullName() const;
    // The file name without directory and extension.
    FileName BaseName() const;
    // The text after the extension dot, without the dot; empty when there is none.
    FileName Extension() const;
    // The whole path without the extension dot and extension.
    FileName StripExtension() const;

    // Replaces every separator of either kind by the native one.
    void ToNativePathSep();

    String ToString() const { return String(*this); }
    static char GetPathSeparator() { return '/'; }

  private:
    int NameStart() const;
    int ExtensionDot() const;  // index of the extension dot, or -1
};

}  // namespace ZTools
