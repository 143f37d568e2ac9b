// The counts a session keeps by object identity while it looks for holders from outside.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "host/session/IdentityCounts.h"

namespace tlx::host::test {
namespace {

// Addresses of objects, used as identities only (never called).
std::vector<IUnknown*> Identities(std::vector<std::max_align_t>& storage) {
    std::vector<IUnknown*> identities;
    for (std::max_align_t& slot : storage) identities.push_back(reinterpret_cast<IUnknown*>(&slot));
    return identities;
}

TEST(IdentityCountsTest, SumsTheCountsOfEachIdentityBeyondTheExpectedNumber) {
    std::vector<std::max_align_t> storage(3000);
    std::vector<IUnknown*> identities = Identities(storage);
    IdentityCounts counts(100);
    std::map<IUnknown*, ULONG> expected;
    for (std::size_t i = 0; i < identities.size(); ++i) {
        ULONG count = static_cast<ULONG>(i % 3);  // 0: known, nothing counted
        counts.Add(identities[i], count);
        expected[identities[i]] += count;
        if (i % 5 == 0) {
            counts.Add(identities[i / 2], 2);
            expected[identities[i / 2]] += 2;
        }
    }
    counts.Add(nullptr, 4);
    std::map<IUnknown*, ULONG> seen;
    EXPECT_FALSE(counts.Any([&](IUnknown* identity, ULONG count) {
        EXPECT_TRUE(seen.emplace(identity, count).second) << "each identity once";
        return false;
    }));
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(counts.Contains(identities[0])) << "added with a count of 0";
    EXPECT_FALSE(counts.Contains(nullptr));
    std::max_align_t other;
    EXPECT_FALSE(counts.Contains(reinterpret_cast<IUnknown*>(&other)));
}

TEST(IdentityCountsTest, AnyStopsAtTheFirstIdentityItsVisitAccepts) {
    std::vector<std::max_align_t> storage(50);
    IdentityCounts counts(0);
    for (IUnknown* identity : Identities(storage)) counts.Add(identity, 1);
    int visits = 0;
    EXPECT_TRUE(counts.Any([&](IUnknown*, ULONG) { return ++visits == 7; }));
    EXPECT_EQ(visits, 7);
}

}  // namespace
}  // namespace tlx::host::test
