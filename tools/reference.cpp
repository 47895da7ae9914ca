// The function reference (docs/functions.md), written from the registry.
#include "reference.h"

#include <map>
#include <string>
#include <vector>

#include "catalog.h"

namespace brindle::catalog {

namespace {

using frame::Kind;
using frame::Traits;
using frame::Travel;

struct Family {
    const char* key;
    const char* title;
    const char* about;
};

const Family kFamilies[] = {
    {"frame", "Frame", "The library's own version."},
    {"string", "Text",
     "Substrings, trimming, padding, searching, replacing, words, case mapping (Latin-1, Windows-1251 for "
     "the Cyrillic functions), phonetic codes, formatting. Every function works on bytes; positions and "
     "lengths are in bytes. A result longer than its room is cut at 32767 bytes by the legacy front end; "
     "through UDR it ends the statement with the function's error (SQLSTATE 22001, \"F: the result is longer "
     "than its declared N bytes\")."},
    {"blob", "Blob text", "Reading blobs as text, cutting, counting, searching and writing blobs. Positions are clamped to the blob's "
     "total length. A blob whose segments disagree with its reported length is read as far as its segments "
     "go: the function answers for the text read so far."},
    {"date", "Dates and times",
     "Parts of timestamps, week numberings, adding, ages and differences, names of days and months in 29 "
     "languages, date texts, periods, Easter and the feasts that move with it."},
    {"uuid", "UUIDs", "Time-based (version 1) and random (version 4) UUIDs, their text and compressed forms."},
    {"numeric", "Numbers",
     "Rounding, fixed point and money, arithmetic with fixed answers for zero divisors, bit functions, "
     "trigonometry, random numbers, numbers in words. An infinite or NaN result (a division by zero such as "
     "cot_rad(0), or an overflow such as f_exp(1000)) ends the statement with an error naming the function, "
     "through either front end."},
    {"convert", "Constants and conversions", "Constants, number bases, Roman numerals and unit conversions. An infinite or NaN result (a conversion of "
     "1.7e308, mpgbgal2lp100km(0)) ends the statement with an error naming the function."},
};

std::string kind_name(Kind k) {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return "text";
        case Kind::int_:
        case Kind::int_n: return "integer";
        case Kind::smallint: return "smallint";
        case Kind::double_: return "double";
        case Kind::timestamp: return "timestamp";
        case Kind::date: return "date";
        case Kind::time: return "time";
        case Kind::blob:
        case Kind::blob_n: return "blob";
    }
    return "?";
}

std::string legacy_decl(Kind k, int width) {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return "CSTRING(" + std::to_string(width) + ")";
        case Kind::int_:
        case Kind::int_n: return "INTEGER";
        case Kind::smallint: return "SMALLINT";
        case Kind::double_: return "DOUBLE PRECISION";
        case Kind::timestamp: return "TIMESTAMP";
        case Kind::date: return "DATE";
        case Kind::time: return "TIME";
        case Kind::blob:
        case Kind::blob_n: return "BLOB";
    }
    return "?";
}

std::string udr_decl(Kind k, int width) {
    return is_text(k) ? "VARCHAR(" + std::to_string(width) + ")" : legacy_decl(k, width);
}

std::string anchor(const std::string& s) {
    std::string a;
    for (char c : s) {
        if (c == ' ') {
            a += '-';
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-') {
            a += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return a;
}

std::string nulls_text(const Row& r) {
    if (r.nulls.rfind("FALLBACK(", 0) == 0) {
        return "returned by value: a NULL argument gives " + r.nulls.substr(9, r.nulls.size() - 10) + ".";
    }
    std::vector<std::size_t> nullable;
    for (std::size_t i = 0; i < r.args.size(); ++i)
        if (r.args[i] == Kind::text_n || r.args[i] == Kind::int_n || r.args[i] == Kind::blob_n) nullable.push_back(i);
    if (r.args.empty()) return "never NULL.";
    if (nullable.empty()) {
        return "NULL when any argument is NULL" + std::string(r.travel == Travel::arg ? " (the argument itself is the result)" : "") +
               ".";
    }
    std::string s = "argument";
    s += nullable.size() > 1 ? "s " : " ";
    for (std::size_t i = 0; i < nullable.size(); ++i) s += (i ? ", " : "") + std::to_string(nullable[i] + 1);
    s += " may be NULL (the function gives a value for it); NULL when any other argument is NULL.";
    return s;
}

void function(std::ostream& o, const Row& r) {
    o << "### " << r.sql << "\n\n";
    o << "`" << r.sql << "(";
    for (std::size_t i = 0; i < r.args.size(); ++i) o << (i ? ", " : "") << kind_name(r.args[i]);
    o << ")` → " << kind_name(r.result);
    if (r.sql != r.entry) o << " · entry point `" << r.entry << "`";
    if (r.traits == Traits::volatile_) o << " · not deterministic";
    o << "\n\n";
    o << (r.summary.empty() ? std::string("(no summary)") : r.summary) << ".\n\n";
    auto decl = [&](bool udr, int w) {
        std::string s = "(";
        for (std::size_t i = 0; i < r.args.size(); ++i) s += (i ? ", " : "") + (udr ? udr_decl(r.args[i], w) : legacy_decl(r.args[i], w));
        if (!udr && r.travel == Travel::param) s += std::string(r.args.empty() ? "" : ", ") + "BLOB";
        s += ") RETURNS ";
        if (r.travel == Travel::param) {
            s += udr ? "BLOB" : "PARAMETER " + std::to_string(r.args.size() + 1);
        } else if (r.result == Kind::text) {
            const int rw = result_width(r, w, udr ? kUdrMaxText : kLegacyText);
            s += udr ? udr_decl(Kind::text, rw) : legacy_decl(Kind::text, rw);
        } else {
            s += legacy_decl(r.result, w);
        }
        if (!udr) s += r.travel == Travel::block ? " FREE_IT" : r.travel == Travel::value ? " BY VALUE" : "";
        return s;
    };
    o << "- Legacy: `" << decl(false, kLegacyText) << "`\n";
    o << "- UDR (W = " << kUdrDefaultWidth << "): `" << decl(true, kUdrDefaultWidth) << "`\n";
    o << "- NULL: " << nulls_text(r) << "\n";
    for (const std::string& n : r.notes) o << "- Note: " << n << "\n";
    if (!r.example.empty()) {
        o << "- Example: `" << r.example << "` ";
        if (r.answer == "NULL") {
            o << "is NULL";
        } else if (!r.answer.empty() && r.answer[0] == '~') {
            o << "matches `" << r.answer.substr(1) << "` (SIMILAR TO)";
        } else {
            o << "= `" << r.answer << "`";
        }
        o << "\n";
    }
    o << "\n";
}

}  // namespace

void reference(std::ostream& o) {
    const auto& all = rows();
    std::map<std::string, std::vector<const Row*>> by_family;
    for (const Row& r : all) by_family[r.table.substr(0, r.table.find('/'))].push_back(&r);
    o << "# Brindle_FB function reference\n\n"
         "Generated from the function registry (`reference_gen`); a test fails when this file is "
         "out of date. "
      << all.size()
      << " functions. Each is declared under the SQL name given here, through either front end: the legacy "
         "module `Brindle_FB` (text arguments `CSTRING(32767)`) or the UDR module `brindle_udr` (text "
         "arguments `VARCHAR(W)`, W chosen at registration). All text is `CHARACTER SET NONE`: the functions "
         "work on bytes. A text result is declared as wide as the function can make it for the declared "
         "argument width. Every example is run through the engine by the tests.\n\n";
    o << "## Contents\n\n";
    for (const Family& f : kFamilies) {
        const auto it = by_family.find(f.key);
        if (it == by_family.end()) continue;
        o << "- [" << f.title << "](#" << anchor(f.title) << ") (" << it->second.size() << ")\n";
    }
    o << "\n";
    for (const Family& f : kFamilies) {
        const auto it = by_family.find(f.key);
        if (it == by_family.end()) continue;
        o << "## " << f.title << "\n\n" << f.about << "\n\n";
        for (const Row* r : it->second) o << "[" << r->sql << "](#" << anchor(r->sql) << ") ";
        o << "\n\n";
        for (const Row* r : it->second) function(o, *r);
    }
}

}  // namespace brindle::catalog
