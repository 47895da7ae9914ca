// libFuzzer target over every exported legacy entry point.
//
// An input is: a 16-bit row number (modulo the number of rows), a flags byte, then the bytes
// that calls.h decodes into the row's arguments. The binary provides its own ib_util_malloc,
// so result blocks can be counted and freed, and can fail on demand. Checked on every call,
// beyond what the sanitizers catch: a text result ends with a NUL inside its block, a non-null
// block result is exactly one block and a NULL result takes none, no other travel takes a
// block, an ARG result is its argument, a blob result is the output record.
//
// Environment: see driver.h (executions per entry point, seeds, one row at a time).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/driver.h"

namespace {

using namespace brindle::fuzz;

long allocated = 0;
void* last_block = nullptr;
bool failing = false;
Driver driver(kRowCount, [](std::size_t r) { return kRows[r].name; });

[[noreturn]] void fault(const Row& row, const char* what) {
    std::fprintf(stderr, "==brindle fuzz== %s: %s\n", row.name, what);
    std::abort();
}

}  // namespace

extern "C" void* ib_util_malloc(long size) {
    if (failing) return nullptr;
    void* p = std::malloc(static_cast<std::size_t>(size));
    if (p == nullptr) return nullptr;
    // Garbage in the block, so a missing terminator shows.
    std::memset(p, 0xAB, static_cast<std::size_t>(size));
    ++allocated;
    last_block = p;
    return p;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    driver.start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Bytes in(data, size);
    const std::size_t r = driver.row(in);
    const Row& row = kRows[r];
    const uint8_t flags = in.u8();
    failing = (flags & 0x3F) == 0x3F;  // the server's allocator fails now and then
    const long before = allocated;
    Outcome o;
    {
        Store st;
        o = row.call(in, st);
    }
    failing = false;
    driver.count(r);
    const long blocks = allocated - before;
    if (o.violation != nullptr) fault(row, o.violation);
    if (row.travel == Travel::block && !o.null) {
        if (blocks != 1) fault(row, "a result that is not exactly one block");
        if (o.block != last_block) fault(row, "a result other than the block taken");
    } else if (blocks != 0) {
        fault(row, o.null ? "a block taken for a NULL result" : "a block taken by a result that is not a block");
    }
    std::free(o.block);
    return 0;
}
