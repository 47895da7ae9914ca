// The UDR module as the engine drives it: its registration, a function made for a declaration,
// and calls whose failures come back through the status. The engine's blobs fail, the context
// has no attachment, working memory runs out: each is an error naming the function, never NULL.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_server.h"
#include "support/memory.h"
#include "udr/layout.h"

extern "C" FB_BOOLEAN* firebird_udr_plugin(Firebird::IStatus*, FB_BOOLEAN*, Firebird::IUdrPlugin*);

namespace brindle::test::server {
namespace {

const Decl kInt{kSqlLong};
const Decl kBlob{udr::kSqlBlob};
const Decl kDouble{udr::kSqlDouble};

Firebird::IUdrFunctionFactory* factory(const char* entry) {
    static Plugin plugin;
    static const bool registered = [] {
        LocalStatus st;
        static FB_BOOLEAN unloaded = FB_FALSE;
        firebird_udr_plugin(st.raw, &unloaded, &plugin);
        return !st.errors();
    }();
    EXPECT_TRUE(registered);
    return plugin.functions.at(entry);
}

// One declaration of an entry point, made into a function by its factory, and one call of it.
struct Function {
    Function(const char* entry, std::vector<Decl> args, Decl result)
        : in_meta(std::move(args)), out_meta({result}), routine(entry, &in_meta, &out_meta) {
        LocalStatus st;
        char why[256];
        udr::read_message(&st.wrapper, &in_meta, layout.in, udr::kMaxArgs, layout.in_count, layout.in_length, why,
                          sizeof why);
        unsigned results = 0;
        udr::read_message(&st.wrapper, &out_meta, &layout.out, 1, results, layout.out_length, why, sizeof why);
        in.emplace(layout.in, layout.in_count, layout.in_length);
        out.emplace(&layout.out, 1, layout.out_length);
        fn = factory(entry)->newItem(&st.wrapper, &ctx, &routine);
        EXPECT_NE(fn, nullptr);
    }
    ~Function() {
        if (fn != nullptr) fn->dispose();
    }
    // An input blob, by the id the fake attachment knows it by.
    void blob(unsigned i, std::vector<std::string> segments, Lies lies = {}) {
        ctx.attachment.inputs.push_back(std::make_unique<Blob>(std::move(segments), lies));
        ctx.attachment.opened.push_back(false);
        in->value(i, BlobId{0, static_cast<uint32_t>(ctx.attachment.inputs.size())});
    }
    // Calls the function: the error text, or "" when the call succeeded.
    std::string call() {
        LocalStatus st;
        fn->execute(&st.wrapper, &ctx, in->data(), out->data());
        codes.clear();
        if (!st.errors()) return "";
        std::string text;
        for (const intptr_t* v = st.wrapper.getErrors(); *v != isc_arg_end; v += 2) {
            if (v[0] == isc_arg_gds) codes.push_back(v[1]);
            if (v[0] == isc_arg_string) text += reinterpret_cast<const char*>(v[1]);
        }
        return text.empty() ? "(codes only)" : text;
    }
    bool said(intptr_t code) const { return std::find(codes.begin(), codes.end(), code) != codes.end(); }

    FakeMetadata in_meta, out_meta;
    Routine routine;
    udr::Layout layout;
    std::optional<Message> in, out;
    Context ctx;
    Firebird::IExternalFunction* fn = nullptr;
    std::vector<intptr_t> codes;
};

TEST(UdrPlugin, EngineBlobFailuresComeBackAsTheEnginesErrors) {
    Function size("blobsize", {kBlob}, kInt);
    size.blob(0, {"abc"});
    EXPECT_EQ(size.call(), "");
    EXPECT_EQ(size.out->value<int32_t>(0), 3);

    size.blob(0, {"abc"}, Lies{.fail_at = 1});  // getInfo fails
    EXPECT_NE(size.call(), "");
    EXPECT_TRUE(size.said(isc_io_error));

    size.ctx.attachment.lies.open_fails = true;
    EXPECT_NE(size.call(), "");
    EXPECT_TRUE(size.said(isc_io_error));

    size.ctx.attachment.lies = {};
    size.ctx.attachment.lies.open_null = true;  // nothing opened, and no error from the engine
    EXPECT_NE(size.call().find("blobsize: a blob could not be read or written"), std::string::npos);

    size.ctx.attachment.lies = {};
    size.ctx.attachment.lies.open_throws = true;
    EXPECT_NE(size.call(), "");  // the engine's interface turns the exception into its error

    size.ctx.attachment.lies = {};
    size.ctx.fails = true;  // no attachment for the call
    EXPECT_NE(size.call(), "");
    EXPECT_TRUE(size.said(isc_io_error));

    Function text("blobaspchar", {kBlob}, varchar(100));
    text.blob(0, {"abc", "def"}, Lies{.fail_at = 3});  // the second segment fails
    EXPECT_NE(text.call(), "");
    EXPECT_TRUE(text.said(isc_io_error));

    Function made("strblob", {varchar(10)}, kBlob);
    made.in->text(0, "abc");
    EXPECT_EQ(made.call(), "");
    ASSERT_EQ(made.ctx.attachment.created.size(), 1u);
    EXPECT_TRUE(made.ctx.attachment.created[0]->closed());
    made.ctx.attachment.lies.create_fails = true;
    EXPECT_NE(made.call(), "");
    EXPECT_TRUE(made.said(isc_io_error));
    // The first segment or the close fails, or a failing create hands back a blob all the same:
    // the engine's error, the blob released and never kept.
    for (const AttachmentLies& lies : {AttachmentLies{.created = Lies{.fail_at = 1}},
                                       AttachmentLies{.created = Lies{.fail_at = 2}},
                                       AttachmentLies{.create_fails = true, .hand_back = true}}) {
        made.ctx.attachment.lies = lies;
        EXPECT_TRUE(!made.call().empty() && made.said(isc_io_error));
        EXPECT_EQ(made.ctx.attachment.created.back()->refs(), 0);
        EXPECT_FALSE(made.ctx.attachment.created.back()->closed());
    }
    size.ctx.fails = false;
    size.ctx.attachment.lies = {.open_fails = true, .hand_back = true};
    size.blob(0, {"abc"});
    EXPECT_TRUE(!size.call().empty() && size.said(isc_io_error));
    EXPECT_EQ(size.ctx.attachment.inputs.back()->refs(), 0);
}

TEST(UdrPlugin, BlobCountsAsTheEngineReportsThemAndLayoutsItRefuses) {
    Function size("blobsize", {kBlob}, kInt);
    size.blob(0, {"abc", "de"}, Lies{.info = 1, .claimed = 7});  // every count claimed as 7
    EXPECT_EQ(size.call(), "");
    EXPECT_EQ(size.out->value<int32_t>(0), 7);
    size.blob(0, {"abc", "de"}, Lies{.info = 2});  // the answer is cut after the total length
    EXPECT_EQ(size.call(), "");
    EXPECT_EQ(size.out->value<int32_t>(0), 5);
    size.blob(0, {"abc", "de"}, Lies{.info = 3, .claimed = 0x5A5A5A5A});  // garbage: read, never trusted
    size.call();
    size.blob(0, {"abc", "de"}, Lies{.info = 4});
    EXPECT_TRUE(!size.call().empty() && size.said(isc_io_error));
    size.blob(0, {"abc"}, Lies{.fail_at = 2});  // the close fails
    EXPECT_TRUE(!size.call().empty() && size.said(isc_io_error));
    for (const auto& b : size.ctx.attachment.inputs) EXPECT_EQ(b->refs(), 0);  // each released once

    Function nine("ltrim", std::vector<Decl>(9, kInt), varchar(10));
    EXPECT_NE(nine.call().find("at most 8"), std::string::npos);
}

TEST(UdrPlugin, RunningOutOfMemoryIsAnErrorNotNull) {
    Function line("blobline", {kBlob, kInt}, varchar(100));
    line.in->value(1, 1);
    line.blob(0, {"one\ntwo"});
    EXPECT_EQ(line.call(), "");
    EXPECT_EQ(line.out->text(0), "one");
    {
        RefuseMemory refuse;
        line.blob(0, {"one\ntwo"});
        EXPECT_NE(line.call().find("blobline: no memory for the result"), std::string::npos);
        EXPECT_TRUE(line.said(isc_virmemexh));
    }
    // Every way a blob routine takes working memory: a piece, a copy, a count, a replacement.
    Function mid("blobmid", {kBlob, kInt, kInt}, varchar(100));
    Function cat("blobcat", {kBlob, kBlob}, kBlob);
    Function count("bloblinecount", {kBlob}, kInt);
    RefuseMemory refuse;
    mid.blob(0, {"abc"});
    mid.in->value(1, 0);
    mid.in->value(2, 2);
    cat.blob(0, {"abc"});
    cat.in->set_null(1);
    count.blob(0, {"a\nb"});
    for (Function* f : {&mid, &cat, &count}) {
        EXPECT_NE(f->call(), "") << f->routine.getName(nullptr);
        EXPECT_TRUE(f->said(isc_virmemexh));
    }
    EXPECT_TRUE(cat.ctx.attachment.created.empty() || cat.ctx.attachment.created[0]->cancelled());
}

TEST(UdrPlugin, TooLongTextsInfiniteDoublesAndWrongDeclarations) {
    Function pad("padleft", {varchar(10), varchar(10), kInt}, varchar(8));
    pad.in->text(0, "ab");
    pad.in->text(1, "*");
    pad.in->value(2, 8);
    EXPECT_EQ(pad.call(), "");
    EXPECT_EQ(pad.out->text(0), "******ab");
    pad.in->value(2, 9);  // one past the field: refused, not cut
    EXPECT_NE(pad.call().find("longer than its declared 8 bytes"), std::string::npos);
    EXPECT_TRUE(pad.said(isc_string_truncation));
    pad.in->value(2, 40000);  // past the limit too
    EXPECT_TRUE(!pad.call().empty() && pad.said(isc_string_truncation));

    Function ex("f_exp", {kDouble}, kDouble);
    ex.in->value(0, 1000.0);
    EXPECT_NE(ex.call(), "");
    EXPECT_TRUE(ex.said(isc_udf_fp_overflow));

    Function wrong("ltrim", {kInt}, varchar(10));
    EXPECT_NE(wrong.call().find("brindle_udr: function ltrim: argument 1"), std::string::npos);
}

}  // namespace
}  // namespace brindle::test::server
