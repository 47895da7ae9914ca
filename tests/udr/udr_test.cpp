// The UDR adapter over in-memory messages and blobs: layouts read from metadata, declarations
// checked against their rows, and calls of real registry rows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "udr/fb_blob.h"
#include "udr/layout.h"
#include "support/fake_server.h"

namespace brindle::udr {
namespace {

namespace fakes = ::brindle::test::server;
using fakes::Decl;
using fakes::FakeMetadata;
using fakes::MemoryHost;
using fakes::Message;
using fakes::varchar;

const Decl kInt{kSqlLong};
const Decl kSmall{kSqlShort};
const Decl kDouble{kSqlDouble};
const Decl kStamp{kSqlTimestamp};
const Decl kDate{kSqlDate};
const Decl kBlob{kSqlBlob};

using fakes::LocalStatus;

// One declaration of an entry point, its layout read as the plugin reads it, and its messages.
struct Declared {
    Declared(const char* entry, std::vector<Decl> args, Decl result) : in_meta(std::move(args)), out_meta({result}) {
        desc = find(entry);
        LocalStatus st;
        char why[256];
        read_ok = read_message(&st.wrapper, &in_meta, layout.in, kMaxArgs, layout.in_count, layout.in_length, why,
                               sizeof why) &&
                  read_message(&st.wrapper, &out_meta, &layout.out, 1, results, layout.out_length, why, sizeof why);
        in.emplace(layout.in, layout.in_count, layout.in_length);
        out.emplace(&layout.out, 1, layout.out_length);
        out->set_null(0, false);
    }
    bool matches(std::string* why_out = nullptr) const {
        char why[256];
        const bool ok = desc != nullptr && check(*desc, layout, why, sizeof why);
        if (why_out != nullptr) *why_out = why;
        return ok;
    }
    Failure call() {
        Call c{layout, in->data(), out->data(), host, desc->fallback};
        desc->invoke(c);
        return c.fail;
    }

    FakeMetadata in_meta, out_meta;
    const Descriptor* desc = nullptr;
    Layout layout;
    unsigned results = 0;
    bool read_ok = false;
    std::optional<Message> in, out;
    MemoryHost host;
};

TEST(UdrLayout, ReadsFieldsAndRefusesTooMany) {
    Declared d("ltrim", {varchar(40)}, varchar(40));
    ASSERT_TRUE(d.read_ok);
    EXPECT_EQ(d.layout.in_count, 1u);
    EXPECT_EQ(d.layout.in[0].type, kSqlVarying);  // the nullable bit is dropped
    EXPECT_EQ(d.layout.in[0].length, 40u);
    EXPECT_EQ(d.results, 1u);
    EXPECT_TRUE(d.matches());

    FakeMetadata nine(std::vector<Decl>(9, kInt));
    Field fields[kMaxArgs];
    unsigned count = 0, length = 0;
    char why[128];
    LocalStatus st;
    EXPECT_FALSE(read_message(&st.wrapper, &nine, fields, kMaxArgs, count, length, why, sizeof why));
    EXPECT_NE(std::string(why).find("at most 8"), std::string::npos);
}

TEST(UdrLayout, DeclarationsThatDisagreeAreRefused) {
    struct Case {
        const char* entry;
        std::vector<Decl> args;
        Decl result;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"ltrim", {kInt}, varchar(10), "argument 1"},
        {"ltrim", {varchar(10)}, kInt, "the result"},
        {"ltrim", {varchar(10), kInt}, varchar(10), "2 arguments"},
        {"ltrim", {varchar(10, 4)}, varchar(10), "character set"},
        {"ltrim", {varchar(10)}, varchar(32766), "length"},
        {"stringlength", {varchar(10)}, Decl{kSqlLong, 4, 0, 2}, "scale"},
        {"stringlength", {varchar(10)}, kSmall, "the result"},
        {"ord", {varchar(10)}, kInt, "the result"},
        {"addday", {kDate, kInt}, kStamp, "argument 1"},
        {"blobsize", {varchar(10)}, kInt, "argument 1"},
    };
    for (const Case& c : cases) {
        Declared d(c.entry, c.args, c.result);
        std::string why;
        EXPECT_FALSE(d.matches(&why)) << c.entry << " " << c.says;
        EXPECT_NE(why.find(c.says), std::string::npos) << why;
    }
    EXPECT_TRUE(Declared("ltrim", {varchar(10, 1)}, varchar(10)).matches());  // OCTETS: bytes as they are
}

TEST(UdrCall, TextGoesStraightIntoTheFieldAndNeverPastIt) {
    Declared d("ltrim", {varchar(8)}, varchar(5));
    d.in->text(0, "   abc");
    EXPECT_EQ(d.call(), Failure::none);
    EXPECT_FALSE(d.out->is_null(0));
    EXPECT_EQ(d.out->text(0), "abc");

    d.in->text(0, "  abcdef");  // six bytes for a field of five
    EXPECT_EQ(d.call(), Failure::truncation);
    EXPECT_EQ(d.out->past(0), 0xA5);

    d.in->text(0, "abcde");  // exactly the field
    EXPECT_EQ(d.call(), Failure::none);
    EXPECT_EQ(d.out->text(0), "abcde");
    EXPECT_EQ(d.out->past(0), 0xA5);

    const std::string bytes("\x00\x80\xE9\xFF", 4);
    d.in->text(0, bytes);
    EXPECT_EQ(d.call(), Failure::none);
    EXPECT_EQ(d.out->text(0), bytes);
}

TEST(UdrCall, CapacityRoutinesRunWithTheLegacyCapacity) {
    Declared d("space", {kInt}, varchar(10));
    for (const auto& [n, fail] : std::vector<std::pair<int32_t, Failure>>{
             {0, Failure::none}, {10, Failure::none}, {11, Failure::truncation}, {2147483647, Failure::truncation}}) {
        d.in->value<int32_t>(0, n);
        EXPECT_EQ(d.call(), fail) << n;
        if (fail == Failure::none) {
            EXPECT_EQ(d.out->text(0), std::string(static_cast<std::size_t>(n), ' '));
        }
        EXPECT_EQ(d.out->past(0), 0xA5);
    }
}

TEST(UdrCall, NullsAndFallbacks) {
    Declared trim("ltrim", {varchar(8)}, varchar(8));
    trim.in->set_null(0);
    EXPECT_EQ(trim.call(), Failure::none);
    EXPECT_TRUE(trim.out->is_null(0));

    Declared lang("decode_language", {varchar(8)}, kInt);
    lang.in->set_null(0);
    EXPECT_EQ(lang.call(), Failure::none);
    EXPECT_FALSE(lang.out->is_null(0));
    EXPECT_EQ(lang.out->value<int32_t>(0), -1);

    Declared stamp("addday", {kStamp, kInt}, kStamp);
    stamp.in->value(0, frame::Timestamp{51544, 10000});
    stamp.in->set_null(1);
    EXPECT_EQ(stamp.call(), Failure::none);
    EXPECT_TRUE(stamp.out->is_null(0));
    stamp.in->set_null(1, false);
    stamp.in->value<int32_t>(1, 2);
    EXPECT_EQ(stamp.call(), Failure::none);
    EXPECT_EQ(stamp.out->value<frame::Timestamp>(0), (frame::Timestamp{51546, 10000}));

    // A nullable text reaches the routine: strblob(NULL) is an empty blob, not NULL.
    Declared blob("strblob", {varchar(8)}, kBlob);
    blob.in->set_null(0);
    EXPECT_EQ(blob.call(), Failure::none);
    EXPECT_FALSE(blob.out->is_null(0));
    EXPECT_TRUE(blob.host.out_kept);
    EXPECT_EQ(blob.host.out.text, "");
}

TEST(UdrCall, NumbersAndTheInfiniteDouble) {
    Declared ord("ord", {varchar(4)}, kSmall);
    ord.in->text(0, "\xFF");
    EXPECT_EQ(ord.call(), Failure::none);
    EXPECT_EQ(ord.out->value<uint16_t>(0), 255);

    Declared sq("f_sqrt", {kDouble}, kDouble);
    sq.in->value(0, 2.0);
    EXPECT_EQ(sq.call(), Failure::none);
    EXPECT_EQ(sq.out->value<double>(0), std::sqrt(2.0));

    Declared ex("f_exp", {kDouble}, kDouble);
    ex.in->value(0, 1000.0);
    EXPECT_EQ(ex.call(), Failure::fp_overflow);

    // Both infinities and NaN are refused, as the legacy engine refuses them.
    Declared lg("f_log", {kDouble, kDouble}, kDouble);
    lg.in->value(0, 0.5);
    lg.in->value(1, 1.0);
    EXPECT_EQ(lg.call(), Failure::fp_overflow);  // -inf
    lg.in->value(0, 1.0);
    EXPECT_EQ(lg.call(), Failure::fp_nan);  // 0 / 0

    // A by-value row too: its result is checked like any other double.
    Declared dz("r_dividezero", {kDouble, kDouble, kDouble}, kDouble);
    dz.in->value(0, -1e308);
    dz.in->value(1, 1e-10);
    dz.in->value(2, 0.0);
    EXPECT_EQ(dz.call(), Failure::fp_overflow);
    dz.in->value(1, 0.0);
    dz.in->value(2, 7.0);
    EXPECT_EQ(dz.call(), Failure::none);
    EXPECT_EQ(dz.out->value<double>(0), 7.0);
}

TEST(UdrCall, BlobsInAndOut) {
    Declared size("blobsize", {kBlob}, kInt);
    size.host.blobs[5] = std::string(70000, 'x');
    size.in->value(0, BlobId{0, 5});
    EXPECT_EQ(size.call(), Failure::none);
    EXPECT_EQ(size.out->value<int32_t>(0), 70000);

    size.in->value(0, BlobId{0, 6});  // no such blob
    EXPECT_EQ(size.call(), Failure::blob);
    size.in->set_null(0);
    EXPECT_EQ(size.call(), Failure::none);
    EXPECT_TRUE(size.out->is_null(0));

    Declared cat("blobcat", {kBlob, kBlob}, kBlob);
    cat.host.blobs[1] = "ab";
    cat.in->value(0, BlobId{0, 1});
    cat.in->set_null(1);
    EXPECT_EQ(cat.call(), Failure::none);
    EXPECT_EQ(cat.out->value<BlobId>(0).low, 777u);
    EXPECT_EQ(cat.host.out.text, "ab\r\n");

    Declared text("blobaspchar", {kBlob}, varchar(100));
    text.host.blobs[2] = "line  ";
    text.in->value(0, BlobId{0, 2});
    EXPECT_EQ(text.call(), Failure::none);
    EXPECT_EQ(text.out->text(0), "line");
    text.host.fail = true;  // a read that failed on the way
    EXPECT_EQ(text.call(), Failure::blob);
}

TEST(UdrBlob, ServerBlobsThroughTheSegmentInterface) {
    LocalStatus st;
    BlobStatus bs{&st.wrapper};
    auto* blob = new fakes::Blob({"abc", std::string(70000, 'y'), ""}, {});
    blob->addRef();  // kept to look at after the adapter has closed it
    {
        FbBlobIn in;
        in.attach(blob, &bs);
        EXPECT_EQ(in.total_length(), 70003);
        EXPECT_EQ(in.segment_count(), 3);
        EXPECT_EQ(in.max_segment(), 70000);
        std::string got;
        std::vector<char> buf(frame::kMaxSegment);
        std::size_t n = 0;
        int reads = 0;
        while (in.read(buf.data(), 100000, n)) {  // asked for more than a segment can hold
            EXPECT_LE(n, frame::kMaxSegment);
            got.append(buf.data(), n);
            ++reads;
        }
        EXPECT_EQ(got, "abc" + std::string(70000, 'y'));
        EXPECT_EQ(reads, 4);
        EXPECT_FALSE(bs.failed);
    }
    EXPECT_TRUE(blob->closed());
    EXPECT_EQ(blob->refs(), 1);
    delete blob;

    auto* failing = new fakes::Blob({"abc", "def"}, fakes::Lies{.fail_at = 2});  // the second read fails
    FbBlobIn in;
    in.attach(failing, &bs);
    std::size_t n = 0;
    char buf[16];
    EXPECT_TRUE(in.read(buf, sizeof buf, n));
    EXPECT_FALSE(in.read(buf, sizeof buf, n));
    EXPECT_EQ(n, 0u);
    EXPECT_TRUE(bs.failed);
    EXPECT_FALSE(in.close());  // after a failure the blob is released, not closed
    EXPECT_FALSE(failing->closed());
    EXPECT_EQ(failing->refs(), 0);
    delete failing;
}

}  // namespace
}  // namespace brindle::udr
