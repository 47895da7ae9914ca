// The generator's view of the system when the system lets it down: random bytes that come
// short, fail or are interrupted, interface lists with everything an adapter must not be, and
// state files whose path does not fit or whose size is wrong.
#include <errno.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netpacket/packet.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "uuid/platform.h"
#include "uuid/uuid_tests.h"

namespace brindle::test {
namespace {

namespace platform = uuid::platform;

// System calls playing a script: each getrandom or read takes the next answer (a byte count,
// or -errno), filling what it claims with 0xAB (getrandom) or 0xCD (read); past the script,
// they fail with EIO. The interfaces are those given.
struct Script {
    static inline std::vector<long> getrandom_answers, read_answers;
    static inline std::size_t next_getrandom = 0, next_read = 0;
    static inline std::vector<ifaddrs> interfaces;
    static inline bool list_fails = false;
    static inline int freed = 0;

    static long play(std::vector<long>& answers, std::size_t& next, void* buf, std::size_t n, int fill) {
        const long a = next < answers.size() ? answers[next++] : -EIO;
        if (a < 0) {
            errno = static_cast<int>(-a);
            return -1;
        }
        std::memset(buf, fill, std::min<std::size_t>(static_cast<std::size_t>(a), n));
        return a;
    }
    static long getrandom(void* buf, std::size_t n) { return play(getrandom_answers, next_getrandom, buf, n, 0xAB); }
    static long read(int, void* buf, std::size_t n) { return play(read_answers, next_read, buf, n, 0xCD); }
    static int list(ifaddrs** out) {
        if (list_fails) return -1;
        for (std::size_t i = 0; i < interfaces.size(); ++i)
            interfaces[i].ifa_next = i + 1 < interfaces.size() ? &interfaces[i + 1] : nullptr;
        *out = interfaces.empty() ? nullptr : interfaces.data();
        return 0;
    }
    static void free_list(ifaddrs*) { ++freed; }
};
constexpr platform::SystemCalls kScripted{&Script::getrandom, &Script::read, &Script::list, &Script::free_list};

class SystemFails : public PrivateTmp {
protected:
    void SetUp() override {
        PrivateTmp::SetUp();
        Script::getrandom_answers.clear();
        Script::read_answers.clear();
        Script::next_getrandom = Script::next_read = 0;
        Script::interfaces.clear();
        Script::list_fails = false;
        Script::freed = 0;
        saved_ = platform::system_calls;
        platform::system_calls = &kScripted;
    }
    void TearDown() override {
        platform::system_calls = saved_;
        PrivateTmp::TearDown();
    }
    const platform::SystemCalls* saved_ = nullptr;
};

TEST_F(SystemFails, RandomBytesComeWholeOrNotAtAll) {
    struct Case {
        const char* what;
        std::vector<long> getrandom, read;
        bool whole;
        std::size_t from_getrandom;  // the first bytes, the rest from /dev/urandom
    };
    const Case cases[] = {
        {"in one call", {16}, {}, true, 16},
        {"in pieces, interrupted between them", {5, -EINTR, -EINTR, 11}, {}, true, 16},
        {"no such call: all from the device", {-ENOSYS}, {16}, true, 0},
        {"a short answer, then nothing", {6, 0}, {4, -EINTR, 6}, true, 6},
        {"the device fails as well", {6, -EIO}, {3, -EIO}, false, 6},
        {"the device ends early", {-ENOSYS}, {10, 0}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Script::getrandom_answers = c.getrandom;
        Script::read_answers = c.read;
        Script::next_getrandom = Script::next_read = 0;
        std::array<uint8_t, 16> got{};
        EXPECT_EQ(platform::os_random(got.data(), got.size()), c.whole);
        EXPECT_EQ(Script::next_getrandom, c.getrandom.size());  // each answer taken, none more
        EXPECT_EQ(Script::next_read, c.read.size());
        if (!c.whole) continue;
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], i < c.from_getrandom ? 0xAB : 0xCD) << i;
    }
}

TEST_F(SystemFails, AdapterSkipsWhatIsNoHardwareAddress) {
    std::vector<sockaddr_ll> addresses;
    auto packet = [&](int index, std::vector<uint8_t> mac) {
        sockaddr_ll ll{};
        ll.sll_family = AF_PACKET;
        ll.sll_ifindex = index;
        ll.sll_halen = static_cast<unsigned char>(mac.size());
        std::copy(mac.begin(), mac.end(), ll.sll_addr);
        return ll;
    };
    sockaddr inet{};
    inet.sa_family = AF_INET;
    addresses = {
        packet(1, {1, 2, 3, 4, 5, 6}),             // the loopback
        packet(2, {1, 2, 3, 4, 5, 6, 7, 8}),       // not six bytes
        packet(3, {0, 0, 0, 0, 0, 0}),             // all zero
        packet(9, {0x09, 0, 0, 0, 0, 0x09}),       // a candidate
        packet(5, {0x05, 0, 0, 0, 0, 0x05}),       // a lower index: the one chosen
        packet(7, {0x07, 0, 0, 0, 0, 0x07}),       // a higher one after it
    };
    Script::interfaces.assign(8, ifaddrs{});
    Script::interfaces[0].ifa_addr = nullptr;  // no address at all
    Script::interfaces[1].ifa_addr = &inet;
    for (std::size_t i = 0; i < addresses.size(); ++i)
        Script::interfaces[i + 2].ifa_addr = reinterpret_cast<sockaddr*>(&addresses[i]);
    Script::interfaces[2].ifa_flags = IFF_LOOPBACK | IFF_UP;
    uuid::Node got{};
    EXPECT_TRUE(platform::adapter_address(got));
    EXPECT_EQ(got, (uuid::Node{0x05, 0, 0, 0, 0, 0x05}));
    EXPECT_EQ(Script::freed, 1);

    Script::interfaces.resize(5);  // nothing but what is skipped
    got = uuid::Node{};
    EXPECT_FALSE(platform::adapter_address(got));
    EXPECT_EQ(got, uuid::Node{});
    EXPECT_EQ(Script::freed, 2);
    Script::list_fails = true;
    EXPECT_FALSE(platform::adapter_address(got));
    EXPECT_EQ(Script::freed, 2);  // nothing to free
}

TEST_F(SystemFails, StateFilePathAndSize) {
    const platform::Bytes16 state = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    // A longer file is cut to the 16 bytes; a shorter one read over the start only.
    std::ofstream(state_path(), std::ios::binary) << std::string(40, 'z');
    platform::write_state_file(state);
    std::ifstream f(state_path(), std::ios::binary);
    const std::string written(std::istreambuf_iterator<char>(f), {});
    EXPECT_EQ(written, std::string(state.begin(), state.end()));
    std::ofstream(state_path(), std::ios::binary | std::ios::trunc) << "ab";
    platform::Bytes16 read = state;
    ASSERT_TRUE(platform::read_state_file(read));
    EXPECT_EQ(read[0], 'a');
    EXPECT_EQ(read[1], 'b');
    EXPECT_EQ(read[2], 3);

    // TEMP when TMP is not set; a directory whose name leaves no room for the file's is none.
    unsetenv("TMP");
    {
        EnvGuard temp("TEMP", dir_ + "/t");
        std::filesystem::create_directory(dir_ + "/t");
        platform::write_state_file(state);
        EXPECT_TRUE(std::filesystem::exists(dir_ + "/t/uuid.state"));
    }
    EnvGuard tmp("TMP", dir_ + std::string(PATH_MAX, '/'));
    EXPECT_FALSE(platform::read_state_file(read));
    platform::write_state_file(state);  // nothing written, nothing broken
}

}  // namespace
}  // namespace brindle::test
