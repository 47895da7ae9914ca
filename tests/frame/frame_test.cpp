#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "frame/block.h"
#include "frame/format.h"
#include "frame/text.h"
#include "legacy/prototypes.h"
#include "support/blocks.h"

namespace brindle::test {
namespace {

// A writer over a legacy result block, as the legacy front end hands a routine.
frame::TextOut block_writer() { return frame::TextOut(&legacy::block_allocator, legacy::kTextCapacity); }

TEST(Frame, ResultBlocksAndTheBoundedWriter) {
    reset_blocks();
    // NULL in gives NULL out before any block is taken; an answer takes exactly one.
    EXPECT_EQ(stringlength(nullptr), nullptr);
    EXPECT_EQ(left(nullptr, nullptr), nullptr);
    EXPECT_EQ(stats().count, 0);
    EXPECT_EQ(value(stringlength("seven")), 5);
    EXPECT_EQ(decode_language(nullptr), -1);  // by value: the fallback, no block
    EXPECT_EQ(text(version()), "zelko 20080303 OpenWatcom32");
    EXPECT_EQ(stats().count, 2);
    EXPECT_EQ(stats().last_size, 32768);
    fail_allocations(true);
    char* r = version();
    fail_allocations(false);
    EXPECT_EQ(r, nullptr);
    reset_blocks();
    frame::TextOut empty = block_writer();
    EXPECT_EQ(text(empty.finish()), "");  // an empty text still takes its block
    EXPECT_EQ(stats().count, 1);
    frame::TextOut out = block_writer();  // and the writer never passes its capacity
    out.fill('x', 40000);
    out.put('y');
    out.append(std::string(100, 'z'));
    EXPECT_EQ(out.reserve(10).size, 0u);
    EXPECT_EQ(text(out.finish()), std::string(frame::kTextCapacity, 'x'));
}

// Writers that cannot have a buffer (none given, no allocator, the allocator refuses) take no
// text and hand none back; one without capacity only notes the cut; one over a given buffer
// keeps a commit within it and hands nothing back.
TEST(Frame, WritersWithoutBufferOrRoom) {
    frame::TextOut none(static_cast<char*>(nullptr), 2), no_alloc(static_cast<frame::Allocator>(nullptr), 2),
        refused = block_writer();
    fail_allocations(true);
    for (frame::TextOut* w : {&none, &no_alloc, &refused}) {
        w->put('x');
        w->fill('x', 3);
        w->append("x");
        EXPECT_EQ(w->reserve(1).size + w->size(), 0u);
        EXPECT_FALSE(w->ready());
        EXPECT_EQ(w->finish(), nullptr);
    }
    fail_allocations(false);
    EXPECT_TRUE(none.failed() && refused.failed());
    frame::TextOut zero(&legacy::block_allocator, 0);
    zero.put('x');
    EXPECT_TRUE(zero.cut() && zero.size() == 0);
    EXPECT_EQ(text(zero.finish()), "");
    char buf[4] = "abc";
    frame::TextOut given(buf, 2);
    EXPECT_EQ(given.reserve(5).size, 2u);
    given.commit(5);
    EXPECT_TRUE(given.cut() && given.size() == 2 && !given.failed());
    EXPECT_EQ(given.finish(), nullptr);
    EXPECT_EQ(buf[2], 'c');
}

// The version text fits the width its row declares.
TEST(Frame, VersionWithinItsDeclaredWidth) {
#define BRINDLE_FN(sql, entry, routine, result, travel, args, width, ...) constexpr frame::Width declared = BRW_##width;
#include "frame/version.def"
#undef BRINDLE_FN
    ASSERT_EQ(declared.rule, frame::WidthRule::fixed);
    EXPECT_LE(text(version())->size(), static_cast<std::size_t>(declared.a));
}

template <typename F> std::string written(F f) {
    frame::TextOut out = block_writer();
    f(out);
    return *text(out.finish());
}

TEST(Frame, FormattingMatchesPrintf) {
    char ref[512];
    for (double v : {0.0, -0.0, 2.5, 3.5, 1.005, 2.675, -1234.5678, 1e22, 123456789.125, 5e-324})
        for (int p : {0, 1, 2, 6, 10, 20}) {
            std::snprintf(ref, sizeof ref, "%.*f", p, v);
            EXPECT_EQ(written([&](auto& o) { frame::put_fixed(o, v, p); }), ref) << v << " " << p;
        }
    EXPECT_EQ(written([](auto& o) { frame::put_fixed(o, -1.0 / 0.0, 2); }), "-inf");
    EXPECT_EQ(written([](auto& o) { frame::put_fixed(o, 2.0, -1); }), "2.000000");
    // Flags, widths and precisions are compared with printf through inttostr; here the 64-bit ends.
    frame::IntFormat wide;
    wide.width = 22;
    EXPECT_EQ(written([&](auto& o) { frame::put_int(o, INT64_MIN, wide); }), "  -9223372036854775808");
    EXPECT_EQ(written([](auto& o) { frame::put_unsigned(o, ~uint64_t{0}, 8, false, {}, true); }), "01777777777777777777777");
    EXPECT_EQ(written([](auto& o) { frame::put_unsigned(o, ~uint64_t{0}, 16, true, {}, true); }), "0XFFFFFFFFFFFFFFFF");
}

TEST(Frame, CharacterClassesAndLatin1Tables) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        EXPECT_EQ(frame::is_space(c), (b >= 0x09 && b <= 0x0D) || b == 0x20) << b;
        const bool up = (b >= 0x61 && b <= 0x7A) || (b >= 0xE0 && b <= 0xFE && b != 0xF0 && b != 0xF7);
        const bool down = (b >= 0x41 && b <= 0x5A) || (b >= 0xC0 && b <= 0xDE && b != 0xD0 && b != 0xD7);
        EXPECT_EQ(frame::byte(frame::latin1_upper(c)), up ? b - 32 : b) << b;
        EXPECT_EQ(frame::byte(frame::latin1_lower(c)), down ? b + 32 : b) << b;
    }
}

}  // namespace
}  // namespace brindle::test
