// Finding a row and checking a declaration against it.
#include <cstdio>

#include "udr/adapter.h"

namespace brindle::udr {

const Descriptor* find(std::string_view entry) noexcept {
    for (std::size_t i = 0; i < kTableSize; ++i) {
        if (entry == kTable[i].entry) return &kTable[i];
    }
    return nullptr;
}

namespace {

const char* type_name(unsigned type) noexcept {
    switch (type) {
        case kSqlVarying: return "VARCHAR";
        case kSqlDouble: return "DOUBLE PRECISION";
        case kSqlLong: return "INTEGER";
        case kSqlShort: return "SMALLINT";
        case kSqlTimestamp: return "TIMESTAMP";
        case kSqlBlob: return "BLOB";
        case kSqlTime: return "TIME";
        case kSqlDate: return "DATE";
        case 452: return "CHAR";
        case 580: return "BIGINT or NUMERIC";
        default: return "another type";
    }
}

// The type a kind must be declared with.
unsigned type_of(Kind k) noexcept {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return kSqlVarying;
        case Kind::int_:
        case Kind::int_n: return kSqlLong;
        case Kind::smallint: return kSqlShort;
        case Kind::double_: return kSqlDouble;
        case Kind::timestamp: return kSqlTimestamp;
        case Kind::date: return kSqlDate;
        case Kind::time: return kSqlTime;
        case Kind::blob:
        case Kind::blob_n: return kSqlBlob;
    }
    return 0;
}

// The bytes a field of a kind occupies in a message (text: at most).
unsigned size_of(Kind k) noexcept {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return kMaxVarchar;
        case Kind::smallint: return 2;
        case Kind::int_:
        case Kind::int_n:
        case Kind::date:
        case Kind::time: return 4;
        case Kind::double_:
        case Kind::timestamp:
        case Kind::blob:
        case Kind::blob_n: return 8;
    }
    return 0;
}

// Empty when the field suits the kind, otherwise what is wrong.
const char* mismatch(Kind k, const Field& f, unsigned message_length) noexcept {
    if (f.type != type_of(k)) return "type";
    if ((k == Kind::int_ || k == Kind::int_n || k == Kind::smallint) && f.scale != 0) return "scale";
    if (type_of(k) == kSqlVarying) {
        // Bytes as they are: no character set that the server would check or convert.
        if (f.charset > 1) return "character set (NONE or OCTETS expected)";
        if (f.length > kMaxVarchar) return "length";
    } else if (f.length != size_of(k)) {
        return "length";
    }
    const unsigned bytes = type_of(k) == kSqlVarying ? f.length + 2 : f.length;
    if (message_length != 0 &&
        (f.offset > message_length || bytes > message_length - f.offset || f.null_offset + 2 > message_length)) {
        return "layout";
    }
    return "";
}

const char* kind_decl(Kind k) noexcept {
    return type_of(k) == kSqlVarying ? "VARCHAR(n) CHARACTER SET NONE" : type_name(type_of(k));
}

}  // namespace

bool check(const Descriptor& d, const Layout& l, char* msg, std::size_t cap) noexcept {
    if (cap == 0) return false;
    msg[0] = '\0';
    if (l.in_count != d.arg_count) {
        std::snprintf(msg, cap, "declared with %u arguments, the entry point %s takes %u", l.in_count, d.entry,
                      d.arg_count);
        return false;
    }
    for (unsigned i = 0; i < d.arg_count; ++i) {
        const char* why = mismatch(d.args[i], l.in[i], l.in_length);
        if (*why != '\0') {
            std::snprintf(msg, cap, "argument %u is declared %s (%s differs), the entry point %s takes %s", i + 1,
                          type_name(l.in[i].type), why, d.entry, kind_decl(d.args[i]));
            return false;
        }
    }
    const char* why = mismatch(d.result, l.out, l.out_length);
    if (*why != '\0') {
        std::snprintf(msg, cap, "the result is declared %s (%s differs), the entry point %s returns %s",
                      type_name(l.out.type), why, d.entry, kind_decl(d.result));
        return false;
    }
    return true;
}

}  // namespace brindle::udr
