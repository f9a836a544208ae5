// A chained hash table from keys to values, with entries handed out from blocks of 20.
#pragma once

#include <climits>
#include <cstdint>

#include "ContractViolation.h"

namespace ZTools {

// Hash code of an int key: the key itself (the bucket index scrambles it).
inline int DictHashIndex(int key) {
    return key;
}

template <class K, class E>
struct DictEntry {
    K key;
    E entry;
    DictEntry* next;  // next entry of the same bucket
};

// A block of entries allocated as one piece.
template <class K, class E>
struct DictCache {
    DictCache* next;  // previously allocated block
    DictEntry<K, E> entries[20];
};

// Starts with 4 inline buckets; whenever the entry count reaches RebuildSize the bucket array
// grows fourfold (4, 16, 64, ... at 12, 48, 192, ... entries), so a chain holds three entries
// on average and Store and look-up take constant time.
template <class K, class E>
class Dict {
  public:
    static constexpr int kEntriesPerBlock = 20;

    explicit Dict(bool AllowDuplicates = false);
    ~Dict();
    Dict(const Dict&) = delete;
    Dict& operator=(const Dict&) = delete;

    // Stores entry under key. Without duplicates an existing key's value is overwritten and the
    // result is false; otherwise a new entry is added and the result is true.
    bool Store(const K& key, const E& entry);

    // The value stored under key (the latest one when duplicates are allowed).
    // A key that is not stored throws ContractViolation.
    E& operator[](const K& key) { return FindEntry(key)->entry; }
    const E& operator[](const K& key) const { return FindEntry(key)->entry; }

    // The value stored under key, or nullptr when the key is not stored.
    E* Find(const K& key);
    const E* Find(const K& key) const;
    bool Contains(const K& key) const { return Find(key) != nullptr; }

    int Len() const { return NumHashEntries; }

    // Table layout, for tests of the hashing and growth rules.
    int BucketCount() const { return NumBuckets; }
    int RebuildThreshold() const { return RebuildSize; }
    int Shift() const { return DownShift; }
    int HashMask() const { return Mask; }
    bool UsesInlineBuckets() const { return Buckets == StaticBuckets; }
    int BucketIndex(const K& key) const { return BucketOf(DictHashIndex(key)); }
    int ChainLength(int bucket) const;
    int BlockCount() const;

  private:
    using Entry = DictEntry<K, E>;
    using Block = DictCache<K, E>;

    // Multiplies the hash code by 1103515245 in 64 bits, shifts right by DownShift with sign
    // fill, keeps the low 32 bits and masks them to a bucket number.
    int BucketOf(int hash) const {
        const int64_t product = static_cast<int64_t>(hash) * INT64_C(1103515245);
        const uint32_t low = static_cast<uint32_t>(product >> DownShift);
        return static_cast<int>(low & static_cast<uint32_t>(Mask));
    }
    Entry* FindOrNull(const K& key) const;
    Entry* FindEntry(const K& key) const {
        Entry* e = FindOrNull(key);
        if (e == nullptr) throw ContractViolation(Condition::kDictKeyStored);
        return e;
    }
    Entry* NewEntry();
    void Rebuild();

    bool AllowDuplicates;  // when true Store never replaces
    Entry** Buckets;       // StaticBuckets or a heap array owned by the table
    Entry* StaticBuckets[4];
    int NumBuckets;      // a power of 4
    int NumHashEntries;  // number of stored entries
    int RebuildSize;     // entry count at which the bucket array grows
    int DownShift;       // right shift applied to the scrambled key
    int Mask;            // NumBuckets - 1
    Entry* FreeList;     // entries ready to be handed out
    Block* CacheList;    // all entry blocks, latest first
};

template <class K, class E>
Dict<K, E>::Dict(bool allowDuplicates)
    : AllowDuplicates(allowDuplicates),
      Buckets(StaticBuckets),
      StaticBuckets{nullptr, nullptr, nullptr, nullptr},
      NumBuckets(4),
      NumHashEntries(0),
      RebuildSize(12),
      DownShift(28),
      Mask(3),
      FreeList(nullptr),
      CacheList(nullptr) {}

template <class K, class E>
Dict<K, E>::~Dict() {
    while (CacheList != nullptr) {
        Block* previous = CacheList->next;
        delete CacheList;
        CacheList = previous;
    }
    if (Buckets != StaticBuckets) delete[] Buckets;
}

template <class K, class E>
bool Dict<K, E>::Store(const K& key, const E& entry) {
    const int bucket = BucketOf(DictHashIndex(key));
    if (!AllowDuplicates) {
        for (Entry* e = Buckets[bucket]; e != nullptr; e = e->next) {
            if (e->key == key) {
                e->entry = entry;
                return false;
            }
        }
    }
    Entry* e = NewEntry();
    e->key = key;
    e->entry = entry;
    e->next = Buckets[bucket];
    Buckets[bucket] = e;
    ++NumHashEntries;
    if (NumHashEntries >= RebuildSize) Rebuild();
    return true;
}

template <class K, class E>
typename Dict<K, E>::Entry* Dict<K, E>::FindOrNull(const K& key) const {
    for (Entry* e = Buckets[BucketOf(DictHashIndex(key))]; e != nullptr; e = e->next)
        if (e->key == key) return e;
    return nullptr;
}

template <class K, class E>
E* Dict<K, E>::Find(const K& key) {
    Entry* e = FindOrNull(key);
    return e != nullptr ? &e->entry : nullptr;
}

template <class K, class E>
const E* Dict<K, E>::Find(const K& key) const {
    const Entry* e = FindOrNull(key);
    return e != nullptr ? &e->entry : nullptr;
}

template <class K, class E>
typename Dict<K, E>::Entry* Dict<K, E>::NewEntry() {
    if (FreeList == nullptr) {
        Block* block = new Block;
        block->next = CacheList;
        CacheList = block;
        for (int i = 0; i < kEntriesPerBlock - 1; ++i)
            block->entries[i].next = &block->entries[i + 1];
        block->entries[kEntriesPerBlock - 1].next = nullptr;
        FreeList = &block->entries[0];
    }
    Entry* e = FreeList;
    FreeList = e->next;
    return e;
}

template <class K, class E>
void Dict<K, E>::Rebuild() {
    // The shift cannot go below zero and the threshold must stay an int; past that size
    // (billions of entries) the table simply stops growing.
    if (DownShift < 2 || RebuildSize > INT_MAX / 4) {
        RebuildSize = INT_MAX;
        return;
    }
    const int oldCount = NumBuckets;
    Entry** old = Buckets;
    Entry** grown = new Entry*[4 * oldCount]();
    NumBuckets = 4 * oldCount;
    RebuildSize *= 4;
    DownShift -= 2;
    Mask = 4 * Mask + 3;
    Buckets = grown;
    for (int b = 0; b < oldCount; ++b) {
        Entry* e = old[b];
        while (e != nullptr) {
            Entry* following = e->next;
            const int target = BucketOf(DictHashIndex(e->key));
            e->next = grown[target];
            grown[target] = e;
            e = following;
        }
    }
    if (old != StaticBuckets) delete[] old;
}

template <class K, class E>
int Dict<K, E>::ChainLength(int bucket) const {
    if (bucket < 0 || bucket >= NumBuckets) return 0;
    int length = 0;
    for (const Entry* e = Buckets[bucket]; e != nullptr; e = e->next) ++length;
    return length;
}

template <class K, class E>
int Dict<K, E>::BlockCount() const {
    int count = 0;
    for (const Block* b = CacheList; b != nullptr; b = b->next) ++count;
    return count;
}

}  // namespace ZTools
