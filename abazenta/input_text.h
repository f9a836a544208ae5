// The whole input of a run in memory: a regular file is mapped, anything else read.
#pragma once

#include <cstddef>
#include <istream>
#include <string_view>

namespace abazenta {

// A regular file is mapped into memory rather than read: its pages come from the file cache,
// with nothing copied and no fresh memory to fill, which on a large model is a good part of the
// run. Another stream (a pipe) is read into memory taken with malloc and grown with realloc,
// which for large blocks moves pages instead of copying them and is never filled beforehand.
class InputText {
  public:
    InputText() = default;
    InputText(InputText&& other) noexcept;
    InputText& operator=(InputText&& other) noexcept;
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;
    ~InputText() { release(); }

    std::string_view view() const { return {data_, size_}; }

    // Maps what is left to read of the regular file open on `descriptor` (from its current
    // position on). False, with nothing taken, for another kind of file, an empty one (files
    // such as those of /proc tell no size), or a file that cannot be mapped.
    bool map(int descriptor);

    // Reads `in` to its end; false when reading failed before the end.
    bool read(std::istream& in);

    // Gives the memory back; the text is empty afterwards.
    void release();

  private:
    bool grow(std::size_t capacity);

    char* data_ = nullptr;  // the text, at an offset into a mapping
    std::size_t size_ = 0;
    void* mapping_ = nullptr;  // the mapped file, or nullptr when the text is read
    std::size_t mapping_size_ = 0;
};

}  // namespace abazenta
