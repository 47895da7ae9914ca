// What the UUID generator asks of the operating system: the UTC clock, the hardware address
// of the first network adapter, seed material, cryptographic random bytes and the 16-byte
// state file "uuid.state" in the temporary directory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "uuid/uuid.h"

struct ifaddrs;

namespace brindle::uuid::platform {

using Bytes16 = std::array<uint8_t, 16>;

// The UTC clock as UUID time: 100-ns intervals since 1582-10-15 00:00:00 UTC.
uint64_t uuid_time_now() noexcept;

// The hardware address of the network interface with the lowest interface index that has a
// non-zero 6-byte hardware address and is not the loopback; false when there is none.
bool adapter_address(Node& out) noexcept;

// MD5 digest of a record of this machine's memory and system figures, the UTC time, a
// monotonic high-resolution counter, a millisecond counter and the host name.
Bytes16 seed16() noexcept;

// n bytes from the kernel's cryptographic random source; false when it cannot be read.
// The getrandom system call gives them; what it does not give is read from /dev/urandom.
bool os_random(void* out, std::size_t n) noexcept;

// The system calls behind os_random and adapter_address, as the kernel answers them unless a
// test puts in its own to fail, stop short or be interrupted.
struct SystemCalls {
    long (*getrandom)(void* buf, std::size_t n);
    long (*read)(int fd, void* buf, std::size_t n);
    int (*getifaddrs)(ifaddrs** list);
    void (*freeifaddrs)(ifaddrs* list);
};
extern const SystemCalls* system_calls;

// The state file is $TMP/uuid.state, else $TEMP/uuid.state, else /tmp/uuid.state, the
// directory taken as it is. It is opened without following a symbolic link and without
// blocking, and used only when it is a regular file of the process's user with a single
// link; anything else counts as a file that could not be opened.

// Reads up to 16 bytes of the state file over the start of `state` (a short file leaves the
// rest as it was); false when the file could not be opened.
bool read_state_file(Bytes16& state) noexcept;

// Writes the 16 bytes as the whole state file, created with permissions 0600 whatever the
// umask; failures are ignored.
void write_state_file(const Bytes16& state) noexcept;

}  // namespace brindle::uuid::platform
