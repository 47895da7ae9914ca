// Working memory that runs out: while a RefuseMemory lives, the routines' working memory
// (frame/memory.h) is refused after the given number of grants; while a RefuseNew lives,
// `new (std::nothrow)` finds none (memory.cpp replaces that operator in the test program).
#pragma once

#include <cstddef>
#include <cstdlib>

#include "frame/memory.h"

namespace brindle::test {

class RefuseMemory {
public:
    explicit RefuseMemory(long grants = 0) noexcept : saved_(frame::memory_source) {
        left_ = grants;
        frame::memory_source = &kRefusing;
    }
    RefuseMemory(const RefuseMemory&) = delete;
    RefuseMemory& operator=(const RefuseMemory&) = delete;
    ~RefuseMemory() { frame::memory_source = saved_; }

private:
    static bool grant() noexcept { return left_-- > 0; }
    static void* take(std::size_t n) noexcept { return grant() ? std::malloc(n) : nullptr; }
    static void* resize(void* p, std::size_t n) noexcept { return grant() ? std::realloc(p, n) : nullptr; }
    static inline long left_ = 0;
    static constexpr frame::MemorySource kRefusing{&take, &resize};
    const frame::MemorySource* saved_;
};

class RefuseNew {
public:
    RefuseNew() noexcept { refused = true; }
    RefuseNew(const RefuseNew&) = delete;
    RefuseNew& operator=(const RefuseNew&) = delete;
    ~RefuseNew() { refused = false; }
    static inline bool refused = false;
};

}  // namespace brindle::test
