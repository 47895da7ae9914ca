// What every registry fuzz target shares: the row an input picks, executions per row written
// at exit, and a seed corpus of a few simple inputs per row.
//
// An input starts with a 16-bit row number (modulo the number of rows) and a flags byte; the
// rest is the target's. Environment:
//   BRINDLE_FUZZ_STATS=file  executions per row (and any per-row note) written at exit
//   BRINDLE_FUZZ_SEEDS=dir   writes the seed corpus and exits
//   BRINDLE_FUZZ_ROW=n       every input calls row n (its row number is read and ignored), so
//                            that a long pass can give every row the same share
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/calls.h"

namespace brindle::fuzz {

class Driver {
public:
    // names(r) gives row r's entry point; note(r), when given, a second figure per row.
    Driver(std::size_t rows, const char* (*names)(std::size_t), uint64_t (*note)(std::size_t) = nullptr)
        : rows_(rows), names_(names), note_(note) {}

    // At LLVMFuzzerInitialize: writes the seeds and exits if asked, reads the fixed row.
    void start() {
        if (const char* dir = std::getenv("BRINDLE_FUZZ_SEEDS")) {
            write_seeds(dir);
            std::exit(0);
        }
        if (const char* r = std::getenv("BRINDLE_FUZZ_ROW")) {
            fixed_ = std::strtol(r, nullptr, 10);
            if (fixed_ < 0 || static_cast<std::size_t>(fixed_) >= rows_) {
                std::fprintf(stderr, "BRINDLE_FUZZ_ROW=%s: rows are 0 to %zu\n", r, rows_ - 1);
                std::exit(2);
            }
        }
        self() = this;
        std::atexit([] { self()->write_stats(); });
    }

    // The row of an input, its first two bytes read.
    std::size_t row(Bytes& in) const noexcept {
        const std::size_t r = in.u16() % rows_;
        return fixed_ >= 0 ? static_cast<std::size_t>(fixed_) : r;
    }

    void count(std::size_t r) noexcept { ++executions_[r]; }

private:
    static Driver*& self() {
        static Driver* d = nullptr;
        return d;
    }

    void write_stats() const {
        const char* path = std::getenv("BRINDLE_FUZZ_STATS");
        if (path == nullptr) return;
        // Appended, so that the runs of one row each add their line.
        FILE* f = std::fopen(path, fixed_ >= 0 ? "a" : "w");
        if (f == nullptr) return;
        for (std::size_t r = 0; r < rows_; ++r) {
            if (fixed_ >= 0 && static_cast<std::size_t>(fixed_) != r) continue;
            std::fprintf(f, "%s %llu", names_(r), static_cast<unsigned long long>(executions_[r]));
            if (note_ != nullptr) std::fprintf(f, " %llu", static_cast<unsigned long long>(note_(r)));
            std::fprintf(f, "\n");
        }
        std::fclose(f);
    }

    void write_seeds(const char* dir) const {
        uint64_t x = 0x9E3779B97F4A7C15u;
        for (std::size_t r = 0; r < rows_; ++r) {
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
                // Named by row number first, so that a run of one row can start from its own.
                const std::string path =
                    std::string(dir) + "/" + std::to_string(r) + "_" + names_(r) + "_" + std::to_string(k);
                write_seed(path, in);
            }
        }
    }

    std::size_t rows_;
    const char* (*names_)(std::size_t);
    uint64_t (*note_)(std::size_t);
    long fixed_ = -1;
    std::vector<uint64_t> executions_ = std::vector<uint64_t>(rows_);
};

}  // namespace brindle::fuzz
