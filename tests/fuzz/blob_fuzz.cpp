// libFuzzer target over the blob reader and writer alone, through a lying frame::BlobIn.
//
// The input gives the blob's segments, its reported counts (any 64-bit values), how read()
// misbehaves (claims more bytes than it was asked for, fails from some call on, delivers empty
// reads forever), then one operation with its parameters. Beyond the sanitizers, checked: no
// read asks for 0 or more than 65535 bytes or more than the buffer holds, nothing is delivered
// past the reported length, working memory grows with what was delivered, the pieces and
// copies stay within their buffers and segments.
//
// BRINDLE_FUZZ_STATS=file writes the executions per operation at exit; BRINDLE_FUZZ_SEEDS=dir
// writes a seed corpus and exits.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "blob/reader.h"
#include "fuzz/calls.h"
#include "support/fake_blob.h"

namespace {

using namespace brindle;
using brindle::fuzz::Bytes;

const char* const kOps[] = {"segment_reader", "heap_text", "write_piece", "copy_blob", "put_text"};
constexpr std::size_t kOpCount = sizeof kOps / sizeof kOps[0];
uint64_t executions[kOpCount];

[[noreturn]] void fault(const char* op, const char* what) {
    std::fprintf(stderr, "==brindle blob fuzz== %s: %s\n", op, what);
    std::abort();
}

// A blob whose segments, reported counts and reads are what the input says.
brindle::test::FakeBlobIn lying_blob(Bytes& in) {
    const bool null = (in.u8() & 15) == 15;
    const uint8_t n = in.u8() % 9;
    std::vector<std::string> segs;
    for (uint8_t k = 0; k < n; ++k) {
        const uint8_t mode = in.u8();
        std::string s;
        if ((mode & 3) == 1) {
            in.take(in.u8(), s);
        } else if ((mode & 3) >= 2) {
            std::string pattern;
            in.take(mode % 5 + 1, pattern);
            if (pattern.empty()) pattern = " ";
            const std::size_t len = (mode & 3) == 2 ? in.u16() : in.u32() % 200000;
            while (s.size() < len) s.append(pattern, 0, len - s.size());
        }
        segs.push_back(std::move(s));
    }
    brindle::test::FakeBlobIn b(std::move(segs));
    if (null) b.make_null();
    const uint8_t flags = in.u8();
    const int64_t total = b.total_length();
    const int64_t options[] = {0, -1, INT64_MIN, INT64_MAX, INT32_MAX, INT32_MIN, total - 1, total + 1,
                               total / 2, total * 2 + 1, static_cast<int64_t>(in.u64())};
    if (flags & 1) b.report_total(fuzz::pick(options, in.u8()));
    if (flags & 2) b.report_count(fuzz::pick(options, in.u8()));
    if (flags & 4) b.report_max(fuzz::pick(options, in.u8()));
    if (flags & 8) b.overclaim(1 + in.u16());
    if (flags & 16) b.empty_forever();
    if (flags & 32) b.fail_from_read(1 + in.u8());
    return b;
}

void write_stats() {
    const char* path = std::getenv("BRINDLE_FUZZ_STATS");
    if (path == nullptr) return;
    FILE* f = std::fopen(path, "w");
    if (f == nullptr) return;
    for (std::size_t k = 0; k < kOpCount; ++k)
        std::fprintf(f, "%s %llu\n", kOps[k], static_cast<unsigned long long>(executions[k]));
    std::fclose(f);
}

void write_seeds(const char* dir) {
    for (std::size_t op = 0; op < kOpCount; ++op) {
        for (int k = 0; k < 4; ++k) {
            // operation, null flag, segment count, segments (mode, bytes), flags, parameters
            std::string in = {static_cast<char>(op), 0, static_cast<char>(k + 1)};
            for (int s = 0; s <= k; ++s) in += std::string{1, 5, 'a', 'b', '\n', 'c', ' '};
            in += static_cast<char>(k == 0 ? 0 : 1 << k);
            in += std::string(12, static_cast<char>(k * 3));
            const std::string path = std::string(dir) + "/" + kOps[op] + "_" + std::to_string(k);
            brindle::fuzz::write_seed(path, in);
        }
    }
}

}  // namespace

extern "C" void* ib_util_malloc(long size) { return std::malloc(static_cast<std::size_t>(size)); }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* dir = std::getenv("BRINDLE_FUZZ_SEEDS")) {
        write_seeds(dir);
        std::exit(0);
    }
    std::atexit(&write_stats);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    Bytes in(data, size);
    const std::size_t op = in.u8() % kOpCount;
    const char* name = kOps[op];
    brindle::test::FakeBlobIn b = lying_blob(in);
    const std::size_t limit = blob::length_limit(b);
    ++executions[op];
    switch (op) {
        case 0: {
            const std::size_t cap = 1 + in.u32() % 70000;
            std::unique_ptr<char[]> buf(new char[cap]);
            blob::SegmentReader r(b);
            std::size_t got = 0, sum = 0;
            while (r.next(buf.get(), cap, got)) {
                if (got > cap) fault(name, "more delivered than the buffer holds");
                sum += got;
            }
            if (got != 0) fault(name, "bytes reported at the end");
            if (sum > limit || sum != r.delivered()) fault(name, "delivered past the reported length");
            break;
        }
        case 1: {
            blob::HeapText t;
            if (t.read(b)) {
                if (t.text().size() > b.claimed || t.text().size() > limit) fault(name, "a text longer than delivered");
                if (t.capacity() > blob::kFirstChunk && t.capacity() > 2 * b.claimed)
                    fault(name, "working memory beyond what was delivered");
            }
            break;
        }
        case 2: {
            const std::size_t start = in.u32() % (limit + 2);
            std::size_t count = in.u32() % (limit + 2);
            if (start > limit) break;
            if (count > limit - start) count = limit - start;
            const std::size_t cap = in.u16() % (frame::kTextCapacity + 1);
            std::unique_ptr<char[]> buf(new char[cap + 1]);
            frame::TextOut out(buf.get(), cap);
            blob::write_piece(out, b, start, count);
            if (out.size() > cap || out.size() > count) fault(name, "a piece beyond its bounds");
            break;
        }
        case 3: {
            const std::size_t cap = 1 + in.u32() % 70000;
            std::unique_ptr<char[]> buf(new char[cap]);
            brindle::test::FakeBlobOut out;
            out.fail_from_write(in.u8() % 8);
            blob::copy_blob(out, b, buf.get(), cap);
            if (out.largest > cap || out.largest > frame::kMaxSegment) fault(name, "a segment beyond its buffer");
            if (out.content().size() > limit) fault(name, "copied past the reported length");
            break;
        }
        default: {
            const std::string text = fuzz::text_bytes(in, in.u8());
            std::string big;
            const std::size_t times = in.u8() % 8;
            for (std::size_t k = 0; k <= times; ++k) big += text;
            brindle::test::FakeBlobOut out;
            out.fail_from_write(in.u8() % 4);
            const bool ok = blob::put_text(out, big);
            if (out.largest > frame::kMaxSegment) fault(name, "a segment longer than 65535 bytes");
            if (ok && out.content() != big) fault(name, "the text written differs");
            break;
        }
    }
    if (b.zero_asks != 0) fault(name, "a read of 0 bytes");
    if (b.largest_ask > frame::kMaxSegment) fault(name, "a read of more than 65535 bytes");
    return 0;
}
