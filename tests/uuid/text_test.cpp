// The UUID text and compressed forms, the conversions between them, and what is read out of a
// UUID: version, local time, adapter address.
#include <random>
#include <string>
#include <vector>

#include "uuid/uuid_tests.h"

namespace brindle::test {
namespace {

using uuid::Uuid;
constexpr char kAlphabet[] = "!*0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr char kExample[] = "6ba7b810-9dad-11d1-80b4-00c04fd430c8";
constexpr char kExampleCompressed[] = "!!k2zIAAWoU*5FbOpfdvUE";
constexpr char kNoText[] = "Input no RFC4122 UUID";
constexpr char kNoCompressed[] = "Input no compressed UUID";

// What compressuuid makes of a text, shown as the text form it stands for.
std::string parsed(const std::string& s) {
    const std::string c = str(compressuuid(s.c_str()));
    return c == kNoText ? c : str(expanduuidcompr(c.c_str()));
}

TEST(UuidText, WorkedExamples) {
    struct Case { std::string text, compressed; };
    const Case cases[] = {
        {kExample, kExampleCompressed},
        {"6BA7B810-9DAD-11D1-80B4-00C04FD430C8", kExampleCompressed},
        {"00000000-0000-0000-0000-000000000000", std::string(22, '!')},
        {"ffffffff-ffff-ffff-ffff-ffffffffffff", "1" + std::string(21, 'z')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str(compressuuid(c.text.c_str())), c.compressed) << c.text;
        std::string lower = c.text;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_EQ(str(expanduuidcompr(c.compressed.c_str())), lower) << c.compressed;
    }
}

// The text test looks at the leading run of hex digits and hyphens only; each group is read
// with signed base-16 conversion, the hyphen places are skipped unread.
TEST(UuidText, ParsingRules) {
    const std::string ok = kExample;
    struct Case { std::string in, want; };
    const Case cases[] = {
        {"0123456789abcdef0123456789abcdef0123", "01234567-9abc-ef01-3456-89abcdef0123"},
        {ok + " and more", ok},
        {ok + "0", kNoText},
        {ok.substr(0, 35), kNoText},
        {ok.substr(0, 35) + "g", kNoText},
        {"", kNoText},
        {"0001-001-0000-1000-8000-000000000000", "ffffffff-0000-1000-8000-000000000000"},  // 2nd half negative
        {"-0010000-0000-1000-8000-000000000000", "ffff0000-0000-1000-8000-000000000000"},
        {"00000000-a-bc-1000-8000-000000000000", "00000000-000a-1000-8000-000000000000"},  // stops at '-'
        {"00000000---12-1000-8000-000000000000", "00000000-0000-1000-8000-000000000000"},  // no digits
        {"00000000-0000-1000-8000--f0000000000", "00000000-0000-1000-8000-f10000000000"},  // -15 in a byte
        {std::string(36, '-'), "00000000-0000-0000-0000-000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(parsed(c.in), c.want) << c.in;
}

TEST(UuidText, CompressedRules) {
    const std::string ok = kExampleCompressed;
    struct Case { std::string in, want; };
    const Case cases[] = {
        {"z!k2zIAAWoU*5FbOpfdvUE", "6ba7b810-9dad-11d1-80b4-c0c04fd430c8"},  // first digit: low 2 bits
        {ok + " tail", kExample},
        {ok + "!", kNoCompressed},
        {ok.substr(0, 21), kNoCompressed},
        {ok.substr(0, 10) + "#" + ok.substr(11), kNoCompressed},
        {"", kNoCompressed},
    };
    for (const auto& c : cases) EXPECT_EQ(str(expanduuidcompr(c.in.c_str())), c.want) << c.in;
    EXPECT_EQ(str(compressuuid("6ba7b810-9dad-11d1-80b4-c0c04fd430c8")), "1!k2zIAAWoU*5FbOpfdvUE");
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const char* at = b != 0 ? std::strchr(kAlphabet, c) : nullptr;
        EXPECT_EQ(uuid::uuid_digit_value(c), at != nullptr ? at - kAlphabet : -1) << b;
    }
}

// Each single bit of the 128-bit number lands in its digit; random records survive both forms.
TEST(UuidText, PackingBitByBit) {
    for (int k = 0; k < 128; ++k) {
        Uuid u;
        if (k < 32) u.time_low = 1u << k;
        else if (k < 48) u.time_mid = static_cast<uint16_t>(1u << (k - 32));
        else if (k < 64) u.time_hi_and_version = static_cast<uint16_t>(1u << (k - 48));
        else if (k < 72) u.clock_seq_hi_and_reserved = static_cast<uint8_t>(1u << (k - 64));
        else if (k < 80) u.clock_seq_low = static_cast<uint8_t>(1u << (k - 72));
        else u.node[5 - (k - 80) / 8] = static_cast<uint8_t>(1u << ((k - 80) % 8));
        std::string want(22, '!');
        want[21 - k / 6] = kAlphabet[1 << (k % 6)];
        EXPECT_EQ(std::string(uuid::uuid_compress(u).data()), want) << k;
    }
    std::mt19937_64 rng(7);
    for (int i = 0; i < 1000; ++i) {
        Uuid u;
        u.time_low = static_cast<uint32_t>(rng());
        u.time_mid = static_cast<uint16_t>(rng());
        u.time_hi_and_version = static_cast<uint16_t>(rng());
        u.clock_seq_hi_and_reserved = static_cast<uint8_t>(rng());
        u.clock_seq_low = static_cast<uint8_t>(rng());
        for (auto& b : u.node) b = static_cast<uint8_t>(rng());
        const auto t = uuid::uuid_to_text(u);
        ASSERT_TRUE(uuid::uuid_is_text(t.data()));
        ASSERT_EQ(uuid::uuid_from_text(t.data()), u);
        ASSERT_EQ(uuid::uuid_expand(uuid::uuid_compress(u).data()), u);
    }
    // Short texts are read as far as they go: a group past the end is 0.
    EXPECT_EQ(uuid::uuid_from_text("-1"), Uuid{.time_low = 0xFFFF0000});
    EXPECT_EQ(uuid::uuid_expand("!"), Uuid{});
}

std::optional<frame::Timestamp> ts(frame::Timestamp* p) { return value(p); }

// Times are whole seconds of local time; before 1970 and after 2038 they are exact too.
TEST(UuidTime, LocalTimeOfVersion1) {
    const std::string example_v3 = str(compressuuid("6ba7b810-9dad-31d1-80b4-00c04fd430c8"));
    const std::string example_v5 = str(compressuuid("6ba7b810-9dad-51d1-80b4-00c04fd430c8"));
    struct Case { const char* zone; std::string text; std::optional<frame::Timestamp> want; };
    const Case cases[] = {
        {"UTC0", kExample, at(1998, 2, 4, 22, 13, 53)},
        {kCet, kExample, at(1998, 2, 4, 23, 13, 53)},
        {kCet, "63ab2000-bb92-11ea-8000-000000000000", at(2020, 7, 1, 14, 0, 0)},  // 12:00 UTC, summer time
        {"UTC0", "00000000-0000-1000-8000-000000000000", at(1582, 10, 15, 0, 0, 0)},
        {"UTC0", "13813fff-1dd2-11b2-8000-000000000000", at(1969, 12, 31, 23, 59, 59)},  // 100 ns before 1970
        {"UTC0", "ffffffff-ffff-1fff-8000-000000000000", at(5236, 3, 31, 21, 21, 0)},
        {"UTC0", "6ba7b810-9dad-41d1-80b4-00c04fd430c8", std::nullopt},  // version 4
        {"UTC0", "6ba7b810-9dad-31d1-80b4-00c04fd430c8", std::nullopt},  // needs the digit 1
        {"UTC0", "6ba7b810-9dad-1-d1-80b4-00c04fd430c8", std::nullopt},  // '1' but bit 12 clear
        {"UTC0", "not a uuid", std::nullopt},
    };
    for (const auto& c : cases) {
        EnvGuard zone("TZ", c.zone);
        EXPECT_EQ(ts(uuid1timestamp(c.text.c_str())), c.want) << c.text;
        const std::string compressed = str(compressuuid(c.text.c_str()));
        if (c.want) {
            EXPECT_EQ(ts(uuid1comprtimestamp(compressed.c_str())), c.want) << c.text;
        }
    }
    EnvGuard zone("TZ", "UTC0");
    // Any version with bit 12 set passes the compressed test: version 3 lands in the year
    // 9303, version 5 beyond the server's last year.
    const auto v3 = ts(uuid1comprtimestamp(example_v3.c_str()));
    ASSERT_TRUE(v3.has_value());
    EXPECT_TRUE(v3->date > at(9305, 1, 1, 0, 0, 0).date && v3->date < at(9306, 1, 1, 0, 0, 0).date);
    EXPECT_EQ(ts(uuid1comprtimestamp(example_v5.c_str())), std::nullopt);
    EXPECT_EQ(ts(uuid1comprtimestamp(str(compressuuid("6ba7b810-9dad-41d1-80b4-00c04fd430c8")).c_str())),
              std::nullopt);
}

TEST(UuidRead, AdapterAddressAndVersion) {
    const std::string random_node = "6ba7b810-9dad-11d1-80b4-80c04fd430c8";
    const std::string v4 = "6ba7b810-9dad-41d1-80b4-00c04fd430c8";
    EXPECT_EQ(str(uuid1macmac(kExample)), "00:c0:4f:d4:30:c8");
    EXPECT_EQ(str(uuid1maccomprmac(kExampleCompressed)), "00:c0:4f:d4:30:c8");
    for (const std::string& s : {random_node, v4, std::string("6ba7b810")}) {
        EXPECT_EQ(text(uuid1macmac(s.c_str())), std::nullopt) << s;
        EXPECT_EQ(text(uuid1maccomprmac(str(compressuuid(s.c_str())).c_str())), std::nullopt) << s;
    }
    struct Case { std::string in; std::optional<std::string> want; };
    const Case cases[] = {
        {kExample, "V1a"},
        {random_node, "V1b"},
        {v4, "V4"},
        {"abcdefghijklmnxz", "Vx"},          // position 14 only, nothing else tested
        {"00000000-0000-1", std::nullopt},   // a '1' with no node digit
        {"00000000-0000-1000-8000-8", "V1a"},  // one digit: bit 7 cannot be set
        {"00000000-0000-1000-8000-8z", "V1a"},
        {"00000000-0000-1000-8000-80", "V1b"},
        {"00000000-0000-1000-8000-g0", std::nullopt},
        {"00000000-0000-", std::nullopt},    // shorter than 15
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(text(uuidversion(c.in.c_str())), c.want) << c.in;
}

TEST(UuidRead, NullArgumentsTakeNoBlock) {
    reset_blocks();
    EXPECT_TRUE(!compressuuid(nullptr) && !expanduuidcompr(nullptr) && !uuid1timestamp(nullptr) &&
                !uuid1comprtimestamp(nullptr) && !uuid1macmac(nullptr) && !uuid1maccomprmac(nullptr) &&
                !uuidversion(nullptr));
    EXPECT_EQ(stats().count, 0);
    // The conversions always answer, in one block.
    EXPECT_EQ(str(compressuuid("x")), kNoText);
    EXPECT_EQ(stats().count, 1);
    EXPECT_FALSE(stats().wrong_size);
}

}  // namespace
}  // namespace brindle::test
