#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <thread>
#include <vector>

#include "numeric/exact.h"
#include "numeric/numeric.h"
#include "numeric/random.h"


namespace {

using namespace brindle::test;
namespace num = brindle::numeric;
namespace rnd = brindle::numeric::random;

// Every draw is one step of the sequence, even with eight threads drawing at once.
TEST(Generator, ClassicSequenceWithEveryStepTakenOnce) {
    rnd::Generator one, sequential(99), shared(99);
    EXPECT_EQ(one.draw(), 16838);
    EXPECT_EQ(one.draw(), 5758);
    std::vector<int32_t> want(8 * 200000), got(8 * 200000);
    for (auto& w : want) w = sequential.draw();
    std::atomic<int> ready = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (++ready; ready < 8;) {}  // all start together
            for (int i = 0; i < 200000; ++i) got[t * 200000 + i] = shared.draw();
        });
    for (auto& th : threads) th.join();
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    EXPECT_TRUE(got == want);
}

// After its first call a function only draws, so reseeding by hand makes it follow that seed;
// a null call neither seeds nor draws.
TEST(RandomFunctions, ResultsAreTheirFormulasOverTheDraws) {
    value(intrandom(I(1), I(6))); value(getrandom(I(10))); value(doublerandom(I(3), I(7))); value(f_rand());
    rnd::seed(777);
    reset_blocks();
    EXPECT_TRUE(!intrandom(nullptr, I(3)) && !getrandom(nullptr) && !doublerandom(I(1), nullptr));
    EXPECT_EQ(stats().count, 0);
    rnd::Generator ref(777);
    constexpr double kScale = 1.0 / 32768;
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(iv(intrandom(I(-10), I(20))), -10 + static_cast<int32_t>(ref.draw() * 31.0 * kScale));
        EXPECT_EQ(iv(getrandom(I(1000))), static_cast<int32_t>(ref.draw() * 1001.0 * kScale));
        EXPECT_TRUE(Exact(doublerandom(I(3), I(7)), ref.draw() * 5.0 * kScale + 3));
        EXPECT_TRUE(Exact(f_rand(), ref.draw() / 32767.0));
    }
}

TEST(RandomFunctionsDeathTest, FirstCallSeedsWithProcessIdAndTime) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT({
        const auto before = static_cast<uint32_t>(std::time(nullptr));
        const int32_t got = iv(getrandom(I(32767)));
        for (auto t = before; t <= static_cast<uint32_t>(std::time(nullptr)); ++t)
            if (rnd::Generator(static_cast<uint32_t>(getpid()) + t).draw() == got) std::exit(0);
        std::exit(1);
    }, ::testing::ExitedWithCode(0), "");
}

// A million rounds over eight threads: every face of a die comes up, and 1.0 itself too. Empty,
// reversed and extreme bounds wrap the width in 32 bits and stay in their ranges.
TEST(RandomFunctions, RangesHoldUnderEightThreads) {
    std::atomic<int> bad = 0, seen = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&] {
            int b = 0, s = 0;
            for (int i = 0; i < 125000; ++i) {
                const int32_t v = num::intrandom(1, 6), n = num::getrandom(1000), back = num::intrandom(10, 5);
                const int32_t below = num::getrandom(-5), big = num::getrandom(INT32_MAX);
                const int32_t top = num::intrandom(INT32_MAX, INT32_MIN);  // width 2
                const double d = num::doublerandom(3, 3), wide = num::doublerandom(0, 1), f = num::f_rand();
                b += v < 1 || v > 6 || n < 0 || n > 1000 || d < 3 || d >= 4 || f < 0 || f > 1;
                b += back < 7 || back > 10 || below < -3 || below > 0 || wide < 0 || wide >= 2;  // width -4
                b += big > 0 || big == INT32_MIN || (top != INT32_MAX && top != INT32_MIN) || num::getrandom(0) != 0;
                b += num::intrandom(5, 5) != 5 || num::intrandom(INT32_MIN, INT32_MAX) != INT32_MIN;  // width 0
                s |= 1 << (v & 7) | (f == 1.0);
            }
            bad += b, seen |= s;
        });
    for (auto& th : threads) th.join();
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(seen, 0x7F);
}

}  // namespace
