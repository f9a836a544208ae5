// Reads numbers and words from a line as the C library's sscanf reads them, for the directives
// that the archive and listing readers use. The readers' fixed-position formats ("%d, %lf",
// "%d %d %d %lf %lf %lf", ...) keep their exact meaning: a blank matches any run of white
// space, an empty one included, a comma must follow its number directly, numbers that touch
// are read apart where the next begins with its sign, and a result that does not parse leaves
// its target as it was.
//
// The plain forms (digits with a sign, a point and an exponent) are converted here with
// std::from_chars, which rounds as strtod does; every other form (hex floats, inf and nan, an
// int of more than 18 digits, a real out of range) is handed to sscanf itself, so the results
// are those of the C library on every input.
#pragma once

#include <cstddef>

// One target of a conversion: "%d" and "%n" take an int, "%lf" a double, "%f" a float, "%Ns"
// a buffer of N + 1 characters.
class ScanTarget {
  public:
    enum class Kind { Int, Double, Float, Chars };

    ScanTarget(int* value) : kind_(Kind::Int), target_(value) {}
    ScanTarget(double* value) : kind_(Kind::Double), target_(value) {}
    ScanTarget(float* value) : kind_(Kind::Float), target_(value) {}
    ScanTarget(char* buffer) : kind_(Kind::Chars), target_(buffer) {}

    Kind kind() const { return kind_; }
    template <typename T>
    T* as() const {
        return static_cast<T*>(target_);
    }

  private:
    Kind kind_;
    void* target_;
};

// sscanf(text, format, targets...) for formats made of "%d", "%lf", "%f", "%Ns" (with its
// width), "%n", blanks and other characters to match. Returns what sscanf returns: the number
// of targets stored ("%n" not counted), or -1 when the text ends before the first one.
int scanTargets(const char* text, const char* format, const ScanTarget* targets, size_t count);

template <typename... Targets>
int scanText(const char* text, const char* format, Targets*... targets) {
    const ScanTarget list[] = {ScanTarget(targets)...};
    return scanTargets(text, format, list, sizeof...(Targets));
}
