// Members of sets kept as runs of consecutive numbers: the same members in the same order as
// listed.
#include "sets.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace abazenta {
namespace {

// Members as "instance:number" in the order of iteration.
std::vector<std::string> listed(const SetMembers& members) {
    std::vector<std::string> all;
    for (const SetMember& member : members)
        all.push_back(std::to_string(member.instance) + ":" + std::to_string(member.number));
    return all;
}

using Listed = std::vector<std::string>;

TEST(SetMembers, KeepsEveryMemberInTheOrderListed) {
    SetMembers members;
    EXPECT_TRUE(members.empty());
    EXPECT_EQ(listed(members), Listed{});
    for (int number : {5, 6, 7, 3, 3, 4}) members.push_back({kOwnMesh, number});
    members.push_back({2, 5});  // the same number of another instance
    members.append(2, 6, 3);
    members.append(kOwnMesh, INT_MAX - 1, 2);
    members.push_back({kOwnMesh, INT_MIN});  // not the next number after INT_MAX
    members.append(0, 1, 0);                 // nothing
    EXPECT_EQ(listed(members),
              (Listed{"-1:5", "-1:6", "-1:7", "-1:3", "-1:3", "-1:4", "2:5", "2:6", "2:7", "2:8",
                      "-1:2147483646", "-1:2147483647", "-1:-2147483648"}));
    EXPECT_EQ(members.size(), 13u);
    EXPECT_FALSE(members.empty());
}

// Members of another set's own mesh belong to its owner; a set added to itself adds what it
// held before.
TEST(SetMembers, AppendsSetsIncludingItself) {
    SetMembers part_set;
    part_set.append(kOwnMesh, 1, 3);
    part_set.push_back({4, 9});
    SetMembers assembly;
    assembly.push_back({0, 7});
    assembly.append(part_set, 0);
    EXPECT_EQ(listed(assembly), (Listed{"0:7", "0:1", "0:2", "0:3", "4:9"}));
    SetMembers twice;
    twice.append(kOwnMesh, 5, 2);
    twice.push_back({kOwnMesh, 1});
    twice.append(twice, 3);
    EXPECT_EQ(listed(twice), (Listed{"-1:5", "-1:6", "-1:1", "3:5", "3:6", "3:1"}));
    EXPECT_EQ(twice.size(), 6u);
    SetMembers tail;  // the copy of its first run would follow on from its last run
    tail.push_back({kOwnMesh, 5});
    tail.push_back({kOwnMesh, 4});
    tail.append(tail, kOwnMesh);
    EXPECT_EQ(listed(tail), (Listed{"-1:5", "-1:4", "-1:5", "-1:4"}));
}

}  // namespace
}  // namespace abazenta
