// A growable array with a small inline store; negative indices count from the end.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "ContractViolation.h"

namespace ZTools {

// The first six elements live inline; the 7th Append moves them to a heap array of 12, and
// every later growth doubles the capacity. Element objects always exist as constructed objects:
// shortening the list (Clear, RemoveFromEnd) only lowers the length and leaves them in place.
template <class T>
class List {
  public:
    static constexpr int kInlineCapacity = 6;

    // A size below 7 selects the inline store; 7 or more allocates exactly that capacity.
    explicit List(int size = kInlineCapacity);
    // Copies the elements; fewer than 7 go inline, more into a heap array of other's capacity.
    List(const List& other);
    // Replaces the contents by a copy of other's and returns a copy of the result.
    // Assigning a list to itself leaves it unchanged.
    List operator=(const List& other);
    // Leaves this list exactly as the copy assignment would, but takes other's heap array over
    // where that cannot be told apart from a copy (elements of a trivially copyable type, more
    // than six of them); other is left empty then. Lists of lists grow without copying every
    // inner list this way.
    List& operator=(List&& other);
    virtual ~List();

    int Len() const { return NumArrayEntries; }

    // Element i for -Len() <= i < Len(); -1 is the last. Other indices throw ContractViolation.
    T& operator[](int i) { return data[Position(i)]; }
    const T& operator[](int i) const { return data[Position(i)]; }
    // The same checked access under its own name.
    T& At(int i) { return data[Position(i)]; }
    const T& At(int i) const { return data[Position(i)]; }

    // Adds a copy of entry at the end; entry may be an element of this list.
    void Append(const T& entry);
    // Makes the list one longer without assigning the new last element (see the class comment).
    void ExtendOne();
    void RemoveFromEnd() {
        if (NumArrayEntries > 0) --NumArrayEntries;
    }
    void Clear() { NumArrayEntries = 0; }

    // Inserts a copy of entry before position pos (0 <= pos <= Len()).
    void Insert(int pos, const T& entry);
    // Appends entry unless an equal element is present; true when it was appended.
    bool InsertUnique(const T& entry);
    // Removes element i (same indices as operator[]), moving the later elements down.
    void Remove(int i);
    void Reverse() { std::reverse(data, data + NumArrayEntries); }
    // Appends copies of all elements of other (which may be this list).
    void Extend(const List& other);
    // Sorts with cmp (negative, zero or positive as for qsort); equal elements keep their order.
    void Sort(int (*cmp)(const T&, const T&));

    T* Data() { return data; }
    const T* Data() const { return data; }
    T* begin() { return data; }
    T* end() { return data + NumArrayEntries; }
    const T* begin() const { return data; }
    const T* end() const { return data + NumArrayEntries; }

    // Storage, for callers that size their work and for tests of the growth rule.
    int Capacity() const { return NumAllocated; }
    bool IsInline() const { return data == StaticData; }

  private:
    int Position(int i) const {
        if (!((i >= -NumArrayEntries) && (i < NumArrayEntries)))
            throw ContractViolation(Condition::kListIndex);
        return i >= 0 ? i : NumArrayEntries + i;
    }
    // Ensures room for one more element.
    void MakeRoom();
    void CopyFrom(const List& other);
    // Back to the empty inline store (the length first, so that a failed copy afterwards
    // leaves a consistent empty list).
    void FreeHeap() {
        NumArrayEntries = 0;
        if (data != StaticData) delete[] data;
        data = StaticData;
        NumAllocated = kInlineCapacity;
    }

    T* data;                        // StaticData or a heap array owned by the list
    T StaticData[kInlineCapacity];  // inline store
    int NumArrayEntries;            // number of elements in the list
    int NumAllocated;               // capacity of the array in use
};

template <class T>
List<T>::List(int size) : data(StaticData), NumArrayEntries(0), NumAllocated(kInlineCapacity) {
    if (size > kInlineCapacity) {
        data = new T[size];
        NumAllocated = size;
    }
}

template <class T>
List<T>::List(const List& other)
    : data(StaticData), NumArrayEntries(0), NumAllocated(kInlineCapacity) {
    CopyFrom(other);
}

template <class T>
List<T> List<T>::operator=(const List& other) {
    if (&other != this) {
        FreeHeap();
        CopyFrom(other);
    }
    return *this;
}

template <class T>
List<T>& List<T>::operator=(List&& other) {
    if (&other == this) return *this;
    if (!std::is_trivially_copyable<T>::value || other.NumArrayEntries <= kInlineCapacity) {
        FreeHeap();  // the copy assignment, without the copy it returns
        CopyFrom(other);
        return *this;
    }
    FreeHeap();
    data = other.data;
    NumAllocated = other.NumAllocated;
    NumArrayEntries = other.NumArrayEntries;
    // A copy's array holds fresh elements past the contents.
    std::fill(data + NumArrayEntries, data + NumAllocated, T());
    other.data = other.StaticData;
    other.NumAllocated = kInlineCapacity;
    other.NumArrayEntries = 0;
    return *this;
}

template <class T>
List<T>::~List() {
    if (data != StaticData) delete[] data;
}

// Copies into an empty inline list.
template <class T>
void List<T>::CopyFrom(const List& other) {
    if (other.NumArrayEntries > kInlineCapacity) {
        std::unique_ptr<T[]> copy(new T[other.NumAllocated]);
        std::copy(other.data, other.data + other.NumArrayEntries, copy.get());
        data = copy.release();
        NumAllocated = other.NumAllocated;
    } else {
        std::copy(other.data, other.data + other.NumArrayEntries, data);
    }
    NumArrayEntries = other.NumArrayEntries;
}

template <class T>
void List<T>::MakeRoom() {
    if (NumArrayEntries < NumAllocated) return;
    if (NumAllocated > INT_MAX / 2) throw std::length_error("ZTools::List too long");
    const int capacity = 2 * NumAllocated;  // 12 when leaving the inline store
    std::unique_ptr<T[]> grown(new T[capacity]);
    if (data == StaticData) {
        // The inline elements stay as they are (the list may come back to them).
        std::copy(data, data + NumArrayEntries, grown.get());
    } else {
        // A heap array is freed next, so its elements may give their storage away.
        std::move(data, data + NumArrayEntries, grown.get());
        delete[] data;
    }
    data = grown.release();
    NumAllocated = capacity;
}

template <class T>
void List<T>::Append(const T& entry) {
    // entry may be an element of this list, which the growth moves into the new array.
    const std::less<const T*> before;
    const bool own = !before(&entry, data) && before(&entry, data + NumArrayEntries);
    const std::ptrdiff_t index = own ? &entry - data : 0;
    MakeRoom();
    data[NumArrayEntries] = own ? data[index] : entry;
    ++NumArrayEntries;
}

template <class T>
void List<T>::ExtendOne() {
    MakeRoom();
    ++NumArrayEntries;
}

template <class T>
void List<T>::Insert(int pos, const T& entry) {
    if (!((pos >= 0) && (pos <= NumArrayEntries)))
        throw ContractViolation(Condition::kListInsertPos);
    T copy = entry;  // entry may be an element that the shift below moves
    MakeRoom();
    // Copies, not moves: the element object left past the end keeps its contents.
    std::copy_backward(data + pos, data + NumArrayEntries, data + NumArrayEntries + 1);
    data[pos] = copy;
    ++NumArrayEntries;
}

template <class T>
bool List<T>::InsertUnique(const T& entry) {
    if (std::find(begin(), end(), entry) != end()) return false;
    Append(entry);
    return true;
}

template <class T>
void List<T>::Remove(int i) {
    const int pos = Position(i);
    std::copy(data + pos + 1, data + NumArrayEntries, data + pos);
    --NumArrayEntries;
}

template <class T>
void List<T>::Extend(const List& other) {
    const int count = other.NumArrayEntries;  // fixed first: other may be this list
    for (int i = 0; i < count; ++i) Append(other.data[i]);
}

template <class T>
void List<T>::Sort(int (*cmp)(const T&, const T&)) {
    std::stable_sort(begin(), end(), [cmp](const T& a, const T& b) { return cmp(a, b) < 0; });
}

}  // namespace ZTools
