// Shared by the blob tests: running a text routine into a writer, and the reading rule written
// out literally as the model the streaming routines must agree with.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "blob/blob.h"
#include "support/fake_blob.h"
#include "frame/block.h"
#include "frame/text.h"

namespace brindle::test {

using Opt = std::optional<std::string>;

// Whether the writer of the last run() noted its text as cut.
inline bool last_cut = false;

inline void* heap_alloc(std::size_t bytes) noexcept { return std::malloc(bytes); }

// Runs a text routine into a writer of the given capacity (a result block by default) and
// returns its text: nullopt for SQL NULL. Checks that a NULL answer took no buffer and that the
// text is NUL-terminated with no NUL inside.
template <typename F, typename... A>
Opt run_cap(std::size_t capacity, F f, A&&... a) {
    frame::TextOut out(&heap_alloc, capacity);
    const bool ok = f(out, std::forward<A>(a)...);
    last_cut = out.cut();
    if (!ok) {
        EXPECT_EQ(out.data(), nullptr) << "a NULL answer took a buffer";
        return std::nullopt;
    }
    const std::size_t n = out.size();
    EXPECT_LE(n, capacity);
    char* p = out.finish();
    if (p == nullptr) return std::string("<no buffer>");
    std::string s(p, n);
    EXPECT_EQ(std::strlen(p), n) << "NUL inside or missing terminator";
    std::free(p);
    return s;
}
template <typename F, typename... A>
Opt run(F f, A&&... a) {
    return run_cap(frame::kTextCapacity, f, std::forward<A>(a)...);
}

// The reading rule, written out literally, into a buffer of total length + 1 zero bytes, with the content the
// segments deliver (at most the total length of it), trimmed, and a NUL at the trimmed end.
inline std::string literal_buffer(const std::string& delivered, int64_t total) {
    const std::size_t a = total < 0 ? 0 : static_cast<std::size_t>(total);
    std::string buf(a + 1, '\0');
    std::size_t filled = delivered.size() < a ? delivered.size() : a;
    std::memcpy(buf.data(), delivered.data(), filled);
    while (filled > 0 && frame::is_space(buf[filled - 1])) --filled;
    buf[filled] = '\0';
    return buf;
}
inline std::string literal_text(const std::string& delivered, int64_t total) {
    return std::string(literal_buffer(delivered, total).c_str());
}
// blobmid over that buffer, as the rule writes it.
inline std::string literal_mid(const std::string& delivered, int64_t total, int64_t start, int64_t count) {
    const std::string buf = literal_buffer(delivered, total);
    const int64_t a = total < 0 ? 0 : total;
    if (count < 0) count = 0;
    if (start < 0) start = 0;
    if (start > a) start = a;
    if (start + count > a) count = a - start;
    return std::string(buf.data() + start, strnlen(buf.data() + start, static_cast<std::size_t>(count)));
}

inline std::string rep(const std::string& s, std::size_t n) {
    std::string r;
    r.reserve(s.size() * n);
    while (n-- > 0) r += s;
    return r;
}

}  // namespace brindle::test
