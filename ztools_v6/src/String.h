// An owning text with an inline buffer for short texts, number conversions, slicing,
// searching, case folding, splitting and printf-style formatting.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <ostream>

#include "List.h"

namespace ZTools {

// The text is always NUL-terminated and its length is not stored, so a text cannot contain NUL
// characters. Texts of up to 13 characters live in the inline buffer; longer ones in a heap
// array. Growth allocates exactly what the new text needs, and a heap array, once there, is
// kept for later texts that fit into it.
class String {
  public:
    static constexpr std::size_t kInlineSize = 14;  // inline buffer, terminator included

    String();
    String(const char* s);
    // The first n characters of s (fewer if s ends earlier). A negative n gives the empty text.
    String(const char* s, int n);
    String(const char* s, std::size_t n);
    String(const String& other);
    String(int value);           // as "%d" prints it
    String(unsigned int value);  // as "%u" prints it
    String(double value);        // "%12.6f", or "%12.6e" for magnitudes outside 1e-5 .. 1e5
    String(char c);
    ~String();

    // Makes this text a copy of other's and returns a copy of the result.
    String operator=(const String& other);
    // Makes this text a copy of the first `length` characters of s (which holds no NUL among
    // them), by the same storage rule as the assignment, without returning a copy.
    void Assign(const char* s, std::size_t length) { AssignText(s, length); }

    int Len() const;
    // atoi of the text: 0 when it does not start with a number.
    int AsInt() const;
    // atof of the text: 0.0 when it does not start with a number. The usual decimal forms are
    // converted without the C library's slow paths, with exactly its results.
    double AsFloat() const;
    const char* AsStr() const { return Data; }

    // Characters pos .. end-1; a negative end means to the end of the text. Needs
    // 0 <= pos <= Len() and, for end >= 0, pos <= end <= Len(); otherwise ContractViolation.
    String Slice(int pos, int end) const;
    // Replaces every from by to, in place; a to of NUL cuts the text at the first from.
    void Replace(char from, char to);

    // Appends s in place and returns a copy of the result. s may be this string itself.
    String Append(const String& s);
    String Append(const char* s);
    void operator+=(const String& s);
    void operator+=(const char* s);

    int Find(char c) const;           // index of the first c, or -1
    int Find(const String& s) const;  // index of the first occurrence of s, or -1; "" is at 0

    void ToLower();
    void ToUpper();
    String Lower() const;
    String Upper() const;

    // The fields between occurrences of sep: k separators give k + 1 fields, empty ones
    // included; the empty text gives no fields.
    List<String> Split(char sep) const;

    // Character i for 0 <= i < Len(); other indices throw ContractViolation.
    char& operator[](int i);
    char operator[](int i) const;

    static String Format(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;
    // Output longer than strlen(fmt) + 1022 characters is cut there.
    static String FormatVa(const char* fmt, va_list args);
    // The entries of list with sep between neighbours; an empty list gives the empty text.
    static String Join(const List<String>& list, char sep);

    // Storage, for tests of the allocation rules.
    std::size_t Capacity() const {
        return NumAlloced;
    }
    bool IsInline() const {
        return Data == StaticData;
    }

  protected:
    void AppendText(const char* s, std::size_t length);
    void AssignText(const char* s, std::size_t length);
    void InitText(const char* s, std::size_t length);

    char* Data;                    // the text: StaticData or a heap array owned by the string
    std::size_t NumAlloced;        // heap array size in bytes, terminator included; 14 inline
    char StaticData[kInlineSize];  // inline buffer: up to 13 characters and the terminator
};

bool operator==(const String& a, const String& b);
bool operator==(const String& a, const char* b);
bool operator==(const char* a, const String& b);
bool operator!=(const String& a, const String& b);
bool operator!=(const String& a, const char* b);
bool operator!=(const char* a, const String& b);
// Writes the text as a character array is written: width and fill apply to it as a whole.
std::ostream& operator<<(std::ostream& out, const String& s);

}  // namespace ZTools
