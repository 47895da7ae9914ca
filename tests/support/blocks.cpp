#include "support/blocks.h"

#include <atomic>
#include <mutex>

namespace brindle::test {
namespace {
std::mutex mu;
BlockStats s;
std::atomic<bool> failing{false};
}  // namespace

BlockStats& stats() { return s; }

void reset_blocks() {
    std::lock_guard<std::mutex> lock(mu);
    s = BlockStats{};
}

void fail_allocations(bool fail) { failing = fail; }

std::optional<std::string> text(char* block) {
    if (block == nullptr) return std::nullopt;
    std::string t(block);
    std::free(block);
    return t;
}

}  // namespace brindle::test

extern "C" void* ib_util_malloc(long size) {
    using namespace brindle::test;
    {
        std::lock_guard<std::mutex> lock(mu);
        ++s.count;
        s.last_size = size;
        if (size != 32768) s.wrong_size = true;
    }
    if (failing) return nullptr;
    void* p = std::malloc(static_cast<std::size_t>(size));
    // Garbage in the block, so a missing terminator shows.
    if (p != nullptr) std::memset(p, 0xAB, static_cast<std::size_t>(size));
    return p;
}
