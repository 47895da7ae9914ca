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

blobcallback record(FakeRecord* f) { return f != nullptr ? f->record() : FakeRecord().record(true); }

TEST(BlobCallback, NullRecordOrHandle) {
    legacy::CallbackBlobIn none(nullptr);
    EXPECT_TRUE(none.is_null());
    char buf[4];
    std::size_t got = 9;
    EXPECT_FALSE(none.read(buf, sizeof buf, got));
    EXPECT_EQ(got, 0u);
    blobcallback r = record(nullptr);
    r.blob_total_length = r.blob_number_segments = r.blob_max_segment = 5;  // whatever it says
    legacy::CallbackBlobIn no_handle(&r);
    EXPECT_TRUE(no_handle.is_null());
    EXPECT_EQ(no_handle.total_length() + no_handle.segment_count() + no_handle.max_segment(), 0);
    EXPECT_EQ(run(b::blobaspchar, no_handle), std::nullopt);
    legacy::CallbackBlobOut out_none(nullptr), out_no_handle(&r);
    EXPECT_FALSE(out_none.write("a", 1));
    EXPECT_FALSE(out_no_handle.write("a", 1));
}

TEST(BlobCallback, ReadsSegmentsAndFragments) {
    FakeRecord f;
    f.segs = {"abc", std::string(70000, 'x'), "", "tail  "};
    blobcallback r = record(&f);
    legacy::CallbackBlobIn in(&r);
    EXPECT_FALSE(in.is_null());
    EXPECT_EQ(in.total_length(), 70009);
    EXPECT_EQ(in.segment_count(), 4);
    EXPECT_EQ(in.max_segment(), 70000);
    char none[4];
    std::size_t got = 9;
    EXPECT_FALSE(in.read(nullptr, sizeof none, got));  // nowhere to put bytes: the record not asked
    EXPECT_FALSE(in.read(none, 0, got));
    EXPECT_TRUE(got == 0 && f.asked.empty());
    b::HeapText t;
    ASSERT_TRUE(t.read(in));
    EXPECT_EQ(t.text(), "abc" + std::string(70000, 'x') + "tail");
    for (ISC_USHORT a : f.asked) EXPECT_GE(a, 1);
    // A buffer larger than a segment length can be is asked for as 65535 bytes.
    FakeRecord g;
    g.segs = {std::string(70000, 'y')};
    blobcallback rg = record(&g);
    legacy::CallbackBlobIn ig(&rg);
    std::string big(100000, '\0');
    EXPECT_TRUE(ig.read(big.data(), big.size(), got));
    EXPECT_EQ(got, 65535u);
    EXPECT_EQ(g.asked.back(), 65535);
    EXPECT_TRUE(ig.read(big.data(), big.size(), got));
    EXPECT_EQ(got, 70000u - 65535u);
    EXPECT_FALSE(ig.read(big.data(), big.size(), got));  // get_segment returned 0: the end
    EXPECT_EQ(got, 0u);
}

TEST(BlobCallback, LengthReportedBeyondTheBufferIsClamped) {
    FakeRecord f;
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
    FakeRecord f;
    blobcallback r = record(&f);
    legacy::CallbackBlobOut out(&r);
    EXPECT_TRUE(out.write("ab", 2));
    EXPECT_TRUE(out.write(nullptr, 0));
    EXPECT_TRUE(out.write(nullptr, 3));  // no bytes given: an empty segment
    EXPECT_FALSE(out.write(std::string(65536, 'z').data(), 65536));  // beyond a 16-bit length
    EXPECT_EQ(f.put, (std::vector<std::string>{"ab", "", ""}));
    r.blob_put_segment = nullptr;
    EXPECT_FALSE(out.write("ab", 2));
    // A routine through both adapters: blobcat of two server blobs.
    FakeRecord x, y, o;
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
