#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "frame/block.h"
#include "support/blocks.h"

extern "C" {
char* domainfromemail(const char*);
char* excelstring(const char*);
char* telefonnr(const char*, const int32_t*);
char* predecessor(const char*, const int32_t*);
char* successor(const char*, const int32_t*);
uint16_t* ord(const char*);
const char* r_c(const char*);
}

namespace brindle {
namespace {

using test::text;
using test::value;

TEST(Misc, DomainFromEmail) {
    EXPECT_EQ(text(domainfromemail("a@b ")), "b");
    EXPECT_EQ(text(domainfromemail("nobody")), "");
    EXPECT_EQ(text(domainfromemail("a@b@c\t\n")), "b@c");
    EXPECT_EQ(text(domainfromemail("a@ x\xA0")), " x\xA0");
}

TEST(Misc, ExcelQuoting) {
    EXPECT_EQ(text(excelstring("say \"hi\"")), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(text(excelstring("a\r\nb")), "\"a\nb\"");
    EXPECT_EQ(text(excelstring("")), "\"\"");
    // At the limit: 32765 content bytes between the quotes, even mid-way through a doubled quote.
    std::string s(32764, 'x');
    s += "\"tail";
    auto r = text(excelstring(s.c_str()));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), 32767u);
    EXPECT_EQ(r->substr(r->size() - 3), "x\"\"");
    s.assign(40000, '"');
    r = text(excelstring(s.c_str()));
    EXPECT_EQ(r->size(), 32767u);
    EXPECT_EQ(text(excelstring(std::string(40000, '\r').c_str())), "\"\"");
}

TEST(Misc, TelephoneNumbers) {
    const int32_t zero = 0, one = 1, three = 3, four = 4, neg = -2, huge = INT32_MAX;
    EXPECT_EQ(text(telefonnr("+49 (711) 123-456", &three)), "+49711123***");
    EXPECT_EQ(text(telefonnr("12", &four)), "****");
    EXPECT_EQ(text(telefonnr("0711 / 12 34 56", &zero)), "0711123456");
    EXPECT_EQ(text(telefonnr("tel +49 1", &one)), "+49*");
    EXPECT_EQ(text(telefonnr("1+2", &zero)), "12");  // a later plus is dropped
    EXPECT_EQ(text(telefonnr("+1", &one)), "+*");
    EXPECT_EQ(text(telefonnr("123", &neg)), "123");  // a negative count masks nothing
    auto r = text(telefonnr("123", &huge));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), frame::kTextCapacity);
    EXPECT_EQ(r->find_first_not_of('*'), std::string::npos);
}

TEST(Misc, CharacterCodes) {
    const int32_t one = 1, n257 = 257, neg = -1, zero = 0, min = INT32_MIN;
    EXPECT_EQ(text(predecessor("a", &one)), "b");
    EXPECT_EQ(text(successor("b", &one)), "a");
    EXPECT_EQ(text(predecessor("a", &n257)), "b");   // only the low byte of n counts
    EXPECT_EQ(text(predecessor("\xFF", &one)), "");  // byte 0 is an empty text
    EXPECT_EQ(text(successor("", &neg)), "\x01");
    EXPECT_EQ(text(successor("a", &zero)), "a");
    EXPECT_EQ(text(successor("a", &min)), "a");
    EXPECT_EQ(value(ord("A")), 65);
    EXPECT_EQ(value(ord("\xE9")), 233);
    EXPECT_EQ(value(ord("")), 0);
    EXPECT_EQ(value(ord(nullptr)), std::nullopt);
}

TEST(Misc, OrdWritesTwoBytes) {
    uint16_t* block = ord("\xE9");
    ASSERT_NE(block, nullptr);
    unsigned char b[3];
    std::memcpy(b, block, 3);
    EXPECT_EQ(b[0] | b[1] << 8, 233);
    EXPECT_EQ(b[2], 0xAB);  // the rest of the block is left as the allocator gave it
    std::free(block);
}

TEST(Misc, RcReturnsItsArgument) {
    test::reset_blocks();
    const char* s = "value";
    EXPECT_EQ(r_c(s), s);
    EXPECT_EQ(r_c(nullptr), nullptr);
    EXPECT_EQ(test::stats().count, 0);
}

}  // namespace
}  // namespace brindle
