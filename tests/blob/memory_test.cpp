// The blob routines that hold a whole text in working memory, under every budget of it: each
// gives its full answer or none, never a part of one.
#include <functional>
#include <string>
#include <utility>

#include "blob/blob.h"
#include "blob/blob_tests.h"
#include "support/memory.h"

namespace brindle::test {
namespace {

namespace b = brindle::blob;
using Answer = std::optional<std::string>;

Answer number(std::optional<int32_t> v) { return v ? Answer(std::to_string(*v)) : std::nullopt; }

TEST(Blob, FullAnswerOrNoneWhateverMemoryIsLeft) {
    const std::string text = "one two\nthree  \nfour Two";
    auto blob = [&] { return FakeBlobIn::chunked(text, 5); };
    auto written = [&](std::function<bool(FakeBlobOut&, FakeBlobIn&)> f) {
        FakeBlobOut o;
        FakeBlobIn x = blob();
        return f(o, x) ? Answer(o.content()) : std::nullopt;
    };
    auto pair = [&](std::optional<int32_t> (*f)(frame::BlobIn&, frame::BlobIn&)) {
        FakeBlobIn x = blob(), y = FakeBlobIn::chunked(text + "!", 3);
        return number(f(x, y));
    };
    const std::pair<const char*, std::function<Answer()>> routines[] = {
        {"excelblob", [&] { FakeBlobIn x = blob(); return run(b::excelblob, std::size_t{100}, x); }},
        {"bloblinecount", [&] { FakeBlobIn x = blob(); return number(b::bloblinecount(x)); }},
        {"blobwordcount", [&] { FakeBlobIn x = blob(); return number(b::blobwordcount(x)); }},
        {"blobcompare", [&] { return pair(b::blobcompare); }},
        {"b_strcmp", [&] { return pair(b::b_strcmp); }},
        {"blobsubstr", [&] { FakeBlobIn x = blob(); return number(b::blobsubstr(x, "two")); }},
        {"b_strpos", [&] { FakeBlobIn x = blob(); return number(b::b_strpos("Two", x)); }},
        {"b_textpos", [&] { FakeBlobIn x = blob(); return number(b::b_textpos("TWO", x)); }},
        {"blobcat", [&] {
             return written([&](FakeBlobOut& o, FakeBlobIn& x) { FakeBlobIn y = blob(); return b::blobcat(o, x, y); });
         }},
        {"blobcatstr", [&] { return written([](FakeBlobOut& o, FakeBlobIn& x) { return b::blobcatstr(o, x, "end"); }); }},
        {"blobreplacestring", [&] {
             return written([](FakeBlobOut& o, FakeBlobIn& x) { return b::blobreplacestring(o, x, "o", "00", 1, 1); });
         }},
    };
    for (const auto& [name, f] : routines) {
        const Answer full = f();
        ASSERT_TRUE(full) << name;
        bool refused = false;
        for (long grants = 0; grants < 4; ++grants) {
            Answer got;
            {
                RefuseMemory budget(grants);
                got = f();
            }
            if (got) {
                EXPECT_EQ(*got, *full) << name << " with " << grants << " grants";
            } else {
                refused = true;
            }
        }
        EXPECT_TRUE(refused) << name << " was never refused";
    }
}

}  // namespace
}  // namespace brindle::test
