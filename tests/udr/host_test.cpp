// The UDR module where the engine lets it down: a registration the engine refuses, a routine
// whose name or metadata cannot be read, and a call without a transaction. Each failure comes
// back through the status, and every reference taken from the engine is given back.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "support/fake_server.h"
#include "support/memory.h"
#include "udr/fb_blob.h"
#include "udr/layout.h"

extern "C" FB_BOOLEAN* firebird_udr_plugin(Firebird::IStatus*, FB_BOOLEAN*, Firebird::IUdrPlugin*);

namespace brindle::test::server {
namespace {

// Registers the module with `plugin`: true when the status came back clean.
bool register_with(Plugin& plugin) {
    static FB_BOOLEAN unloaded = FB_FALSE;  // the module writes it when it goes away
    LocalStatus st;
    const FB_BOOLEAN* mine = firebird_udr_plugin(st.raw, &unloaded, &plugin);
    EXPECT_NE(mine, nullptr);
    const bool clean = (st.raw->getState() & Firebird::IStatus::STATE_ERRORS) == 0;
    EXPECT_TRUE(clean || says(st.raw->getErrors(), isc_io_error)) << "not the engine's own error";
    return clean;
}

TEST(UdrRegistration, TheEnginesRefusalEndsRegistrationAndComesBack) {
    Plugin all;
    ASSERT_TRUE(register_with(all));
    ASSERT_GT(all.calls, 100);
    for (const int at : {1, 7}) {
        Plugin refusing;
        refusing.refuse_at = at;
        EXPECT_FALSE(register_with(refusing)) << at;
        EXPECT_EQ(refusing.calls, at);  // nothing offered after the refusal
        EXPECT_EQ(refusing.functions.size(), static_cast<std::size_t>(at - 1));
    }
    Plugin again;  // a later registration still hands out every function
    ASSERT_TRUE(register_with(again));
    EXPECT_EQ(again.functions.size(), all.functions.size());
}

TEST(UdrRegistration, ARoutineTheEngineCannotDescribeMakesNoFunction) {
    Plugin plugin;
    ASSERT_TRUE(register_with(plugin));
    Firebird::IUdrFunctionFactory* ltrim = plugin.functions.at("ltrim");
    FakeMetadata in({varchar(10)}), out({varchar(10)}), wrong({Decl{kSqlLong}});
    Context ctx;
    // The engine fails to give the name or a message, or there is no memory for the function.
    for (const int why : {0, 1, 2, 3}) {
        Routine r("ltrim", &in, &out);
        r.name_fails = why == 0;
        r.metadata_fails = why == 1;
        r.output_fails = why == 3;
        LocalStatus st;
        {
            std::optional<RefuseNew> refuse;
            if (why == 2) refuse.emplace();
            EXPECT_EQ(ltrim->newItem(&st.wrapper, &ctx, &r), nullptr) << why;
        }
        EXPECT_TRUE(st.errors() && says(st.wrapper.getErrors(), why == 2 ? isc_virmemexh : isc_io_error)) << why;
    }
    EXPECT_EQ(in.refs(), 1);  // each description given back
    EXPECT_EQ(out.refs(), 1);
    // No name from the engine: the function goes by its SQL name, and a declaration that
    // disagrees is refused at each call under that name.
    Routine r("ltrim", &wrong, &out);
    r.name_null = true;
    LocalStatus st;
    Firebird::IExternalFunction* fn = ltrim->newItem(&st.wrapper, &ctx, &r);
    ASSERT_NE(fn, nullptr);
    EXPECT_FALSE(st.errors());
    unsigned char inbuf[64] = {}, outbuf[64] = {};
    fn->execute(&st.wrapper, &ctx, inbuf, outbuf);
    ASSERT_TRUE(st.errors());
    std::string text;
    for (const intptr_t* v = st.wrapper.getErrors(); *v != isc_arg_end; v += 2)
        if (v[0] == isc_arg_string) text += reinterpret_cast<const char*>(v[1]);
    EXPECT_NE(text.find("brindle_udr: function br_ltrim: argument 1"), std::string::npos) << text;
    fn->dispose();
}

TEST(UdrLayout, MetadataTheEngineCannotReadGivesNoLayout) {
    FakeMetadata meta({Decl{kSqlLong}, varchar(10)});
    const int reads = 1 + 2 * 7 + 1;  // the count, seven questions per field, the length
    udr::Field fields[udr::kMaxArgs];
    unsigned count = 0, length = 0;
    char why[128];
    for (int at = 1; at <= reads + 1; ++at) {
        meta.fail_at = at;
        meta.calls = 0;
        LocalStatus st;
        const bool read = udr::read_message(&st.wrapper, &meta, fields, udr::kMaxArgs, count, length, why, sizeof why);
        EXPECT_EQ(read, at > reads) << at;
        EXPECT_EQ(st.errors(), at <= reads) << at;
        EXPECT_EQ(count, read ? 2u : 0u) << at;
        EXPECT_EQ(std::string(why), "");  // the engine's error, not a disagreement of ours
    }
    LocalStatus st;
    EXPECT_TRUE(udr::read_message(&st.wrapper, nullptr, fields, udr::kMaxArgs, count, length, why, sizeof why));
    EXPECT_EQ(count + length, 0u);  // no metadata: no fields
    meta.fail_at = -1;
    why[0] = 'x';
    EXPECT_FALSE(udr::read_message(&st.wrapper, &meta, fields, 1, count, length, why, 0));  // two fields
    EXPECT_TRUE(why[0] == 'x' && !st.errors());  // no room to say why: nothing written

    FakeMetadata in({Decl{kSqlLong}}), none({}), two({Decl{kSqlLong}, Decl{kSqlLong}});
    for (FakeMetadata* out : {&none, &two}) {
        Routine r("f", &in, out);
        udr::Layout layout;
        EXPECT_FALSE(udr::read_layout(&st.wrapper, &r, layout, why, sizeof why));
        EXPECT_FALSE(st.errors());
        EXPECT_EQ(std::string(why), out == &none ? "declared without a result"
                                                 : "declared with 2 fields, at most 1 are possible");
    }
    EXPECT_EQ(in.refs(), 1);  // each description given back
    EXPECT_EQ(two.refs(), 1);
}

TEST(UdrLayout, FieldsOutsideTheirMessageAndEveryTypeNamed) {
    const udr::Descriptor* ltrim = udr::find("ltrim");
    ASSERT_NE(ltrim, nullptr);
    EXPECT_EQ(udr::find("no_such_entry"), nullptr);
    auto text = [](unsigned offset, unsigned null_offset) {
        udr::Field f{};
        f.type = udr::kSqlVarying;
        f.length = 10;
        f.offset = offset;
        f.null_offset = null_offset;
        return f;
    };
    udr::Layout l{};
    l.in_count = 1;
    l.in[0] = l.out = text(0, 12);
    l.in_length = l.out_length = 14;
    char why[256];
    EXPECT_TRUE(udr::check(*ltrim, l, why, sizeof why)) << why;
    EXPECT_FALSE(udr::check(*ltrim, l, why, 0));  // no room to say why: refused
    for (const auto& [offset, null_offset] : {std::pair{15u, 12u}, {4u, 12u}, {0u, 13u}}) {
        l.in[0] = text(offset, null_offset);
        EXPECT_FALSE(udr::check(*ltrim, l, why, sizeof why)) << offset << " " << null_offset;
        EXPECT_NE(std::string(why).find("(layout differs)"), std::string::npos) << why;
    }
    l.in_length = 0;  // no message length given: the offsets cannot be checked
    EXPECT_TRUE(udr::check(*ltrim, l, why, sizeof why)) << why;
    const std::pair<unsigned, const char*> types[] = {
        {452, "CHAR"}, {580, "BIGINT or NUMERIC"}, {udr::kSqlDouble, "DOUBLE PRECISION"}, {udr::kSqlShort, "SMALLINT"},
        {udr::kSqlTimestamp, "TIMESTAMP"}, {udr::kSqlBlob, "BLOB"}, {udr::kSqlTime, "TIME"}, {udr::kSqlDate, "DATE"},
        {udr::kSqlLong, "INTEGER"}, {999, "another type"}};
    for (const auto& [type, name] : types) {
        l.in[0].type = type;
        EXPECT_FALSE(udr::check(*ltrim, l, why, sizeof why));
        EXPECT_NE(std::string(why).find(std::string("argument 1 is declared ") + name + " (type differs)"),
                  std::string::npos) << why;
    }
}

// After a failure nothing more is asked of the engine: the blobs are only released.
TEST(UdrBlobHost, AfterAFailureBlobsAreOnlyReleased) {
    LocalStatus st;
    udr::BlobStatus failed{&st.wrapper, true}, healthy{&st.wrapper};
    auto* blob = new Blob({"abc"}, Lies{});
    blob->addRef();  // kept to look at
    char buf[8];
    std::size_t n = 9;
    {
        udr::FbBlobIn in;
        in.attach(blob, &failed);
        EXPECT_EQ(in.total_length(), 0);
        EXPECT_FALSE(in.read(buf, sizeof buf, n));
        EXPECT_EQ(n, 0u);
        EXPECT_FALSE(in.close());
    }
    EXPECT_FALSE(blob->closed());
    EXPECT_EQ(blob->refs(), 1);
    delete blob;
    udr::FbBlobIn none;  // nothing attached: no counts, no bytes, nothing to close
    EXPECT_EQ(none.segment_count(), 0);
    EXPECT_FALSE(none.read(buf, sizeof buf, n));
    EXPECT_TRUE(none.close());
    udr::FbBlobOut loose;  // nowhere to create a blob: nothing written, nothing to hand back
    BlobId id{};
    EXPECT_FALSE(loose.write("a", 1));
    EXPECT_FALSE(loose.finish(&id));
    EXPECT_TRUE(loose.finish(nullptr));

    Context ctx;
    udr::FbBlobOut out;
    out.attach(&ctx.attachment, &ctx.transaction, &failed);
    EXPECT_FALSE(out.write("a", 1));
    EXPECT_FALSE(out.finish(&id));
    EXPECT_TRUE(ctx.attachment.created.empty());
    udr::FbBlobOut made;
    made.attach(&ctx.attachment, &ctx.transaction, &healthy);
    EXPECT_FALSE(made.write("x", frame::kMaxSegment + 1));  // more than one segment holds: not asked
    EXPECT_TRUE(ctx.attachment.created.empty());
    EXPECT_TRUE(made.write(nullptr, 0));  // an empty segment
    EXPECT_TRUE(made.finish(&id));
    ASSERT_EQ(ctx.attachment.created.size(), 1u);
    EXPECT_TRUE(ctx.attachment.created[0]->closed());
    EXPECT_FALSE(healthy.failed);
}

// The counts as the engine writes them: in any width of bytes (a short one sign-extended, only
// the first eight of a long one), and none after an item that ends the answer. A read without
// room reads nothing.
TEST(UdrBlobHost, CountsInEveryWidthTheEngineWritesThem) {
    struct Case {
        Lies lies;
        int64_t total, segments, longest;
    };
    const Case cases[] = {
        {{}, 5, 2, 3},
        {{.info = 1, .claimed = -2, .width = 2}, 5, -2, -2},
        {{.info = 1, .claimed = -2, .width = 8}, 5, -2, -2},
        {{.width = 9}, 5, 2, 3},
        {{.width = 18}, 5, 2, 3},  // the three items fill the answer: no room for its end
        {{.width = 0}, 0, 0, 0},
        {{.info = 2}, 5, 0, 0},
        {{.info = 5}, 5, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << int{c.lies.width} << ", lie " << int{c.lies.info});
        LocalStatus st;
        udr::BlobStatus healthy{&st.wrapper};
        Blob blob({"abc", "de"}, c.lies);
        udr::FbBlobIn in;
        in.attach(&blob, &healthy);
        EXPECT_EQ(in.total_length(), c.total);
        EXPECT_EQ(in.segment_count(), c.segments);
        EXPECT_EQ(in.max_segment(), c.longest);
        char buf[8];
        std::size_t n = 9;
        EXPECT_FALSE(in.read(nullptr, sizeof buf, n));
        EXPECT_FALSE(in.read(buf, 0, n));
        EXPECT_EQ(n, 0u);
        ASSERT_TRUE(in.read(buf, sizeof buf, n));
        EXPECT_EQ(std::string(buf, n), "abc");
        EXPECT_TRUE(in.close());
        EXPECT_TRUE(blob.closed());
        EXPECT_FALSE(healthy.failed);
    }
}

TEST(UdrBlobHost, NoTransactionMeansNoBlobsAndTheAttachmentGivenBack) {
    const char* const lies[] = {"getTransaction fails", "getTransaction hands back nothing",
                                "getAttachment hands back nothing", "no status to ask with"};
    for (int lie = 0; lie < 4; ++lie) {
        SCOPED_TRACE(lies[lie]);
        const bool with_error = lie == 0;
        Context ctx;
        ctx.transaction_fails = lie == 0;
        ctx.no_transaction = lie == 1;
        ctx.no_attachment = lie == 2;
        ctx.master.no_status = lie == 3;
        ctx.attachment.inputs.push_back(std::make_unique<Blob>(std::vector<std::string>{"abc"}, Lies{}));
        ctx.attachment.opened.push_back(false);
        {
            udr::FbBlobHost host(&ctx);
            EXPECT_EQ(host.open(BlobId{0, 1}), nullptr);
            EXPECT_EQ(host.create(), nullptr);  // the failure is kept: no second attempt
            EXPECT_TRUE(host.failed());
            BlobId id{};
            EXPECT_FALSE(host.finish_out(true, id));
            const intptr_t* e = host.errors();
            EXPECT_EQ(e != nullptr && says(e, isc_io_error), with_error);
            EXPECT_FALSE(ctx.attachment.opened[0]);
        }
        EXPECT_EQ(ctx.attachment.refs(), 1);
        EXPECT_EQ(ctx.transaction.refs(), 1);
    }
}

TEST(UdrBlobHost, AtMostOneBlobPerArgumentAndAnUnwrittenOutputIsNoBlob) {
    Context ctx;
    for (std::size_t i = 0; i <= udr::kMaxArgs; ++i) {
        ctx.attachment.inputs.push_back(std::make_unique<Blob>(std::vector<std::string>{"x"}, Lies{}));
        ctx.attachment.opened.push_back(false);
    }
    {
        udr::FbBlobHost host(&ctx);
        EXPECT_EQ(host.errors(), nullptr);  // nothing asked yet
        for (uint32_t i = 1; i <= udr::kMaxArgs; ++i) EXPECT_NE(host.open(BlobId{0, i}), nullptr) << i;
        EXPECT_EQ(host.open(BlobId{0, udr::kMaxArgs + 1}), nullptr);
        EXPECT_FALSE(host.failed());  // a refusal of ours, not the engine's failure
        EXPECT_EQ(host.errors(), nullptr);

        BlobId id{};
        EXPECT_FALSE(host.finish_out(false, id));  // nothing was created
        ASSERT_NE(host.create(), nullptr);
        EXPECT_TRUE(host.finish_out(false, id));  // dropped before its first segment: nothing made
        EXPECT_TRUE(ctx.attachment.created.empty());
        ASSERT_NE(host.create(), nullptr);
        EXPECT_TRUE(host.finish_out(true, id));  // kept empty: made and closed
        ASSERT_EQ(ctx.attachment.created.size(), 1u);
        EXPECT_TRUE(ctx.attachment.created[0]->closed());
        EXPECT_EQ(id.low, 1u);
        frame::BlobOut* left = host.create();  // written to, never handed back: cancelled at the end
        ASSERT_NE(left, nullptr);
        EXPECT_TRUE(left->write("x", 1));
    }
    ASSERT_EQ(ctx.attachment.created.size(), 2u);
    EXPECT_TRUE(ctx.attachment.created[1]->cancelled());
    EXPECT_EQ(ctx.attachment.created[1]->refs(), 0);
    for (std::size_t i = 0; i < udr::kMaxArgs; ++i) EXPECT_EQ(ctx.attachment.inputs[i]->refs(), 0) << i;
    EXPECT_FALSE(ctx.attachment.opened[udr::kMaxArgs]);  // the one refused was never asked for
    EXPECT_EQ(ctx.attachment.refs(), 1);
    EXPECT_EQ(ctx.transaction.refs(), 1);
}

}  // namespace
}  // namespace brindle::test::server
