// Every registry function called from 8 threads at once, each result compared with the answer
// the same arguments gave on one thread. The arguments are decoded (fuzz/calls.h) from bytes of
// a seeded generator: texts, extreme numbers, timestamps, lying blobs and NULLs, mixed. The
// VOLATILE rows cannot be compared: their UUIDs must all differ, their random numbers stay in
// range. Run under ThreadSanitizer by scripts/test.sh.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fuzz/calls.h"

namespace {

using namespace brindle::fuzz;

constexpr int kThreads = 8;
constexpr int kSets = 12;     // argument sets per function
constexpr int kRounds = 2;    // times each thread calls every set
constexpr std::size_t kMaxText = 2000;

uint64_t mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

bool is_random_row(const Row& row) {
    if (row.traits != Traits::volatile_ || row.result == Kind::text) return false;
    return std::all_of(row.args, row.args + row.nargs, [](Kind k) { return k == Kind::int_; });
}

// The bytes of argument set `set` of a row. A random-number row gets small integers, lo <= hi.
std::vector<uint8_t> arguments(std::size_t row, int set) {
    std::vector<uint8_t> b(256);
    uint64_t x = row * 1000003u + static_cast<uint64_t>(set);
    for (auto& c : b) c = static_cast<uint8_t>(x = mix(x));
    if (is_random_row(kRows[row])) {
        const int lo = -static_cast<int>(b[0] % 50), hi = static_cast<int>(b[1] % 50);
        b = {0x20, static_cast<uint8_t>(kRows[row].nargs == 1 ? hi : lo), 0x20, static_cast<uint8_t>(hi)};
    }
    return b;
}

struct Answer {
    bool null = true;
    std::string value;
    const char* violation = nullptr;
    bool operator==(const Answer& o) const { return null == o.null && value == o.value; }
};

Answer call(const Row& row, const std::vector<uint8_t>& bytes) {
    Bytes in(bytes.data(), bytes.size(), kMaxText);
    Outcome o;
    {
        Store st;
        o = row.call(in, st);
    }
    std::free(o.block);
    return {o.null, std::move(o.value), o.violation};
}

// A random number within the range its arguments give (one argument n: 0..n; none: 0..1).
bool in_range(const Row& row, const std::vector<uint8_t>& args, const Answer& a) {
    if (a.null) return false;
    double v = 0;
    if (row.result == Kind::int_) {
        int32_t i;
        std::memcpy(&i, a.value.data(), sizeof i);
        v = i;
    } else {
        std::memcpy(&v, a.value.data(), sizeof v);
    }
    const double lo = row.nargs == 2 ? static_cast<int8_t>(args[1]) : 0;
    const double hi = row.nargs == 0 ? 1 : static_cast<int8_t>(args[row.nargs == 1 ? 1 : 3]) + (row.nargs == 2);
    return v >= lo && v <= hi;
}

class PrivateTmp : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/brindle_threads_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        const char* old = std::getenv("TMP");
        if (old != nullptr) old_ = old;
        had_ = old != nullptr;
        setenv("TMP", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (had_) {
            setenv("TMP", old_.c_str(), 1);
        } else {
            unsetenv("TMP");
        }
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

private:
    std::string dir_, old_;
    bool had_ = false;
};

using Threads = PrivateTmp;

TEST_F(Threads, EveryFunctionFromEightThreadsAnswersAsOnOne) {
    std::vector<std::vector<uint8_t>> args(kRowCount * kSets);
    std::vector<Answer> want(kRowCount * kSets);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (int s = 0; s < kSets; ++s) {
            args[r * kSets + s] = arguments(r, s);
            if (kRows[r].traits != Traits::volatile_) want[r * kSets + s] = call(kRows[r], args[r * kSets + s]);
        }
    }
    struct Seen {
        std::vector<std::string> problems;
        std::vector<std::string> uuids;
    };
    std::vector<Seen> seen(kThreads);
    std::atomic<int> ready = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            std::vector<std::size_t> order(args.size());
            for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
            uint64_t x = static_cast<uint64_t>(t) + 1;
            for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[(x = mix(x)) % i]);
            for (++ready; ready < kThreads;) {
            }
            for (int round = 0; round < kRounds; ++round) {
                for (const std::size_t i : order) {
                    const Row& row = kRows[i / kSets];
                    const Answer got = call(row, args[i]);
                    std::string where = std::string(row.name) + " set " + std::to_string(i % kSets) + ": ";
                    if (got.violation != nullptr) seen[t].problems.push_back(where + got.violation);
                    if (row.traits != Traits::volatile_) {
                        if (!(got == want[i])) seen[t].problems.push_back(where + "differs from one thread");
                    } else if (row.result == Kind::text) {
                        if (!got.null) seen[t].uuids.push_back(got.value);
                    } else if (is_random_row(row) && !in_range(row, args[i], got)) {
                        seen[t].problems.push_back(where + "out of range");
                    }
                }
            }
        });
    for (auto& th : threads) th.join();
    std::set<std::string> distinct;
    std::size_t uuids = 0;
    for (const Seen& s : seen) {
        for (const std::string& p : s.problems) ADD_FAILURE() << p;
        uuids += s.uuids.size();
        distinct.insert(s.uuids.begin(), s.uuids.end());
    }
    EXPECT_EQ(distinct.size(), uuids) << "a UUID was given out twice";
    const bool uuid_rows = std::any_of(kRows, kRows + kRowCount, [](const Row& r) {
        return r.traits == Traits::volatile_ && r.result == Kind::text;
    });
    if (uuid_rows) {
        EXPECT_GT(uuids, 0u);
    }
}

}  // namespace
