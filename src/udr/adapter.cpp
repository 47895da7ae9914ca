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

// A message field's type as a declaration names it.
const char* type_name(unsigned type) noexcept {
    if (const catalog::KindSql* k = catalog::kind_of_message(type)) return k->udr.name;
    switch (type) {
        case 452: return "CHAR";
        case 580: return "BIGINT or NUMERIC";
        default: return "another type";
    }
}

// Empty when the field suits the kind, otherwise what is wrong.
const char* mismatch(Kind k, const Field& f, unsigned message_length) noexcept {
    const catalog::MessageType& m = catalog::kind_sql(k).message;
    if (f.type != m.type) return "type";
    if ((m.type == kSqlLong || m.type == kSqlShort) && f.scale != 0) return "scale";
    if (m.type == kSqlVarying) {
        // Bytes as they are: no character set that the server would check or convert.
        if (f.charset > 1) return "character set (NONE or OCTETS expected)";
        if (f.length > m.size) return "length";  // a text's size is its widest
    } else if (f.length != m.size) {
        return "length";
    }
    const unsigned bytes = m.type == kSqlVarying ? f.length + 2 : f.length;
    if (message_length != 0 &&
        (f.offset > message_length || bytes > message_length - f.offset || f.null_offset + 2 > message_length)) {
        return "layout";
    }
    return "";
}

// The type a kind must be declared with.
const char* kind_decl(Kind k) noexcept {
    return catalog::is_text(k) ? "VARCHAR(n) CHARACTER SET NONE" : catalog::kind_sql(k).udr.name;
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
