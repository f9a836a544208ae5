// The whole input of a run in memory.
#include "input_text.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

namespace abazenta {

namespace {

constexpr std::size_t kFirstCapacity = std::size_t{1} << 20;

}  // namespace

InputText::InputText(InputText&& other) noexcept {
    *this = std::move(other);
}

InputText& InputText::operator=(InputText&& other) noexcept {
    if (this != &other) {
        release();
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(mapping_, other.mapping_);
        std::swap(mapping_size_, other.mapping_size_);
    }
    return *this;
}

bool InputText::map(int descriptor) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0)
        return false;
    const off_t position = lseek(descriptor, 0, SEEK_CUR);
    if (position < 0) return false;
    const std::size_t size = static_cast<std::size_t>(status.st_size);
    void* mapping = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    if (mapping == MAP_FAILED) return false;
    release();
    mapping_ = mapping;
    mapping_size_ = size;
    const std::size_t offset = std::min(static_cast<std::size_t>(position), size);
    data_ = static_cast<char*>(mapping) + offset;
    size_ = size - offset;
    return true;
}

// A stream that can tell its size (a file) is read in one piece of that size once a first
// piece shows that it holds more; another (a pipe) into a buffer that doubles.
bool InputText::read(std::istream& in) {
    release();
    std::size_t told = 0;  // the size the stream tells, plus one; 0 when it tells none
    const std::streampos start = in.tellg();
    if (start != std::streampos(-1) && in.seekg(0, std::ios::end)) {
        const std::streamoff size = in.tellg() - start;
        if (in.seekg(start) && size >= 0) told = static_cast<std::size_t>(size) + 1;
    }
    in.clear(in.rdstate() & std::ios::badbit);
    std::size_t capacity = kFirstCapacity;
    for (;;) {
        if (!grow(capacity)) throw std::bad_alloc();
        in.read(data_ + size_, static_cast<std::streamsize>(capacity - size_));
        size_ += static_cast<std::size_t>(in.gcount());
        if (size_ < capacity) break;
        capacity = told > capacity ? told : 2 * capacity;
    }
    return !in.bad();
}

bool InputText::grow(std::size_t capacity) {
    char* bytes = static_cast<char*>(std::realloc(data_, capacity));
    if (bytes == nullptr) return false;
    data_ = bytes;
    return true;
}

void InputText::release() {
    if (mapping_ != nullptr)
        munmap(mapping_, mapping_size_);
    else
        std::free(data_);
    data_ = nullptr;
    size_ = 0;
    mapping_ = nullptr;
    mapping_size_ = 0;
}

}  // namespace abazenta
