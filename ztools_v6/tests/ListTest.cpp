// List: inline store, exact growth, negative indices, copies and the declared extras.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "List.h"
#include "String.h"

using ZTools::ContractViolation;
using ZTools::List;

namespace {

List<int> Numbers(int count, int size = 6) {
    List<int> list(size);
    for (int i = 0; i < count; ++i) list.Append(i * 10);
    return list;
}

void ExpectContents(const List<int>& list, std::initializer_list<int> expected) {
    ASSERT_EQ(list.Len(), static_cast<int>(expected.size()));
    int i = 0;
    for (int value : expected) EXPECT_EQ(list[i++], value) << "at index " << i - 1;
}

}  // namespace

TEST(ListStorage, SixElementsStayInlineAndTheSeventhAllocatesTwelve) {
    List<int> list(6);
    EXPECT_TRUE(list.IsInline());
    EXPECT_EQ(list.Capacity(), 6);
    for (int i = 0; i < 6; ++i) list.Append(i);
    EXPECT_TRUE(list.IsInline());
    EXPECT_EQ(list.Capacity(), 6);
    list.Append(6);
    EXPECT_FALSE(list.IsInline());
    EXPECT_EQ(list.Capacity(), 12);
    ExpectContents(list, {0, 1, 2, 3, 4, 5, 6});
}

TEST(ListStorage, CapacityDoublesWhenFull) {
    List<int> list(6);
    int expectedCapacity = 6;
    for (int i = 0; i < 200; ++i) {
        if (i == expectedCapacity) expectedCapacity *= 2;
        list.Append(i);
        ASSERT_EQ(list.Capacity(), expectedCapacity) << "after " << i + 1 << " appends";
    }
    EXPECT_EQ(list.Capacity(), 384);  // 6, 12, 24, 48, 96, 192, 384
    for (int i = 0; i < 200; ++i) ASSERT_EQ(list[i], i);
}

TEST(ListStorage, SizeOfSevenOrMoreAllocatesExactlyAndThenDoubles) {
    List<int> list(10);
    EXPECT_FALSE(list.IsInline());
    EXPECT_EQ(list.Capacity(), 10);
    for (int i = 0; i < 10; ++i) list.Append(i);
    EXPECT_EQ(list.Capacity(), 10);
    list.Append(10);
    EXPECT_EQ(list.Capacity(), 20);
    for (int i = 11; i < 21; ++i) list.Append(i);
    EXPECT_EQ(list.Capacity(), 40);
}

TEST(ListStorage, SmallOrNegativeSizesSelectTheInlineStore) {
    for (int size : {-5, 0, 1, 6}) {
        List<int> list(size);
        EXPECT_TRUE(list.IsInline()) << size;
        EXPECT_EQ(list.Capacity(), 6) << size;
        EXPECT_EQ(list.Len(), 0) << size;
    }
}

TEST(ListIndex, NegativeIndicesCountFromTheEnd) {
    List<int> list = Numbers(3);
    EXPECT_EQ(list[-1], 20);
    EXPECT_EQ(list[-2], 10);
    EXPECT_EQ(list[-3], 0);
    list[-1] = 99;
    EXPECT_EQ(list[2], 99);
    const List<int>& view = list;
    EXPECT_EQ(view[-3], 0);
    EXPECT_EQ(view.At(-1), 99);
}

TEST(ListIndex, OutOfRangeIndicesThrowWithTheCondition) {
    List<int> list = Numbers(3);
    const List<int>& view = list;
    for (int bad : {3, 4, -4, 1000, -1000, INT_MIN, INT_MAX}) {
        try {
            list[bad];
            FAIL() << "no exception for index " << bad;
        } catch (const ContractViolation& e) {
            EXPECT_STREQ(e.what(), "(i >= -NumArrayEntries) && (i < NumArrayEntries)");
        }
        EXPECT_THROW(view[bad], ContractViolation);
        EXPECT_THROW(list.At(bad), ContractViolation);
    }
    List<int> empty(6);
    EXPECT_THROW(empty[0], ContractViolation);
    EXPECT_THROW(empty[-1], ContractViolation);
}

TEST(ListIndex, ContractViolationIsALogicError) {
    List<int> empty(6);
    EXPECT_THROW(empty[0], std::logic_error);
}

TEST(ListShrink, ClearKeepsStorageAndTheNextAppendOverwritesTheFirstElement) {
    List<int> list = Numbers(8);
    list.Clear();
    EXPECT_EQ(list.Len(), 0);
    EXPECT_EQ(list.Capacity(), 12);
    list.Append(7);
    ExpectContents(list, {7});
    EXPECT_EQ(list.Data()[1], 10);  // the old second element object is still there
}

TEST(ListShrink, RemoveFromEndShortensAndIgnoresAnEmptyList) {
    List<int> list = Numbers(2);
    list.RemoveFromEnd();
    ExpectContents(list, {0});
    list.RemoveFromEnd();
    list.RemoveFromEnd();
    EXPECT_EQ(list.Len(), 0);
    EXPECT_EQ(list.Data()[0], 0);
}

TEST(ListExtendOne, NewSlotsAreEmptyInnerLists) {
    List<List<int>> rows(6);
    for (int i = 0; i < 9; ++i) {
        rows.ExtendOne();
        EXPECT_EQ(rows[-1].Len(), 0);
        rows[-1].Append(i);
    }
    EXPECT_EQ(rows.Len(), 9);
    EXPECT_EQ(rows.Capacity(), 12);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(rows[i][0], i);
}

TEST(ListExtendOne, AfterClearReexposesTheOldInnerList) {
    List<List<int>> rows(6);
    rows.ExtendOne();
    rows[0].Append(4);
    rows[0].Append(5);
    rows.Clear();
    rows.ExtendOne();
    ExpectContents(rows[0], {4, 5});
}

TEST(ListCopy, KeepsTheSourceCapacityForLongListsAndGoesInlineForShortOnes) {
    List<int> longList = Numbers(13);  // capacity 24
    longList.RemoveFromEnd();
    longList.RemoveFromEnd();
    longList.RemoveFromEnd();  // 10 elements, capacity 24
    ASSERT_EQ(longList.Capacity(), 24);
    List<int> copy(longList);
    EXPECT_EQ(copy.Capacity(), 24);
    EXPECT_EQ(copy.Len(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(copy[i], i * 10);

    List<int> grown = Numbers(20);
    for (int i = 0; i < 15; ++i) grown.RemoveFromEnd();  // 5 elements, capacity 24
    List<int> small(grown);
    EXPECT_TRUE(small.IsInline());
    ExpectContents(small, {0, 10, 20, 30, 40});
}

TEST(ListCopy, CopiesAreIndependent) {
    List<int> a = Numbers(9);
    List<int> b(a);
    b[0] = -1;
    b.Append(5);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a.Len(), 9);
}

TEST(ListAssign, ReplacesContentsAndFollowsTheCopyRule) {
    List<int> target = Numbers(30);  // heap, capacity 48
    List<int> source = Numbers(3);
    target = source;
    EXPECT_TRUE(target.IsInline());
    ExpectContents(target, {0, 10, 20});

    List<int> big = Numbers(7);  // capacity 12
    target = big;
    EXPECT_EQ(target.Capacity(), 12);
    EXPECT_EQ(target.Len(), 7);
    EXPECT_EQ(target[-1], 60);
}

TEST(ListAssign, ReturnsACopyOfTheResult) {
    List<int> target(6);
    List<int> result = (target = Numbers(2));
    ExpectContents(result, {0, 10});
    result[0] = 5;
    EXPECT_EQ(target[0], 0);
}

TEST(ListAssign, SelfAssignmentKeepsTheContents) {
    List<int> heap = Numbers(20);
    List<int>& alias = heap;
    heap = alias;
    EXPECT_EQ(heap.Len(), 20);
    EXPECT_EQ(heap.Capacity(), 24);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(heap[i], i * 10);

    List<int> inlineList = Numbers(4);
    List<int>& inlineAlias = inlineList;
    inlineList = inlineAlias;
    ExpectContents(inlineList, {0, 10, 20, 30});
}

TEST(ListAppend, AnElementOfTheSameListSurvivesTheGrowthItTriggers) {
    // Heap-held strings: a dangling reference would be reported by the address sanitizer and
    // would copy freed bytes otherwise.
    List<ZTools::String> list(6);
    for (int i = 0; i < 12; ++i) list.Append(ZTools::String::Format("a long entry number %d", i));
    ASSERT_EQ(list.Capacity(), 12);
    list.Append(list[3]);  // grows to 24 while copying from the old array
    EXPECT_EQ(list.Capacity(), 24);
    EXPECT_TRUE(list[-1] == "a long entry number 3");

    List<ZTools::String> small(6);
    for (int i = 0; i < 6; ++i) small.Append(ZTools::String(i));
    small.Append(small[0]);  // leaves the inline store
    EXPECT_TRUE(small[6] == "0");
}

// A list of lists grows by handing the inner lists' arrays on: every inner list keeps its
// contents and capacity, as a copy would give them.
TEST(ListGrowth, InnerListsKeepContentsAndCapacities) {
    List<List<int>> rows(6);
    for (int r = 0; r < 30; ++r) {
        rows.ExtendOne();
        rows[-1].Clear();
        for (int i = 0; i < r % 15; ++i) rows[-1].Append(r * 100 + i);
    }
    EXPECT_EQ(rows.Capacity(), 48);
    for (int r = 0; r < 30; ++r) {
        SCOPED_TRACE(r);
        const List<int>& row = rows[r];
        ASSERT_EQ(row.Len(), r % 15);
        for (int i = 0; i < row.Len(); ++i) EXPECT_EQ(row[i], r * 100 + i);
        EXPECT_EQ(row.IsInline(), row.Len() <= 6);
        EXPECT_EQ(row.Capacity(), row.Len() <= 6 ? 6 : row.Len() <= 12 ? 12 : 24);
    }
    // The growth out of the inline store copies: those inner lists stay as they were there.
    rows.Clear();
    List<List<int>> inline_rows(6);
    for (int r = 0; r < 7; ++r) {
        inline_rows.ExtendOne();
        for (int i = 0; i < 8; ++i) inline_rows[-1].Append(r);
    }
    const List<List<int>> short_list = [] {
        List<List<int>> one(6);
        one.ExtendOne();
        return one;
    }();
    inline_rows = short_list;  // back to the inline store, whose second slot is the old row 1
    inline_rows.ExtendOne();
    ASSERT_EQ(inline_rows[1].Len(), 8);
    EXPECT_EQ(inline_rows[1][7], 1);
}

TEST(ListGrowth, AnInnerListOfTheSameListSurvivesTheGrowthItTriggers) {
    List<List<int>> rows(6);
    for (int r = 0; r < 12; ++r) rows.Append(Numbers(9));
    ASSERT_EQ(rows.Capacity(), 12);
    rows.Append(rows[4]);  // grows to 24, handing row 4's array on first
    EXPECT_EQ(rows.Capacity(), 24);
    ExpectContents(rows[-1], {0, 10, 20, 30, 40, 50, 60, 70, 80});
    ExpectContents(rows[4], {0, 10, 20, 30, 40, 50, 60, 70, 80});
    EXPECT_EQ(rows[-1].Capacity(), 12);
}

// Moving a list leaves the target as copying would: the source's capacity for more than six
// elements, the inline store for fewer, fresh elements past the contents.
TEST(ListAssign, MovingGivesWhatCopyingGives) {
    for (int count : {0, 3, 6, 7, 13}) {
        SCOPED_TRACE(count);
        List<int> source = Numbers(count);
        source.Append(-1);
        source.RemoveFromEnd();  // a stale element past the contents
        const List<int> copy = source;
        List<int> moved(30);
        moved = std::move(source);
        ASSERT_EQ(moved.Len(), copy.Len());
        for (int i = 0; i < copy.Len(); ++i) EXPECT_EQ(moved[i], copy[i]);
        EXPECT_EQ(moved.Capacity(), copy.Capacity());
        EXPECT_EQ(moved.IsInline(), copy.IsInline());
        if (count >= 7) {
            moved.ExtendOne();
            EXPECT_EQ(moved[-1], 0);  // not the stale -1 of the source
        }
    }
    // Elements that are not plain values are copied.
    List<ZTools::String> words(6);
    for (int i = 0; i < 8; ++i) words.Append(ZTools::String("a word of some length"));
    List<ZTools::String> target(6);
    target = std::move(words);
    EXPECT_EQ(target.Len(), 8);
    EXPECT_EQ(words.Len(), 8);
}

TEST(ListExtras, InsertAndRemoveLeaveCopiesPastTheEnd) {
    List<List<int>> rows(6);
    for (int r = 0; r < 8; ++r) rows.Append(Numbers(r + 1));
    rows.Remove(0);  // the last slot, now past the end, still holds a copy of the last row
    rows.ExtendOne();
    ExpectContents(rows[-1], {0, 10, 20, 30, 40, 50, 60, 70});
    rows.Insert(0, Numbers(1));
    ExpectContents(rows[0], {0});
    ExpectContents(rows[-1], {0, 10, 20, 30, 40, 50, 60, 70});
}

TEST(ListExtras, InsertShiftsAndChecksThePosition) {
    List<int> list = Numbers(6);
    list.Insert(0, -1);
    list.Insert(7, 99);
    list.Insert(3, 55);
    ExpectContents(list, {-1, 0, 10, 55, 20, 30, 40, 50, 99});
    EXPECT_EQ(list.Capacity(), 12);
    list.Insert(0, list[4]);  // an element of the list itself
    EXPECT_EQ(list[0], 20);
    try {
        list.Insert(11, 0);
        FAIL();
    } catch (const ContractViolation& e) {
        EXPECT_STREQ(e.what(), "(pos >= 0) && (pos <= NumArrayEntries)");
    }
    EXPECT_THROW(list.Insert(-1, 0), ContractViolation);
}

TEST(ListExtras, InsertUniqueAppendsOnlyNewValues) {
    List<int> list(6);
    EXPECT_TRUE(list.InsertUnique(3));
    EXPECT_TRUE(list.InsertUnique(4));
    EXPECT_FALSE(list.InsertUnique(3));
    ExpectContents(list, {3, 4});
}

TEST(ListExtras, RemoveTakesAnyValidIndex) {
    List<int> list = Numbers(5);
    list.Remove(1);
    ExpectContents(list, {0, 20, 30, 40});
    list.Remove(-1);
    ExpectContents(list, {0, 20, 30});
    EXPECT_THROW(list.Remove(3), ContractViolation);
    EXPECT_THROW(list.Remove(-4), ContractViolation);
    ExpectContents(list, {0, 20, 30});
}

TEST(ListExtras, ReverseExtendAndSort) {
    List<int> list = Numbers(4);
    list.Reverse();
    ExpectContents(list, {30, 20, 10, 0});
    list.Extend(list);  // with itself: the length is taken before appending
    ExpectContents(list, {30, 20, 10, 0, 30, 20, 10, 0});
    list.Sort([](const int& a, const int& b) { return a - b; });
    ExpectContents(list, {0, 0, 10, 10, 20, 20, 30, 30});
    int sum = 0;
    for (int value : list) sum += value;
    EXPECT_EQ(sum, 120);
}

TEST(ListExtras, SortIsStable) {
    List<List<int>> pairs(6);
    const int keys[] = {2, 1, 2, 1};
    for (int i = 0; i < 4; ++i) {
        pairs.ExtendOne();
        pairs[-1].Clear();
        pairs[-1].Append(keys[i]);
        pairs[-1].Append(i);
    }
    pairs.Sort([](const List<int>& a, const List<int>& b) { return a[0] - b[0]; });
    EXPECT_EQ(pairs[0][1], 1);
    EXPECT_EQ(pairs[1][1], 3);
    EXPECT_EQ(pairs[2][1], 0);
    EXPECT_EQ(pairs[3][1], 2);
}

namespace {

// An element whose assignment fails once a countdown runs out, like a copy that runs out of
// memory.
struct Fragile {
    static int assignmentsLeft;  // negative: never fail
    int value = 0;
    Fragile& operator=(const Fragile& other) {
        if (assignmentsLeft == 0) throw std::bad_alloc();
        if (assignmentsLeft > 0) --assignmentsLeft;
        value = other.value;
        return *this;
    }
};
int Fragile::assignmentsLeft = -1;

}  // namespace

TEST(ListFailure, AFailedAssignmentLeavesAConsistentEmptyList) {
    List<Fragile> source(6), target(6);
    Fragile f;
    for (int i = 0; i < 10; ++i) {
        f.value = i;
        source.Append(f);
        target.Append(f);
    }
    Fragile::assignmentsLeft = 3;
    EXPECT_THROW(target = source, std::bad_alloc);
    Fragile::assignmentsLeft = -1;
    EXPECT_EQ(target.Len(), 0);
    EXPECT_TRUE(target.IsInline());
    EXPECT_THROW(target[0], ContractViolation);
    target.Append(f);
    EXPECT_EQ(target[0].value, 9);
}

TEST(ListFailure, AFailedGrowthKeepsTheOldContents) {
    List<Fragile> list(6);
    Fragile f;
    for (int i = 0; i < 6; ++i) {
        f.value = i;
        list.Append(f);
    }
    Fragile::assignmentsLeft = 2;  // fails while copying into the new array
    EXPECT_THROW(list.Append(f), std::bad_alloc);
    Fragile::assignmentsLeft = -1;
    EXPECT_EQ(list.Len(), 6);
    EXPECT_TRUE(list.IsInline());
    EXPECT_EQ(list[5].value, 5);
}
