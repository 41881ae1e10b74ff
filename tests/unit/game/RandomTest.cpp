// RandomInt over the 15-bit generator: its range, its truncation and the fold of the top value.
#include <gtest/gtest.h>
#include <deque>
#include "game/Random.h"

namespace {
class RandomIntTest : public ::testing::Test {
protected:
    void Feed(std::deque<int> values) {
        queue = std::move(values);
        SetRandomGenerator([this] {
            const int v = queue.front();
            queue.pop_front();
            return v;
        });
    }
    void TearDown() override { SetRandomGenerator(nullptr); }
    std::deque<int> queue;
};
}

TEST_F(RandomIntTest, TopGeneratorValueFoldsOntoBase) {
    Feed({0, 32767, 32766});
    EXPECT_EQ(RandomInt(13, 0), 0);
    EXPECT_EQ(RandomInt(13, 0), 0);
    EXPECT_EQ(RandomInt(13, 0), 12);
}

TEST_F(RandomIntTest, FoldUsesBaseForDealerTotals) {
    Feed({32767, 0, 32766});
    EXPECT_EQ(RandomInt(22, 17), 17);
    EXPECT_EQ(RandomInt(22, 17), 17);
    EXPECT_EQ(RandomInt(22, 17), 21);
}

TEST_F(RandomIntTest, TruncatesTowardZeroAtBucketEdges) {
    // 32767 / 13 = 2520.5...: 2520 is still rank 0, 2521 is rank 1.
    Feed({2520, 2521, 16383, 16384});
    EXPECT_EQ(RandomInt(13, 0), 0);
    EXPECT_EQ(RandomInt(13, 0), 1);
    EXPECT_EQ(RandomInt(2, 0), 0);
    EXPECT_EQ(RandomInt(2, 0), 1);
}

TEST_F(RandomIntTest, BuiltInGeneratorStaysInRangeAndRepeatsForASeed) {
    SeedRandom(12345);
    std::vector<int> first;
    for (int i = 0; i < 2000; ++i) {
        const int v = NextGeneratorValue();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
        first.push_back(v);
    }
    SeedRandom(12345);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(NextGeneratorValue(), first[i]);

    SeedRandom(7);
    int seen[52] = {};
    for (int i = 0; i < 52000; ++i) {
        const int n = RandomInt(52, 0);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 52);
        ++seen[n];
    }
    for (int count : seen) EXPECT_GT(count, 800);  // every position is reached, roughly evenly
}
