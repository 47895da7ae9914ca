// The blob text reader and writer: segments, readers that stop early, records that lie about
// their lengths or deliver nothing forever, and blobs beyond 65535 bytes up to 1 MB.
#include <cstdint>
#include <string>

#include "blob/blob_tests.h"
#include "blob/reader.h"

namespace brindle::test {
namespace {

namespace b = brindle::blob;

std::string read_text(FakeBlobIn& x) {
    b::HeapText t;
    EXPECT_TRUE(t.read(x));
    return std::string(t.text());
}

// What the reader asks of a blob: never 0 bytes, never more than 65535, never beyond the total.
void expect_sane_asks(const FakeBlobIn& x) {
    EXPECT_EQ(x.zero_asks, 0);
    EXPECT_LE(x.largest_ask, frame::kMaxSegment);
}

TEST(BlobReader, OneSegmentOrMany) {
    const std::string text = "first line\r\nsecond  line\r\n\tthird \r\n";
    for (std::size_t n : {1u, 2u, 3u, 7u, 64u, 1000u}) {
        FakeBlobIn x = FakeBlobIn::chunked(text, n), y = FakeBlobIn::chunked(text, n), z = FakeBlobIn::chunked(text, n);
        EXPECT_EQ(read_text(x), "first line\r\nsecond  line\r\n\tthird") << n;
        EXPECT_EQ(run(b::blobaspchar, y), "first line\r\nsecond  line\r\n\tthird") << n;
        EXPECT_EQ(run(b::blobmid, z, 12, 6), "second") << n;
        expect_sane_asks(x);
        expect_sane_asks(y);
    }
    FakeBlobIn s = FakeBlobIn::chunked(text, 5);
    EXPECT_EQ(b::blobsegmentcount(s), 7);  // 35 bytes
    EXPECT_EQ(b::blobmaxsegmentlength(s), 5);
}

// read() failing or ending before the total length: the text read so far.
TEST(BlobReader, ReaderStopsBeforeTheTotalLength) {
    auto stopping = [] { return std::move(FakeBlobIn{"abc", "def", "ghi"}.fail_from_read(3)); };
    FakeBlobIn a = stopping(), c = stopping(), d = stopping(), e = stopping(), f = stopping();
    EXPECT_EQ(read_text(a), "abcdef");
    EXPECT_EQ(run(b::blobaspchar, c), "abcdef");
    EXPECT_EQ(run(b::blobright, d, 4), "f");     // positions 5..8 of the 9 reported: 'f' then nothing
    EXPECT_EQ(b::blobsize(e), 9);                 // the record's number, as reported
    FakeBlobOut o;
    EXPECT_TRUE(b::blobcat(o, f, f));
    EXPECT_EQ(o.content(), "abcdef\r\n");         // the second pass finds the reader ended too
}

// Nowhere to put bytes: the reader asks the blob nothing and goes on after; a piece for a
// writer without a buffer writes nothing and reads nothing.
TEST(BlobReader, NoRoomReadsNothing) {
    FakeBlobIn x{"abc"}, y{"abc"};
    b::SegmentReader r(x);
    char buf[4];
    std::size_t got = 9;
    EXPECT_FALSE(r.next(nullptr, sizeof buf, got));
    EXPECT_FALSE(r.next(buf, 0, got));
    EXPECT_EQ(got + x.reads, 0u);
    ASSERT_TRUE(r.next(buf, sizeof buf, got));
    EXPECT_EQ(std::string(buf, got), "abc");
    frame::TextOut none(static_cast<char*>(nullptr), 10);
    EXPECT_TRUE(b::write_piece(none, y, 0, 3));
    EXPECT_EQ(none.size() + y.reads, 0u);
}

TEST(BlobReader, TotalLengthLargerThanDelivered) {
    auto lying = [] { return std::move(FakeBlobIn("abc  ").report_total(10)); };
    FakeBlobIn a = lying(), c = lying(), d = lying(), e = lying(), f = lying(), g = lying();
    EXPECT_EQ(read_text(a), "abc");
    EXPECT_EQ(run(b::blobright, g, 6), " ");       // positions 4..9: the kept blank, then the end
    EXPECT_EQ(run(b::blobright, c, 2), "");        // beyond what was delivered
    EXPECT_EQ(run(b::blobright, d, 7), "");        // starts at the trimmed end, where the NUL is
    EXPECT_EQ(run(b::blobmid, e, 4, 6), " ");      // the blank kept behind the NUL, then the end
    EXPECT_EQ(b::blobsize(f), 10);
}

TEST(BlobReader, TotalLengthSmallerThanDelivered) {
    auto lying = [] { return std::move(FakeBlobIn{"abcdef", "ghi"}.report_total(4)); };
    FakeBlobIn a = lying(), c = lying(), d = lying(), e = lying();
    EXPECT_EQ(read_text(a), "abcd");
    EXPECT_EQ(a.delivered, 4u);  // asked for no more than the total length
    EXPECT_EQ(run(b::blobright, c, 2), "cd");
    FakeBlobOut o;
    EXPECT_TRUE(b::blobcat(o, d, e));
    EXPECT_EQ(o.content(), "abcd\r\nabcd");
}

TEST(BlobReader, NegativeOrZeroTotalLength) {
    for (int64_t t : {int64_t{0}, int64_t{-1}, int64_t{-5}, int64_t{INT32_MIN}, -(int64_t{1} << 40)}) {
        auto lying = [t] { return std::move(FakeBlobIn("abc").report_total(t)); };
        FakeBlobIn a = lying(), c = lying(), d = lying(), e = lying(), f = lying();
        EXPECT_EQ(read_text(a), "");
        EXPECT_EQ(a.reads, 0);
        EXPECT_EQ(run(b::blobaspchar, c), "");
        EXPECT_EQ(run(b::blobright, d, 2), "");
        EXPECT_EQ(b::bloblinecount(e), 0);
        EXPECT_EQ(b::blobsize(f), t < INT32_MIN ? INT32_MIN : static_cast<int32_t>(t));
    }
}

// A huge reported length: memory follows what is delivered, not what the record claims.
TEST(BlobReader, HugeTotalLength) {
    for (int64_t t : {int64_t{INT32_MAX}, int64_t{1} << 40, INT64_MAX}) {
        auto lying = [t] { return std::move(FakeBlobIn{"ab", "c  "}.report_total(t)); };
        FakeBlobIn a = lying(), c = lying(), d = lying(), e = lying(), f = lying(), g = lying();
        b::HeapText h;
        EXPECT_TRUE(h.read(a));
        EXPECT_EQ(h.text(), "abc");
        EXPECT_LE(h.capacity(), b::kFirstChunk);
        EXPECT_EQ(run(b::blobaspchar, c), "abc");
        EXPECT_EQ(run(b::blobleft, d, 4), "abc");
        EXPECT_EQ(run(b::blobright, e, 3), "");  // far beyond the delivered bytes
        EXPECT_EQ(b::blobsize(f), INT32_MAX);
        FakeBlobOut o;
        EXPECT_TRUE(b::blobcatstr(o, g, "x"));
        EXPECT_EQ(o.content(), "abc  \r\nx");
        expect_sane_asks(a);
        expect_sane_asks(g);
    }
}

// read() returning true with 0 bytes forever: the reader gives up after a bounded number.
TEST(BlobReader, EmptyReadsForever) {
    auto lying = [] { return std::move(FakeBlobIn("ab").report_total(INT32_MAX).empty_forever()); };
    FakeBlobIn a = lying(), c = lying(), d = lying(), e = lying(), f = lying();
    EXPECT_EQ(read_text(a), "ab");
    EXPECT_LE(a.reads, static_cast<long>(b::kMaxEmptyReads) + 3);
    EXPECT_EQ(run(b::blobaspchar, c), "ab");
    EXPECT_LE(c.reads, static_cast<long>(b::kMaxEmptyReads) + 3);
    EXPECT_EQ(b::blobwordcount(d), 1);
    FakeBlobOut o;
    EXPECT_TRUE(b::blobcat(o, e, f));
    EXPECT_EQ(o.content(), "ab\r\nab");
    // An empty segment now and then is fine: it is a segment like any other.
    FakeBlobIn g{"a", "", "", "b", ""};
    EXPECT_EQ(read_text(g), "ab");
}

// A reader that claims more bytes than it was asked for is held to what was asked.
TEST(BlobReader, OverclaimingReader) {
    auto lying = [] { return std::move(FakeBlobIn::chunked(std::string(100, 'x'), 10).overclaim(70000)); };
    FakeBlobIn a = lying(), c = lying();
    const std::string t = read_text(a);
    EXPECT_LE(t.size(), 100u);
    EXPECT_EQ(t.substr(0, 10), std::string(10, 'x'));
    const Opt r = run(b::blobaspchar, c);
    ASSERT_TRUE(r.has_value());
    EXPECT_LE(r->size(), 100u);
}

// max_segment lying (0, negative, huge): the copy buffers hold 1 to 65535 bytes whatever it says.
TEST(BlobReader, MaxSegmentLies) {
    const std::string text = std::string(70000, 'm') + "end";
    for (int64_t m : {int64_t{0}, int64_t{-3}, int64_t{1}, int64_t{INT32_MAX}, int64_t{1} << 40}) {
        auto lying = [&] { return std::move(FakeBlobIn::chunked(text, 30000).report_max(m)); };
        FakeBlobIn a = lying(), c = lying(), d = lying();
        FakeBlobOut o;
        EXPECT_TRUE(b::blobcat(o, a, c));
        EXPECT_EQ(o.content(), text + "\r\n" + text);
        EXPECT_FALSE(o.oversized);
        // Whole segments are copied as whole segments.
        EXPECT_EQ(o.segments.size(), 7u);
        expect_sane_asks(a);
        expect_sane_asks(c);
        EXPECT_EQ(b::blobmaxsegmentlength(d), m > INT32_MAX ? INT32_MAX : static_cast<int32_t>(m));
    }
}

// Blobs longer than one segment can be: fragments of a long segment are read whole.
TEST(BlobReader, BeyondOneSegment) {
    std::string text = rep("0123456789", 10000);  // 100000 bytes
    text.replace(99990, 6, "needle");
    for (std::size_t n : {std::size_t{100000}, std::size_t{65535}, std::size_t{65536}, std::size_t{4096}}) {
        auto blob = [&] { return FakeBlobIn::chunked(text, n); };
        FakeBlobIn a = blob(), c = blob(), d = blob(), e = blob(), f = blob(), g = blob(), h = blob();
        EXPECT_EQ(read_text(a), text) << n;
        expect_sane_asks(a);
        EXPECT_EQ(run(b::blobaspchar, c), text.substr(0, 32767)) << n;
        EXPECT_EQ(run(b::blobright, d, 10), text.substr(99990)) << n;
        EXPECT_EQ(run(b::blobmid, e, 70000, 5), "01234") << n;
        EXPECT_EQ(b::blobsubstr(f, "needle"), 99990) << n;
        EXPECT_EQ(b::b_textpos("NEEDLE", g), 99991) << n;
        EXPECT_EQ(b::blobsize(h), 100000) << n;
    }
}

TEST(BlobReader, OneMegabyte) {
    std::string text;
    for (int i = 0; text.size() < (1u << 20); ++i) text += "line " + std::to_string(i) + "\r\n";
    text.resize(1u << 20);
    text.back() = 'Z';
    auto blob = [&] { return FakeBlobIn::chunked(text, 32000); };
    FakeBlobIn a = blob(), c = blob(), d = blob(), e = blob(), f = blob(), g = blob(), h = blob(), k = blob();
    EXPECT_EQ(read_text(a), text);
    EXPECT_EQ(run(b::blobright, c, 3), text.substr(text.size() - 3));
    EXPECT_LE(c.delivered, text.size());
    // Reading stops once the rest of the blob cannot change the piece.
    EXPECT_EQ(run(b::blobleft, d, 10), text.substr(0, 10));
    EXPECT_LE(d.delivered, 64000u);
    int32_t lf = 0;
    for (char ch : text) lf += ch == '\n';
    EXPECT_EQ(b::bloblinecount(e), lf + 1);
    EXPECT_EQ(run(b::blobline, f, 1000), "line 999");
    FakeBlobOut o;
    EXPECT_TRUE(b::blobcat(o, g, h));
    EXPECT_EQ(o.content(), text + "\r\n" + text);
    FakeBlobOut r;
    EXPECT_TRUE(b::blobreplacestring(r, k, "line", "LINE!", 1, 0));
    std::string want;
    for (std::size_t p = 0;;) {
        const std::size_t q = text.find("line", p);
        want += text.substr(p, q - p);
        if (q == std::string::npos) break;
        want += "LINE!";
        p = q + 4;
    }
    EXPECT_EQ(r.content(), want);
    EXPECT_FALSE(r.oversized);
    EXPECT_GT(r.segments.size(), 16u);
}

TEST(BlobReader, WriterSplitsLongTexts) {
    for (std::size_t n : {0u, 1u, 65535u, 65536u, 131070u, 131071u}) {
        FakeBlobOut o;
        const std::string s(n, 'w');
        EXPECT_TRUE(b::put_text(o, s));
        EXPECT_EQ(o.content(), s);
        EXPECT_EQ(o.segments.size(), n == 0 ? 1 : (n + 65534) / 65535);
        EXPECT_FALSE(o.oversized);
    }
}

}  // namespace
}  // namespace brindle::test
