// `new (std::nothrow)` as the library sees it in the test program: the ordinary allocation,
// or none while a RefuseNew lives.
#include "support/memory.h"

#include <new>

void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    if (brindle::test::RefuseNew::refused) return nullptr;
    try {
        return ::operator new(n);
    } catch (...) {
        return nullptr;
    }
}
