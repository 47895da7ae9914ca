// The library's pseudo-random generator, shared by the random-number functions and the UUID
// generator: draws of 15 bits (0..32767) from a sequence restarted by a 32-bit seed.
//
// The state is one process-wide word advanced atomically, so concurrent callers never tear it
// and each draw is its own step of the sequence; from a given seed, the draws of a single
// caller are always the same.
#pragma once

#include <atomic>
#include <cstdint>

namespace brindle::numeric::random {

inline constexpr int32_t kMaxDraw = 32767;

// One sequence. Linear congruential: state = state * 1103515245 + 12345 (mod 2^32), each draw
// bits 16..30 of the new state.
class Generator {
public:
    explicit Generator(uint32_t seed = 1) noexcept : state_(seed) {}
    void seed(uint32_t s) noexcept { state_.store(s, std::memory_order_relaxed); }
    int32_t draw() noexcept;

private:
    std::atomic<uint32_t> state_;
};

// The process-wide generator (seeded with 1 until someone seeds it).
void seed(uint32_t s) noexcept;
int32_t draw() noexcept;

}  // namespace brindle::numeric::random
