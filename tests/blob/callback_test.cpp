// The legacy adapter over the server's BLOBCALLBACK record (src/legacy), driven by a fake
// record: NULL records and handles, fragments of long segments, a record that reports more
// than it was asked for, the end of the blob, and the output direction.
#include <ibase.h>

#include <cstring>
#include <string>
#include <vector>

#include "blob/blob_tests.h"
#include "blob/reader.h"
#include "legacy/legacy.h"

namespace brindle::test {
namespace {

namespace b = brindle::blob;

// What stands behind a fake record's handle.
struct FakeServerBlob {
    std::vector<std::string> segs;
    std::size_t seg = 0, off = 0;
    ISC_USHORT extra = 0;           // reported beyond what was copied
    std::vector<ISC_USHORT> asked;  // buffer sizes asked for
    std::vector<std::string> put;   // segments put
};

short get_segment(void* h, ISC_UCHAR* buf, ISC_USHORT size, ISC_USHORT* len) {
    auto* f = static_cast<FakeServerBlob*>(h);
    f->asked.push_back(size);
    *len = 0;
    if (f->seg >= f->segs.size()) return 0;  // blb_got_eof
    const std::string& s = f->segs[f->seg];
    std::size_t n = s.size() - f->off;
    if (n > size) n = size;
    std::memcpy(buf, s.data() + f->off, n);
    f->off += n;
    const bool whole = f->off == s.size();
    if (whole) {
        ++f->seg;
        f->off = 0;
    }
    *len = static_cast<ISC_USHORT>(n + f->extra);
    return whole ? 1 : -1;  // blb_got_full_segment or blb_got_fragment
}

void put_segment(void* h, const ISC_UCHAR* buf, ISC_USHORT size) {
    static_cast<FakeServerBlob*>(h)->put.emplace_back(reinterpret_cast<const char*>(buf), size);
}

blobcallback record(FakeServerBlob* f) {
    blobcallback r{};
    r.blob_get_segment = &get_segment;
    r.blob_put_segment = &put_segment;
    r.blob_handle = f;
    if (f != nullptr) {
        r.blob_number_segments = static_cast<ISC_LONG>(f->segs.size());
        for (const auto& s : f->segs) {
            r.blob_total_length += static_cast<ISC_LONG>(s.size());
            if (static_cast<ISC_LONG>(s.size()) > r.blob_max_segment) r.blob_max_segment = static_cast<ISC_LONG>(s.size());
        }
    }
    return r;
}

TEST(BlobCallback, NullRecordOrHandle) {
    legacy::CallbackBlobIn none(nullptr);
    EXPECT_TRUE(none.is_null());
    char buf[4];
    std::size_t got = 9;
    EXPECT_FALSE(none.read(buf, sizeof buf, got));
    EXPECT_EQ(got, 0u);
    blobcallback r = record(nullptr);
    legacy::CallbackBlobIn no_handle(&r);
    EXPECT_TRUE(no_handle.is_null());
    EXPECT_EQ(no_handle.total_length(), 0);
    EXPECT_EQ(run(b::blobaspchar, no_handle), std::nullopt);
    legacy::CallbackBlobOut out_none(nullptr), out_no_handle(&r);
    EXPECT_FALSE(out_none.write("a", 1));
    EXPECT_FALSE(out_no_handle.write("a", 1));
}

TEST(BlobCallback, ReadsSegmentsAndFragments) {
    FakeServerBlob f;
    f.segs = {"abc", std::string(70000, 'x'), "", "tail  "};
    blobcallback r = record(&f);
    legacy::CallbackBlobIn in(&r);
    EXPECT_FALSE(in.is_null());
    EXPECT_EQ(in.total_length(), 70009);
    EXPECT_EQ(in.segment_count(), 4);
    EXPECT_EQ(in.max_segment(), 70000);
    b::HeapText t;
    ASSERT_TRUE(t.read(in));
    EXPECT_EQ(t.text(), "abc" + std::string(70000, 'x') + "tail");
    for (ISC_USHORT a : f.asked) EXPECT_GE(a, 1);
    // A buffer larger than a segment length can be is asked for as 65535 bytes.
    FakeServerBlob g;
    g.segs = {std::string(70000, 'y')};
    blobcallback rg = record(&g);
    legacy::CallbackBlobIn ig(&rg);
    std::string big(100000, '\0');
    std::size_t got = 0;
    EXPECT_TRUE(ig.read(big.data(), big.size(), got));
    EXPECT_EQ(got, 65535u);
    EXPECT_EQ(g.asked.back(), 65535);
    EXPECT_TRUE(ig.read(big.data(), big.size(), got));
    EXPECT_EQ(got, 70000u - 65535u);
    EXPECT_FALSE(ig.read(big.data(), big.size(), got));  // get_segment returned 0: the end
    EXPECT_EQ(got, 0u);
}

TEST(BlobCallback, LengthReportedBeyondTheBufferIsClamped) {
    FakeServerBlob f;
    f.segs = {"abcdef"};
    f.extra = 1000;
    blobcallback r = record(&f);
    legacy::CallbackBlobIn in(&r);
    char buf[4];
    std::size_t got = 0;
    EXPECT_TRUE(in.read(buf, sizeof buf, got));
    EXPECT_EQ(got, 4u);
}

TEST(BlobCallback, WritesSegments) {
    FakeServerBlob f;
    blobcallback r = record(&f);
    legacy::CallbackBlobOut out(&r);
    EXPECT_TRUE(out.write("ab", 2));
    EXPECT_TRUE(out.write(nullptr, 0));
    EXPECT_FALSE(out.write(std::string(65536, 'z').data(), 65536));  // beyond a 16-bit length
    EXPECT_EQ(f.put, (std::vector<std::string>{"ab", ""}));
    // A routine through both adapters: blobcat of two server blobs.
    FakeServerBlob x, y, o;
    x.segs = {"one", std::string(70000, '1')};
    y.segs = {"two"};
    blobcallback rx = record(&x), ry = record(&y), ro = record(&o);
    legacy::CallbackBlobIn ix(&rx), iy(&ry);
    legacy::CallbackBlobOut oo(&ro);
    EXPECT_TRUE(b::blobcat(oo, ix, iy));
    EXPECT_EQ(o.put, (std::vector<std::string>{"one", std::string(65535, '1'), std::string(70000 - 65535, '1'), "\r\n", "two"}));
}

}  // namespace
}  // namespace brindle::test
