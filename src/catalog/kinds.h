// Every argument and result kind (frame::Kind) as SQL sees it, in one table: the word the
// reference uses, whether the routine sees NULL, the SQL type each front end declares it with,
// what the engine records for it in RDB$FIELDS / RDB$FUNCTION_ARGUMENTS, and the field a UDR
// message gives it. The build tools (tools/catalog.*) write every declaration and every
// expected record from it; the UDR front end (src/udr/adapter.cpp) checks a declaration's
// messages against it. Data only: no allocation, usable in constant expressions.
#pragma once

#include <cstddef>

#include "frame/registry.h"

namespace brindle::catalog {

// The declared width of the legacy text arguments, and the widest VARCHAR (a UDR text).
inline constexpr int kLegacyText = 32767;
inline constexpr int kUdrMaxText = 32765;

// How a front end declares a kind and what the engine records for it.
struct SqlType {
    const char* name;   // INTEGER, CSTRING, VARCHAR, BLOB, ...; a text blob adds SUB_TYPE TEXT
    bool sized;         // the name takes the declared width: CSTRING(W)
    bool charset_none;  // declared CHARACTER SET NONE (recorded as character set 0)
    int field_type;     // RDB$FIELD_TYPE
    int sub_type;       // RDB$FIELD_SUB_TYPE of a blob (0 binary, 1 text); -1 for the others
};

// Text is CSTRING(W) (RDB$ type 40) through the legacy front end and VARCHAR(W) (37) through
// UDR, both CHARACTER SET NONE. A blob is a text blob of character set NONE through UDR, so
// that the engine converts it to a string byte for byte; the legacy syntax takes no sub-type
// or character set for a blob (see the README's section on blobs).
inline constexpr SqlType kCstring{"CSTRING", true, true, 40, -1};
inline constexpr SqlType kVarchar{"VARCHAR", true, true, 37, -1};
inline constexpr SqlType kInteger{"INTEGER", false, false, 8, -1};
inline constexpr SqlType kSmallint{"SMALLINT", false, false, 7, -1};
inline constexpr SqlType kDouble{"DOUBLE PRECISION", false, false, 27, -1};
inline constexpr SqlType kTimestamp{"TIMESTAMP", false, false, 35, -1};
inline constexpr SqlType kDate{"DATE", false, false, 12, -1};
inline constexpr SqlType kTime{"TIME", false, false, 13, -1};
inline constexpr SqlType kBinaryBlob{"BLOB", false, false, 261, 0};
inline constexpr SqlType kTextBlob{"BLOB", false, true, 261, 1};
inline constexpr const SqlType* kSqlTypes[] = {&kCstring, &kVarchar, &kInteger, &kSmallint, &kDouble,
                                               &kTimestamp, &kDate, &kTime, &kBinaryBlob, &kTextBlob};

// SQL type codes as UDR message metadata reports them (ibase.h), without the nullable bit.
inline constexpr unsigned kSqlVarying = 448;
inline constexpr unsigned kSqlDouble = 480;
inline constexpr unsigned kSqlLong = 496;
inline constexpr unsigned kSqlShort = 500;
inline constexpr unsigned kSqlTimestamp = 510;
inline constexpr unsigned kSqlBlob = 520;
inline constexpr unsigned kSqlTime = 560;
inline constexpr unsigned kSqlDate = 570;

// A kind's field in a UDR message: its type and its bytes (a text's at most, without the
// length word).
struct MessageType {
    unsigned type;
    unsigned size;
};

struct KindSql {
    const char* word;  // the reference's name of the kind: text, integer, blob, ...
    bool nullable;     // reaches the routine when NULL (TEXT_N, INT_N, BLOB_N)
    int length;        // RDB$FIELD_LENGTH; 0 for a sized type (its declared width)
    SqlType legacy, udr;
    MessageType message;  // what a UDR declaration of udr gives
};

// Every kind, in the order of frame::Kind.
inline constexpr KindSql kKinds[] = {
    /* text      */ {"text", false, 0, kCstring, kVarchar, {kSqlVarying, kUdrMaxText}},
    /* text_n    */ {"text", true, 0, kCstring, kVarchar, {kSqlVarying, kUdrMaxText}},
    /* int_      */ {"integer", false, 4, kInteger, kInteger, {kSqlLong, 4}},
    /* int_n     */ {"integer", true, 4, kInteger, kInteger, {kSqlLong, 4}},
    /* smallint  */ {"smallint", false, 2, kSmallint, kSmallint, {kSqlShort, 2}},
    /* double_   */ {"double", false, 8, kDouble, kDouble, {kSqlDouble, 8}},
    /* timestamp */ {"timestamp", false, 8, kTimestamp, kTimestamp, {kSqlTimestamp, 8}},
    /* date      */ {"date", false, 4, kDate, kDate, {kSqlDate, 4}},
    /* time      */ {"time", false, 4, kTime, kTime, {kSqlTime, 4}},
    /* blob      */ {"blob", false, 8, kBinaryBlob, kTextBlob, {kSqlBlob, 8}},
    /* blob_n    */ {"blob", true, 8, kBinaryBlob, kTextBlob, {kSqlBlob, 8}},
};
static_assert(sizeof kKinds / sizeof kKinds[0] == static_cast<std::size_t>(frame::Kind::blob_n) + 1,
              "every kind has its row in kKinds");

constexpr const KindSql& kind_sql(frame::Kind k) noexcept { return kKinds[static_cast<std::size_t>(k)]; }

constexpr bool is_text(frame::Kind k) noexcept { return k == frame::Kind::text || k == frame::Kind::text_n; }
constexpr bool is_blob(frame::Kind k) noexcept { return k == frame::Kind::blob || k == frame::Kind::blob_n; }

// The width a declaration gives a text result under its row's width rule, when the text
// argument the rule names is arg_width wide: at most limit (the widest rule's), at least 1.
constexpr long declared_width(const frame::Width& w, long arg_width, long limit) noexcept {
    long n = limit;
    switch (w.rule) {
        case frame::WidthRule::fixed: n = w.a; break;
        case frame::WidthRule::arg: n = arg_width; break;
        case frame::WidthRule::times: n = arg_width * w.k; break;
        case frame::WidthRule::widest:
        case frame::WidthRule::none: break;
    }
    return n > limit ? limit : n < 1 ? 1 : n;
}

// The kind row whose UDR message field has this type, or nullptr.
constexpr const KindSql* kind_of_message(unsigned type) noexcept {
    for (const KindSql& k : kKinds)
        if (k.message.type == type) return &k;
    return nullptr;
}

}  // namespace brindle::catalog
