// The UUID generator: time-based UUIDs of version 1 (RFC 4122 section 4.2.1: timestamp,
// clock sequence, node, stable storage) and random UUIDs of version 4.
//
// Version 1: the time is the UTC clock in 100-ns units with a per-reading counter (up to 1025
// UUIDs share one reading; the next waits for the clock to move), and never repeats within a
// process while the clock does not go back. The node is either the first adapter's hardware
// address or a random node (MD5 of seed material, marked by bit 7 of node[0]); without an
// adapter both kinds use the random node. The clock sequence is kept with the last time and
// node in a 16-byte state, mirrored in the state file: a new random draw when there is no
// stored state or the node changed, the stored value plus 1 when the clock went back.
//
// Thread safety: the clock, the nodes, the state and the decision to save are one critical
// section; the state file is written at most once per 10 seconds of UUID time, from a
// snapshot, after the lock is released. Processes share the node and the state file and take
// no lock between them.
//
// Version 4: 122 bits from the kernel's cryptographic random source; no shared state.
#pragma once

#include <cstdint>
#include <mutex>

#include "uuid/platform.h"
#include "uuid/uuid.h"

namespace brindle::uuid {

// Where a generator takes its inputs from.
struct Sources {
    uint64_t (*clock)() noexcept;               // UUID time now
    bool (*adapter)(Node& out) noexcept;        // first adapter's hardware address
    platform::Bytes16 (*seed16)() noexcept;     // 16 bytes of seed digest
};

inline constexpr Sources kPlatformSources{&platform::uuid_time_now, &platform::adapter_address,
                                          &platform::seed16};

// Byte layout of the state, in memory and in the file: last UUID time (8 bytes, little-endian),
// last node (6 bytes, node[0] first), clock sequence (2 bytes, little-endian, all 16 bits).
struct State {
    uint64_t last_time = 0;
    Node node{};
    uint16_t clock_seq = 0;
};
platform::Bytes16 encode_state(const State& s) noexcept;
State decode_state(const platform::Bytes16& b) noexcept;

inline constexpr uint64_t kSaveInterval = 100000000;  // 10 s of UUID time
inline constexpr uint16_t kExtraPerReading = 1024;

class Generator {
public:
    constexpr explicit Generator(const Sources& sources = kPlatformSources) noexcept : src_(sources) {}
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    Uuid v1(bool random_node) noexcept;

private:
    uint64_t clock() noexcept;
    Node node(bool random_node) noexcept;
    const Node& random_node() noexcept;
    bool load() noexcept;
    uint16_t random15() noexcept;
    // Keeps the state; returns a nonzero ticket with the snapshot when it is to be written.
    uint64_t save(uint16_t clock_seq, uint64_t time, const Node& node, platform::Bytes16& snapshot) noexcept;
    void write(uint64_t ticket, const platform::Bytes16& snapshot) noexcept;

    const Sources src_;
    std::mutex mu_;  // everything below but the file's fields

    bool clock_ready_ = false;
    uint16_t per_reading_ = 0;
    uint64_t last_reading_ = 0;
    bool returned_any_ = false;
    uint64_t last_returned_ = 0;

    bool adapter_fixed_ = false;
    bool random_fixed_ = false;
    Node adapter_{};
    Node random_{};

    bool loaded_ = false;
    platform::Bytes16 state_{};
    bool save_time_set_ = false;
    uint64_t next_save_ = 0;
    uint64_t tickets_ = 0;

    bool seeded_ = false;

    std::mutex file_mu_;  // serialises writes of the file; never held with mu_
    uint64_t written_ = 0;  // ticket of the newest snapshot written
};

// The generator behind the exported functions, one per process.
Generator& process_generator() noexcept;

// A version-4 UUID.
Uuid uuidgen_v4() noexcept;
// A version-4 UUID from the given random source (the kernel's, for uuidgen_v4); when the source
// fails, from a digest of fresh seed material and a process-wide count.
Uuid uuid_v4_from(bool (*random)(void* out, std::size_t n) noexcept) noexcept;

}  // namespace brindle::uuid
