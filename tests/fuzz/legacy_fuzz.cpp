// libFuzzer target over every exported legacy entry point.
//
// An input is: a 16-bit row number (modulo the number of rows), a flags byte, then the bytes
// that calls.h decodes into the row's arguments. The binary provides its own ib_util_malloc,
// so result blocks can be counted and freed, and can fail on demand. Checked on every call,
// beyond what the sanitizers catch: a text result ends with a NUL inside its block, a non-null
// block result is exactly one block and a NULL result takes none, no other travel takes a
// block, an ARG result is its argument, a blob result is the output record.
//
// Environment: BRINDLE_FUZZ_STATS=file writes the executions per entry point at exit;
// BRINDLE_FUZZ_SEEDS=dir writes a seed corpus (a few simple inputs per row) and exits.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/calls.h"

namespace {

using namespace brindle::fuzz;

long allocated = 0;
void* last_block = nullptr;
bool failing = false;
uint64_t executions[kRowCount];

void write_stats() {
    const char* path = std::getenv("BRINDLE_FUZZ_STATS");
    if (path == nullptr) return;
    FILE* f = std::fopen(path, "w");
    if (f == nullptr) return;
    for (std::size_t r = 0; r < kRowCount; ++r)
        std::fprintf(f, "%s %llu\n", kRows[r].name, static_cast<unsigned long long>(executions[r]));
    std::fclose(f);
}

void write_seeds(const char* dir) {
    uint64_t x = 0x9E3779B97F4A7C15u;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (int k = 0; k < 4; ++k) {
            std::string in;
            in += static_cast<char>(r & 0xFF);
            in += static_cast<char>(r >> 8);
            in += '\0';
            // All zeros (the first table values), a plain mode, and two pseudo-random strings.
            for (int i = 0; i < 48; ++i) {
                x ^= x << 13;
                x ^= x >> 7;
                x ^= x << 17;
                in += k == 0 ? '\0' : k == 1 ? static_cast<char>(0x01) : static_cast<char>(x & 0xFF);
            }
            const std::string path = std::string(dir) + "/" + kRows[r].name + "_" + std::to_string(k);
            FILE* f = std::fopen(path.c_str(), "wb");
            if (f == nullptr) {
                std::perror(path.c_str());
                std::exit(1);
            }
            std::fwrite(in.data(), 1, in.size(), f);
            std::fclose(f);
        }
    }
}

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
    if (const char* dir = std::getenv("BRINDLE_FUZZ_SEEDS")) {
        write_seeds(dir);
        std::exit(0);
    }
    std::atexit(&write_stats);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Bytes in(data, size);
    const std::size_t r = in.u16() % kRowCount;
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
    ++executions[r];
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
