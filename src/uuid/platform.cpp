// The UUID generator's view of Linux: clock_gettime, getifaddrs, sysinfo, the getrandom
// system call and the state file.
#include "uuid/platform.h"

#include <errno.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netpacket/packet.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysinfo.h>
#include <time.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "string/md5.h"

namespace brindle::uuid::platform {
namespace {

int64_t nanoseconds(clockid_t clock) noexcept {
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0) return 0;
    return int64_t{ts.tv_sec} * 1000000000 + ts.tv_nsec;
}

// Repeats step(offset) (a read or write of the bytes from offset on) until n bytes are done,
// the call fails or it makes no progress; retries on EINTR. Returns the bytes done.
template <typename Step>
std::size_t complete(std::size_t n, Step step) noexcept {
    std::size_t done = 0;
    while (done < n) {
        const long r = static_cast<long>(step(done));
        if (r > 0) {
            done += static_cast<std::size_t>(r);
        } else if (r < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    return done;
}

// Bytes of fixed size laid one after the other; whatever does not fit is left out.
class Record {
public:
    template <typename T>
    void add(const T& v) noexcept {
        static_assert(std::is_trivially_copyable_v<T>);
        if (sizeof v > sizeof bytes_ - size_) return;
        std::memcpy(bytes_ + size_, &v, sizeof v);
        size_ += sizeof v;
    }
    const uint8_t* data() const noexcept { return bytes_; }
    std::size_t size() const noexcept { return size_; }

private:
    uint8_t bytes_[256] = {};
    std::size_t size_ = 0;
};

// Fills `path` with the state file's name; false when it does not fit.
bool state_path(char (&path)[PATH_MAX]) noexcept {
    const char* dir = std::getenv("TMP");
    if (dir == nullptr) dir = std::getenv("TEMP");
    if (dir == nullptr) dir = "/tmp";
    constexpr char kName[] = "/uuid.state";
    const std::size_t n = std::strlen(dir);
    if (n + sizeof kName > sizeof path) return false;
    std::memcpy(path, dir, n);
    std::memcpy(path + n, kName, sizeof kName);
    return true;
}

// Opens the state file without following a link at its end and without blocking (a FIFO
// or device must never hang generation), and keeps it only when it is a regular file of
// this process's user with one link. Returns the descriptor, or -1.
int open_state(int flags, struct stat& st) noexcept {
    char path[PATH_MAX];
    if (!state_path(path)) return -1;
    const int fd = open(path, flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid() || st.st_nlink != 1) {
        close(fd);
        return -1;
    }
    return fd;
}

// The system call, not the C library's wrapper: this library exports its own `getrandom`.
long kernel_getrandom(void* buf, std::size_t n) { return syscall(SYS_getrandom, buf, n, 0); }
long kernel_read(int fd, void* buf, std::size_t n) { return read(fd, buf, n); }
constexpr SystemCalls kKernel{&kernel_getrandom, &kernel_read, &::getifaddrs, &::freeifaddrs};

}  // namespace

const SystemCalls* system_calls = &kKernel;

uint64_t uuid_time_now() noexcept {
    return static_cast<uint64_t>(nanoseconds(CLOCK_REALTIME)) / 100 + kUnixEpochUuidTime;
}

bool adapter_address(Node& out) noexcept {
    ifaddrs* list = nullptr;
    if (system_calls->getifaddrs(&list) != 0) return false;
    bool found = false;
    int best = 0;
    for (const ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_PACKET) continue;
        if ((a->ifa_flags & IFF_LOOPBACK) != 0) continue;
        sockaddr_ll ll;
        std::memcpy(&ll, a->ifa_addr, sizeof ll);
        if (ll.sll_halen != out.size()) continue;
        Node mac;
        std::memcpy(mac.data(), ll.sll_addr, mac.size());
        if (mac == Node{}) continue;
        if (!found || ll.sll_ifindex < best) {
            out = mac;
            best = ll.sll_ifindex;
            found = true;
        }
    }
    system_calls->freeifaddrs(list);
    return found;
}

Bytes16 seed16() noexcept {
    Record r;
    struct sysinfo si;
    std::memset(&si, 0, sizeof si);
    sysinfo(&si);
    r.add(si);  // memory figures, uptime, load, process count
    r.add(static_cast<int64_t>(sysconf(_SC_NPROCESSORS_ONLN)));
    r.add(static_cast<int64_t>(sysconf(_SC_PAGESIZE)));
    r.add(nanoseconds(CLOCK_REALTIME));
    r.add(nanoseconds(CLOCK_MONOTONIC));
    r.add(static_cast<uint32_t>(nanoseconds(CLOCK_BOOTTIME) / 1000000));
    char host[65] = {};
    gethostname(host, sizeof host - 1);
    r.add(static_cast<uint32_t>(std::strlen(host)));
    r.add(host);
    string::md5::Context md5;
    md5.update(r.data(), r.size());
    return md5.finish();
}

bool os_random(void* out, std::size_t n) noexcept {
    auto* p = static_cast<uint8_t*>(out);
    std::size_t got = complete(n, [&](std::size_t at) { return system_calls->getrandom(p + at, n - at); });
    if (got == n) return true;
    const int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const std::size_t start = got;
    got += complete(n - start, [&](std::size_t at) { return system_calls->read(fd, p + start + at, n - start - at); });
    close(fd);
    return got == n;
}

bool read_state_file(Bytes16& state) noexcept {
    struct stat st;
    const int fd = open_state(O_RDONLY, st);
    if (fd < 0) return false;
    Bytes16 buf{};
    const std::size_t got =
        complete(buf.size(), [&](std::size_t at) { return read(fd, buf.data() + at, buf.size() - at); });
    close(fd);
    std::memcpy(state.data(), buf.data(), got);
    return true;
}

void write_state_file(const Bytes16& state) noexcept {
    struct stat st;
    const int fd = open_state(O_WRONLY | O_CREAT, st);
    if (fd < 0) return;
    if ((st.st_mode & 07777) != (S_IRUSR | S_IWUSR)) fchmod(fd, S_IRUSR | S_IWUSR);
    const std::size_t put = complete(state.size(), [&](std::size_t at) {
        return pwrite(fd, state.data() + at, state.size() - at, static_cast<off_t>(at));
    });
    if (put == state.size() && st.st_size > static_cast<off_t>(state.size()))
        (void)!ftruncate(fd, static_cast<off_t>(state.size()));
    close(fd);
}

}  // namespace brindle::uuid::platform
