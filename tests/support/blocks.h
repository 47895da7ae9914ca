// Test support: the test binary's own ib_util_malloc, which counts result blocks and can be
// told to fail, and helpers that take a result block's value and free it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace brindle::test {

struct BlockStats {
    long count = 0;      // blocks handed out since reset()
    long last_size = 0;  // size asked for by the last call
    bool wrong_size = false;  // some call asked for another size than 32768
};

BlockStats& stats();
void reset_blocks();
void fail_allocations(bool fail);  // ib_util_malloc returns nullptr while set

// The text of a result block (nullopt for a null result); frees the block.
std::optional<std::string> text(char* block);

// The value at the start of a result block (nullopt for a null result); frees the block.
template <typename T>
std::optional<T> value(T* block) {
    if (block == nullptr) return std::nullopt;
    T v;
    std::memcpy(&v, block, sizeof v);
    std::free(block);
    return v;
}

}  // namespace brindle::test
