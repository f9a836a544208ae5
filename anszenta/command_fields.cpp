// Comma-separated fields of archive command lines.
#include "command_fields.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::vector<std::string> commaFields(const std::string& line) {
    std::vector<std::string> fields;
    const char* text = line.c_str();
    for (;;) {
        const char* end = text + std::strcspn(text, ",\r\n");
        const char* first = text;
        while (first < end && isBlank(*first)) ++first;
        const char* last = end;
        while (last > first && isBlank(last[-1])) --last;
        fields.emplace_back(first, last);
        if (*end != ',') return fields;
        text = end + 1;
    }
}

std::string fieldAt(const std::vector<std::string>& fields, size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

bool numberField(const std::string& field, double& value) {
    if (field.empty()) return false;
    char* end = nullptr;
    value = std::strtod(field.c_str(), &end);
    return end == field.c_str() + field.size();
}

bool integerField(const std::string& field, int& value) {
    double number = 0.0;
    if (!numberField(field, number)) return false;
    if (!(number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()))
        return false;
    value = static_cast<int>(number);
    return value == number;
}

bool sameWord(const std::string& word, const char* upperCase) {
    if (word.size() != std::strlen(upperCase)) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (std::toupper(static_cast<unsigned char>(word[k])) != upperCase[k]) return false;
    return true;
}
