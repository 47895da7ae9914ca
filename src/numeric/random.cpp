// The shared generator and the random-number functions.
#include "numeric/random.h"

#include <unistd.h>

#include <ctime>

#include "frame/registry.h"
#include "numeric/numeric.h"
#include "numeric/truncate.h"

namespace brindle::numeric {
namespace random {
namespace {

constexpr uint32_t step(uint32_t s) noexcept { return s * 1103515245u + 12345u; }

Generator shared_generator;

}  // namespace

int32_t Generator::draw() noexcept {
    uint32_t s = state_.load(std::memory_order_relaxed);
    while (!state_.compare_exchange_weak(s, step(s), std::memory_order_relaxed)) {
    }
    return static_cast<int32_t>((step(s) >> 16) & 0x7FFFu);
}

void seed(uint32_t s) noexcept { shared_generator.seed(s); }
int32_t draw() noexcept { return shared_generator.draw(); }

}  // namespace random

namespace {

constexpr double kScale = 3.0517578125e-05;  // 1 / 32768

// Each function seeds the shared generator once per process, on its first call, with the
// process id plus the calendar time; its word keeps that time (0 = not seeded yet). Two
// threads that both see 0 both seed, which is harmless.
enum SeedWord { kIntrandom, kGetrandom, kDoublerandom, kFRand, kSeedWords };
std::atomic<int32_t> seed_words[kSeedWords];

void seed_once(SeedWord w) noexcept {
    if (seed_words[w].load(std::memory_order_relaxed) != 0) return;
    const auto now = static_cast<uint32_t>(std::time(nullptr));
    // A clock reading whose low 32 bits are 0 still marks the word as seeded.
    seed_words[w].store(now != 0 ? static_cast<int32_t>(now) : 1, std::memory_order_relaxed);
    random::seed(static_cast<uint32_t>(getpid()) + now);
}

// hi - lo + 1 in wrapping 32-bit arithmetic.
int32_t width(int32_t lo, int32_t hi) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u);
}

}  // namespace

int32_t intrandom(int32_t lo, int32_t hi) noexcept {
    const int32_t w = width(lo, hi);
    seed_once(kIntrandom);
    const double r = random::draw();
    // |r * w / 32768| < 2^31 always, so the truncation fits; the sum wraps.
    const int32_t offset = truncate_to_int32(r * w * kScale);
    return static_cast<int32_t>(static_cast<uint32_t>(lo) + static_cast<uint32_t>(offset));
}

int32_t getrandom(int32_t n) noexcept {
    const int32_t w = width(0, n);
    seed_once(kGetrandom);
    const double r = random::draw();
    return truncate_to_int32(r * w * kScale);
}

double doublerandom(int32_t lo, int32_t hi) noexcept {
    const int32_t w = width(lo, hi);
    seed_once(kDoublerandom);
    const double r = random::draw();
    return r * w * kScale + lo;
}

double f_rand() noexcept {
    seed_once(kFRand);
    return random::draw() / 32767.0;
}

}  // namespace brindle::numeric

namespace num = brindle::numeric;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "numeric/random.def"
#undef BRINDLE_FN
