// The UUID generator: the clock, the clock sequence, the nodes, the state file and its safety,
// version 4, the exported generators, and uniqueness under many threads.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>
#include <vector>

#include "numeric/random.h"
#include "uuid/generator.h"
#include "uuid/platform.h"
#include "uuid/uuid_tests.h"

namespace brindle::test {
namespace {

using uuid::Generator;
using uuid::Node;
using uuid::Uuid;
using Bytes16 = uuid::platform::Bytes16;

constexpr Node kMac = {0x00, 0x1b, 0x21, 0x3c, 0x4d, 0x5e};
constexpr Bytes16 kSeed = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr Node kRandomNode = {0x91, 0x22, 0x33, 0x44, 0x55, 0x66};  // kSeed with bit 7 of byte 0
constexpr uint64_t kT = 0x01d8a1b2c3d4e5f0ull;  // a UUID time in 2022
constexpr uint64_t kSecond = 10000000;

// A clock that plays a script of readings, then stays at `now`, jumping to `later` from the
// `jump_at`-th reading on.
struct FakeClock {
    static inline std::vector<uint64_t> script;
    static inline std::size_t next = 0;
    static inline uint64_t now = kT, later = 0;
    static inline long reads = 0, jump_at = -1;
    static inline bool adapter = true;

    static uint64_t read() noexcept {
        ++reads;
        if (next < script.size()) return script[next++];
        if (jump_at >= 0 && reads >= jump_at) now = later;
        return now;
    }
    static bool mac(Node& out) noexcept {
        if (adapter) out = kMac;
        return adapter;
    }
    static Bytes16 seed() noexcept { return kSeed; }
};
constexpr uuid::Sources kFake{&FakeClock::read, &FakeClock::mac, &FakeClock::seed};

// The first draw of a generator seeds the shared generator from a clock reading.
numeric::random::Generator draws_seeded_at(uint64_t reading) {
    const uint64_t q = reading / 1024;
    return numeric::random::Generator(static_cast<uint32_t>(q ^ (q >> 32)));
}
uint16_t low14(int32_t draw) { return static_cast<uint16_t>(draw & 0x3FFF); }

class Generation : public PrivateTmp {
protected:
    void SetUp() override {
        PrivateTmp::SetUp();
        FakeClock::script.clear();
        FakeClock::next = 0;
        FakeClock::now = kT;
        FakeClock::reads = 0;
        FakeClock::jump_at = -1;
        FakeClock::adapter = true;
    }
    void plant(const uuid::State& s, const std::string& path) {
        const Bytes16 b = uuid::encode_state(s);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
    }
    static std::optional<std::string> content(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        if (!f) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::optional<uuid::State> stored() {
        std::ifstream f(state_path(), std::ios::binary);
        Bytes16 b{};
        if (!f.read(reinterpret_cast<char*>(b.data()), b.size())) return std::nullopt;
        return uuid::decode_state(b);
    }
};

// Up to 1025 UUIDs share a reading, one tick apart; the 1026th waits for the clock to move.
TEST_F(Generation, ClockCountsWithinOneReading) {
    Generator g(kFake);
    // 3 readings for the first UUID (one discarded, one for the seed of its clock sequence),
    // 1 for each of the next 1024, then the 1026th reads the old value twice more in vain.
    FakeClock::jump_at = 3 + 1024 + 3;
    FakeClock::later = kT + 10000;
    std::vector<Uuid> u;
    for (int i = 0; i < 1026; ++i) u.push_back(g.v1(false));
    for (int i = 0; i < 1025; ++i) ASSERT_EQ(time_of(u[i]), kT + i);
    EXPECT_EQ(time_of(u[1025]), kT + 10000);
    EXPECT_EQ(FakeClock::reads, FakeClock::jump_at);
    for (const Uuid& x : u) ASSERT_TRUE(x.node == kMac && seq_of(x) == seq_of(u[0]));
}

// A reading R with counter 1 meets R + 1 with counter 0: the time moves on instead of
// repeating. A clock set back is taken as read and steps the clock sequence.
TEST_F(Generation, TimesNeverRepeatAndClockSetBackStepsTheSequence) {
    Generator g(kFake);
    const uint64_t R = kT;
    FakeClock::script = {0, R, R /* seed */, R, R + 1, R + 1, R + 5, R - 3, R - 2};
    const uint64_t want[] = {R, R + 1, R + 2, R + 3, R + 5, R - 3, R - 2};
    std::vector<Uuid> u;
    for (uint64_t w : want) {
        u.push_back(g.v1(false));
        EXPECT_EQ(time_of(u.back()), w);
    }
    for (int i = 1; i < 5; ++i) EXPECT_EQ(seq_of(u[i]), seq_of(u[0]));
    EXPECT_EQ(seq_of(u[5]), (seq_of(u[0]) + 1) & 0x3FFF);
    EXPECT_EQ(seq_of(u[6]), seq_of(u[5]));
}

// Fields and bits of a version-1 UUID; the clock sequence from the state: stored + 1 when the
// clock is below the stored time, kept otherwise, a new draw for another node.
TEST_F(Generation, ClockSequenceFromTheStoredState) {
    struct Case { uint64_t stored_time; Node stored_node; std::optional<uint16_t> want; };
    const Case cases[] = {
        {kT + 1000, kMac, 0x2346},
        {kT - 1000, kMac, 0x2345},
        {kT + 1000, kRandomNode, std::nullopt},  // a fresh draw
    };
    for (const auto& c : cases) {
        plant({c.stored_time, c.stored_node, 0x2345}, state_path());
        Generator g(kFake);
        const Uuid u = g.v1(false);
        EXPECT_EQ(seq_of(u), c.want.value_or(low14(draws_seeded_at(kT).draw())));
        EXPECT_EQ(u.clock_seq_hi_and_reserved & 0xC0, 0x80);
        EXPECT_EQ(u.time_hi_and_version >> 12, 1);
        EXPECT_EQ(time_of(u), kT);
        EXPECT_EQ(u.node, kMac);
        const auto s = stored();  // the first UUID writes the state
        ASSERT_TRUE(s);
        EXPECT_EQ(s->last_time, kT);
        EXPECT_EQ(s->node, kMac);
        EXPECT_EQ(s->clock_seq & 0x3FFF, seq_of(u));
    }
}

// Alternating nodes draw a new sequence every time; without an adapter both kinds use the
// random node.
TEST_F(Generation, NodesAndTheirSequences) {
    Generator g(kFake);
    auto draws = draws_seeded_at(kT);
    for (int i = 0; i < 6; ++i) {
        const Uuid u = g.v1(i % 2 == 1);
        EXPECT_EQ(u.node, i % 2 == 1 ? kRandomNode : kMac);
        EXPECT_EQ(seq_of(u), low14(draws.draw())) << i;
    }
    EXPECT_EQ(seq_of(g.v1(true)), seq_of(g.v1(true)));
    FakeClock::adapter = false;
    Generator none(kFake);
    EXPECT_EQ(none.v1(false).node, kRandomNode);
    EXPECT_EQ(none.v1(true).node, kRandomNode);
}

// The first UUID writes the state; later ones at most once per 10 seconds of UUID time.
TEST_F(Generation, StateWrittenOncePerTenSeconds) {
    Generator g(kFake);
    const uint64_t times[] = {kT, kT + 5 * kSecond, kT + 10 * kSecond - 1, kT + 10 * kSecond, kT + 12 * kSecond};
    const uint64_t written[] = {kT, kT, kT, kT + 10 * kSecond, kT + 10 * kSecond};
    for (int i = 0; i < 5; ++i) {
        FakeClock::now = times[i];
        g.v1(false);
        const auto s = stored();
        ASSERT_TRUE(s);
        EXPECT_EQ(s->last_time, written[i]) << i;
    }
}

// Whatever is planted under the state file's name is neither followed, nor waited for, nor
// used unless it is a regular file of ours with one link; a file we create is 0600.
TEST_F(Generation, StateFileSafety) {
    const std::string target = dir_ + "/target";
    const uuid::State planted{kT + 1000, kMac, 0x2345};  // used, it would give 0x2346
    const uint16_t fresh = low14(draws_seeded_at(kT).draw());
    ASSERT_NE(fresh, 0x2346);
    struct Case {
        const char* what;
        std::function<void()> plant;
        bool used;
    };
    const Case cases[] = {
        {"symbolic link", [&] { plant(planted, target); symlink(target.c_str(), state_path().c_str()); }, false},
        {"dangling link", [&] { symlink(target.c_str(), state_path().c_str()); }, false},
        {"FIFO", [&] { mkfifo(state_path().c_str(), 0666); }, false},
        {"directory", [&] { mkdir(state_path().c_str(), 0700); }, false},
        {"second link", [&] { plant(planted, target); link(target.c_str(), state_path().c_str()); }, false},
        {"another user's", [&] { plant(planted, state_path()); (void)!chown(state_path().c_str(), 65534, 65534); },
         geteuid() != 0},
        {"ours, readable by all", [&] { plant(planted, state_path()); chmod(state_path().c_str(), 0644); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(state_path());
        std::filesystem::remove(target);
        c.plant();
        struct stat before {};
        lstat(state_path().c_str(), &before);
        const bool regular = S_ISREG(before.st_mode);
        const auto target_before = content(target);
        const auto file_before = regular ? content(state_path()) : std::nullopt;
        Generator g(kFake);
        EXPECT_EQ(seq_of(g.v1(false)), c.used ? 0x2346 : fresh);
        // A link's target is never created or written; nothing but our own file changes.
        EXPECT_EQ(content(target), target_before);
        struct stat after {};
        lstat(state_path().c_str(), &after);
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        EXPECT_EQ(after.st_uid, before.st_uid);
        if (c.used) {
            EXPECT_EQ(after.st_mode & 07777, 0600u);
        } else if (regular) {
            EXPECT_EQ(content(state_path()), file_before);
        }
    }
    for (const mode_t mask : {mode_t{0}, mode_t{0777}}) {
        std::filesystem::remove_all(state_path());
        const mode_t old = umask(mask);
        Generator g(kFake);
        g.v1(true);
        umask(old);
        struct stat st {};
        ASSERT_EQ(stat(state_path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0600u) << mask;
        EXPECT_EQ(st.st_size, 16);
    }
}

// Version 4 takes all its 122 bits from the kernel, none from the shared 15-bit generator.
TEST(Version4, RandomBitsVersionAndVariant) {
    numeric::random::seed(777);
    uint32_t seen_low = 0, seen_mid = 0;
    std::set<std::string> texts;
    for (int i = 0; i < 300; ++i) {
        const Uuid u = uuid::uuidgen_v4();
        EXPECT_EQ(u.time_hi_and_version >> 12, 4);
        EXPECT_EQ(u.clock_seq_hi_and_reserved & 0xC0, 0x80);
        seen_low |= u.time_low;
        seen_mid |= u.time_mid;
        texts.insert(uuid::uuid_to_text(u).data());
    }
    EXPECT_EQ(seen_low & 0x80008000u, 0x80008000u);  // bits a 15-bit draw could never set
    EXPECT_EQ(seen_mid & 0x8000u, 0x8000u);
    EXPECT_EQ(texts.size(), 300u);
    EXPECT_EQ(numeric::random::draw(), numeric::random::Generator(777).draw());
}

TEST(Platform, AdapterIsTheLowestIndexedNonLoopbackInterface) {
    std::optional<std::pair<int, Node>> want;
    for (const auto& e : std::filesystem::directory_iterator("/sys/class/net")) {
        auto read = [&](const char* f) {
            std::string v;
            std::ifstream(e.path() / f) >> v;
            return v;
        };
        const std::string addr = read("address");
        if (read("addr_len") != "6" || (std::stoul(read("flags"), nullptr, 16) & 0x8) != 0) continue;
        Node n;
        for (int i = 0; i < 6; ++i) n[i] = static_cast<uint8_t>(std::stoul(addr.substr(3 * i, 2), nullptr, 16));
        const int index = std::stoi(read("ifindex"));
        if (n != Node{} && (!want || index < want->first)) want.emplace(index, n);
    }
    Node got;
    ASSERT_EQ(uuid::platform::adapter_address(got), want.has_value());
    if (want) {
        EXPECT_EQ(got, want->second);
    }
    EXPECT_NE(uuid::platform::seed16(), uuid::platform::seed16());
}

using Exported = PrivateTmp;

// The exported generators' results parse back through the text functions.
TEST_F(Exported, GeneratedUuidsParseBack) {
    EnvGuard zone("TZ", kCet);
    Node adapter;
    const bool has_adapter = uuid::platform::adapter_address(adapter);
    char* (*const texts[])() = {uuid1mac, uuid1rand, uuid4};
    char* (*const compressed[])() = {uuid1maccompr, uuid1randcompr, uuid4compr};
    const char* versions[] = {has_adapter && adapter[0] < 0x80 ? "V1a" : "V1b", "V1b", "V4"};
    for (int k = 0; k < 3; ++k) {
        const std::string t = str(texts[k]());
        const std::string c = str(compressed[k]());
        ASSERT_EQ(t.size(), 36u);
        ASSERT_EQ(c.size(), 22u);
        EXPECT_EQ(str(compressuuid(str(expanduuidcompr(c.c_str())).c_str())), c);
        EXPECT_EQ(str(expanduuidcompr(str(compressuuid(t.c_str())).c_str())), t);
        for (const std::string& s : {t, str(expanduuidcompr(c.c_str()))}) {
            EXPECT_TRUE(uuid::uuid_is_text(s)) << s;
            EXPECT_EQ(str(uuidversion(s.c_str())), versions[k]) << s;
            EXPECT_NE(std::string("89ab").find(s[19]), std::string::npos) << s;
        }
        if (k == 2) {
            EXPECT_EQ(value(uuid1timestamp(t.c_str())), std::nullopt);
            continue;
        }
        // The time comes back as local time, within a second or two of now.
        const time_t now = time(nullptr);
        struct tm lt {};
        localtime_r(&now, &lt);
        const frame::Timestamp local =
            at(lt.tm_year + 1900, lt.tm_mon + 1, lt.tm_mday, lt.tm_hour, lt.tm_min, lt.tm_sec);
        for (const auto got : {value(uuid1timestamp(t.c_str())), value(uuid1comprtimestamp(c.c_str()))}) {
            ASSERT_TRUE(got.has_value());
            const int64_t diff = (int64_t{local.date} - got->date) * 86400 + (int64_t{local.time} - got->time) / 10000;
            EXPECT_TRUE(diff >= -1 && diff <= 2) << diff;
        }
    }
    const std::string mac = str(uuid1macmac(str(uuid1mac()).c_str()));
    if (has_adapter && adapter[0] < 0x80) {
        char want[18];
        std::snprintf(want, sizeof want, "%02x:%02x:%02x:%02x:%02x:%02x", adapter[0], adapter[1], adapter[2],
                      adapter[3], adapter[4], adapter[5]);
        EXPECT_EQ(mac, want);
    } else {
        EXPECT_EQ(mac, "<null>");
    }
    EXPECT_EQ(text(uuid1macmac(str(uuid1rand()).c_str())), std::nullopt);
}

// 16 threads x 100,000 UUIDs of one kind through the process's generator: all distinct, and
// for version 1 no time is ever given out twice.
void all_distinct(const std::function<Uuid()>& make, bool times_too) {
    constexpr int kThreads = 16, kEach = 100000;
    std::vector<std::array<uint64_t, 2>> all(kThreads * kEach);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                const Uuid u = make();
                uint64_t low = uint64_t{u.clock_seq_hi_and_reserved} << 56 | uint64_t{u.clock_seq_low} << 48;
                for (int b = 0; b < 6; ++b) low |= uint64_t{u.node[b]} << (40 - 8 * b);
                all[t * kEach + i] = {time_of(u) | static_cast<uint64_t>(u.time_hi_and_version >> 12) << 60, low};
            }
        });
    for (auto& th : threads) th.join();
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    if (times_too) {
        std::vector<uint64_t> times(all.size());
        for (std::size_t i = 0; i < all.size(); ++i) times[i] = all[i][0];
        std::sort(times.begin(), times.end());
        EXPECT_EQ(std::adjacent_find(times.begin(), times.end()), times.end());
    }
}

TEST_F(Exported, UniqueAcrossThreadsVersion1Adapter) {
    all_distinct([] { return uuid::process_generator().v1(false); }, true);
}
TEST_F(Exported, UniqueAcrossThreadsVersion1Random) {
    all_distinct([] { return uuid::process_generator().v1(true); }, true);
}
TEST_F(Exported, UniqueAcrossThreadsVersion4) { all_distinct(&uuid::uuidgen_v4, false); }

}  // namespace
}  // namespace brindle::test
