#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "string/md5.h"
#include "support/blocks.h"

extern "C" char* encryptmd5(const char*);

namespace brindle {
namespace {

using test::text;

TEST(Md5, Rfc1321TestSuite) {
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& [in, digest] : suite) EXPECT_EQ(text(encryptmd5(in)), digest) << in;
    EXPECT_EQ(text(encryptmd5(nullptr)), std::nullopt);
}

// Pieces of every size around the 64-byte block and the 56-byte padding boundary.
TEST(Md5, IncrementalEqualsWhole) {
    std::string data;
    for (int i = 0; i < 300; ++i) data.push_back(static_cast<char>(i * 7 + 3));
    for (std::size_t len : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 128u, 300u}) {
        const auto whole = string::md5::digest(std::string_view(data).substr(0, len));
        for (std::size_t piece : {1u, 3u, 63u, 64u, 100u}) {
            string::md5::Context c;
            for (std::size_t i = 0; i < len; i += piece) c.update(data.data() + i, std::min(piece, len - i));
            EXPECT_EQ(c.finish(), whole) << len << " " << piece;
        }
    }
    // One million 'a' (a further published test vector), fed in uneven pieces.
    const std::string a(1000, 'a');
    string::md5::Context c;
    for (int i = 0; i < 1000; ++i) c.update(a.data(), a.size());
    const auto d = c.finish();
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (auto b : d) hex += {kHex[b >> 4], kHex[b & 15]};
    EXPECT_EQ(hex, "7707d6ae4e027c70eea2a935c2296f21");
}

}  // namespace
}  // namespace brindle
