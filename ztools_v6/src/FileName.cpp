// FileName: taking a path apart at its separators and extension dot.
#include "FileName.h"

#include <cstring>

namespace ZTools {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace

FileName& FileName::operator=(const FileName& other) {
    if (&other != this) AssignText(other.Data, std::strlen(other.Data));
    return *this;
}

// Index just after the last separator, or 0 when there is none.
int FileName::NameStart() const {
    int start = 0;
    for (int i = 0; Data[i] != '\0'; ++i)
        if (IsSeparator(Data[i])) start = i + 1;
    return start;
}

// The last dot between the stem start and the end. The stem starts after a leading dot of the
// file name, so hidden files such as ".profile" have no extension.
int FileName::ExtensionDot() const {
    const int length = Len();
    const int nameStart = NameStart();
    if (nameStart >= length) return -1;
    const int stemStart = nameStart + (Data[nameStart] == '.' ? 1 : 0);
    for (int i = length - 1; i >= stemStart; --i)
        if (Data[i] == '.') return i;
    return -1;
}

FileName FileName::Directory() const {
    // A leading separator is the root and is kept: "/file" has the directory "/".
    const int root = IsSeparator(Data[0]) ? 1 : 0;
    int cut = root;
    for (int i = root; Data[i] != '\0'; ++i)
        if (IsSeparator(Data[i])) cut = i;
    return FileName(Data, cut);
}

FileName FileName::FullName() const {
    return FileName(Data + NameStart());
}

FileName FileName::BaseName() const {
    const int start = NameStart();
    const int dot = ExtensionDot();
    return dot < 0 ? FileName(Data + start) : FileName(Data + start, dot - start);
}

FileName FileName::Extension() const {
    const int dot = ExtensionDot();
    return dot < 0 ? FileName() : FileName(Data + dot + 1);
}

FileName FileName::StripExtension() const {
    const int dot = ExtensionDot();
    return dot < 0 ? FileName(*this) : FileName(Data, dot);
}

void FileName::ToNativePathSep() {
    const char native = GetPathSeparator();
    for (char* p = Data; *p != '\0'; ++p)
        if (IsSeparator(*p)) *p = native;
}

}  // namespace ZTools
