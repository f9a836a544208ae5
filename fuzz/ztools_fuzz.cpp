// Drives FileIterator and the String conversions on arbitrary bytes and checks every line and
// field against an independent reading of the same bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "FileIterator.h"
#include "FileName.h"
#include "String.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The lines of bytes as LF, CR LF and a lone CR end them.
std::vector<std::string> ExpectedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The fields of a line: runs of bytes other than blank and tab, up to NUL or byte 255.
std::vector<std::string> ExpectedFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
        if (c == '\0' || c == '\xff') break;
        if (c == ' ' || c == '\t') {
            if (!field.empty()) fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty()) fields.push_back(field);
    return fields;
}

void ExerciseString(const ZTools::String& field) {
    const int length = field.Len();
    (void)field.AsInt();
    const ZTools::String asNumber(field.AsFloat());
    Require(asNumber.Len() >= 12 && asNumber.Len() < 40);
    const ZTools::String asInt(field.AsInt());
    Require(asInt.Len() > 0);

    const char sep = length > 0 ? field.AsStr()[length / 2] : ',';
    const ZTools::List<ZTools::String> parts = field.Split(sep);
    if (length > 0) Require(ZTools::String::Join(parts, sep) == field);
    Require(field.Find(sep) ==
            (length > 0 ? static_cast<int>(std::string(field.AsStr()).find(sep)) : -1));

    const int pos = length / 3;
    Require(field.Slice(pos, -1).Len() == length - pos);
    Require(field.Slice(pos, length).Len() == length - pos);
    try {
        field.Slice(length + 1, -1);
        Require(false);
    } catch (const ZTools::ContractViolation&) {
    }

    ZTools::String copy(field);
    copy += copy;
    Require(copy.Len() == 2 * length);
    Require(copy.Find(field) == 0);
    Require(field.Lower().Len() == length && field.Upper().Len() == length);
    copy.Replace(sep, '\0');
    Require(copy.Len() <= length);

    // Formatted output is cut at the format's length plus 1022 characters.
    const ZTools::String formatted = ZTools::String::Format("%s|%d|%s", field.AsStr(), length, "");
    const int fullLength = length + 2 + static_cast<int>(std::to_string(length).size());
    Require(formatted.Len() == std::min(fullLength, 8 + 1022));

    const ZTools::FileName name(field);
    Require(name.Directory().Len() <= length && name.FullName().Len() <= length);
    Require(name.BaseName().Len() + name.Extension().Len() <= length);
    Require(name.StripExtension().Len() <= length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int mode = data[0] & 1 ? ZTools::FileIterator::SIGNIFICANT_BLANK_LINES
                                 : ZTools::FileIterator::IGNORE_BLANK_LINES;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    // Every line is delivered in the significant mode, only lines with fields otherwise; a
    // last line without a line end is read at the end of input and delivered in both modes
    // unless its text (up to a NUL) is empty.
    const std::vector<std::string> all = ExpectedLines(bytes);
    const bool lastUnterminated = !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string& line = all[i];
        const bool readAtEnd = lastUnterminated && i + 1 == all.size();
        bool delivered;
        if (readAtEnd)
            delivered = !line.empty() && line[0] != '\0';
        else
            delivered = mode == ZTools::FileIterator::SIGNIFICANT_BLANK_LINES ||
                        !ExpectedFields(line).empty();
        if (delivered) expected.push_back(line);
    }

    std::istringstream in(bytes);
    ZTools::FileIterator it(in, mode);
    std::size_t index = 0;
    for (it.First(); it.More(); it.Next()) {
        Require(index < expected.size());
        const std::string& line = expected[index++];
        Require(std::string(it.Buff()) == line.substr(0, line.find('\0')));
        const std::vector<std::string> fields = ExpectedFields(line);
        Require(it.Len() == static_cast<int>(fields.size()));
        for (int i = 0; i < it.Len(); ++i) {
            Require(std::string(it[i].AsStr()) == fields[static_cast<std::size_t>(i)]);
            ExerciseString(it[i]);
        }
        try {
            it[it.Len()];
            Require(fields.empty());  // only the one empty field of a line without fields
        } catch (const ZTools::ContractViolation&) {
        }
        Require(it.Capacity() >= 255);
    }
    Require(index == expected.size());
    return 0;
}
