// The function reference (docs/functions.md), written from the registry.
#include "reference.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "catalog.h"

namespace brindle::catalog {

namespace {

using frame::Kind;
using frame::Traits;
using frame::Travel;

// What the reference says of each family; the families and their order are the registry's.
struct Family {
    const char* key;
    const char* title;
    const char* about;
};

const Family kFamilyTexts[] = {
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
        if (kind_sql(r.args[i]).nullable) nullable.push_back(i);
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
    for (std::size_t i = 0; i < r.args.size(); ++i) o << (i ? ", " : "") << kind_sql(r.args[i]).word;
    o << ")` → " << kind_sql(r.result).word;
    if (r.sql != r.entry) o << " · entry point `" << r.entry << "`";
    if (r.traits == Traits::volatile_) o << " · not deterministic";
    o << "\n\n";
    o << (r.summary.empty() ? std::string("(no summary)") : r.summary) << ".\n\n";
    auto decl = [&](Front f, int w) {
        std::string s = "(";
        for (std::size_t i = 0; i < r.args.size(); ++i) s += (i ? ", " : "") + declared_type(r.args[i], f, w, false);
        const bool output_blob = f == Front::legacy && r.travel == Travel::param;
        if (output_blob) s += (r.args.empty() ? "" : ", ") + declared_type(r.result, f, w, false);
        s += ") RETURNS ";
        s += output_blob ? "PARAMETER " + std::to_string(r.args.size() + 1)
                         : declared_type(r.result, f, result_width(r, f, w), false);
        if (f == Front::legacy) s += r.travel == Travel::block ? " FREE_IT" : r.travel == Travel::value ? " BY VALUE" : "";
        return s;
    };
    if (legacy_wrapped(r)) {
        std::string w = "(";
        for (std::size_t i = 0; i < r.args.size(); ++i) w += (i ? ", " : "") + wrapper_type(r.args[i], false, false);
        o << "- Legacy: `" << w << ") RETURNS " << wrapper_type(r.result, true, false) << "`, a PSQL function over `"
          << legacy_internal_name(r) << " " << decl(Front::legacy, kLegacyText) << "`\n";
    } else {
        o << "- Legacy: `" << decl(Front::legacy, kLegacyText) << "`\n";
    }
    o << "- UDR (W = " << kUdrDefaultWidth << "): `" << decl(Front::udr, kUdrDefaultWidth) << "`\n";
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

// The registry's families in its order, each with its rows and what the reference says of it.
struct FamilyRows {
    const Family* text;
    std::vector<const Row*> rows;
};

std::vector<FamilyRows> families() {
    std::vector<FamilyRows> out;
    for (const Row& r : rows()) {
        const std::string key = r.table.substr(0, r.table.find('/'));
        if (out.empty() || key != out.back().text->key) {
            const Family* f = nullptr;
            for (const Family& t : kFamilyTexts)
                if (key == t.key) f = &t;
            if (f == nullptr) throw std::logic_error("the reference has no title for the family " + key);
            out.push_back({f, {}});
        }
        out.back().rows.push_back(&r);
    }
    return out;
}

}  // namespace

void reference(std::ostream& o) {
    const std::vector<FamilyRows> all = families();
    o << "# Brindle_FB function reference\n\n"
         "Generated from the function registry (`reference_gen`); a test fails when this file is "
         "out of date. "
      << rows().size()
      << " functions. Each is declared under the SQL name given here, through either front end: the legacy "
         "module `Brindle_FB` (text arguments `CSTRING(32767)`; a blob writer is a PSQL function of the same "
         "arguments, its text `VARCHAR(32765)`, that returns a text blob and calls the module under an internal "
         "name) or the UDR module `brindle_udr` (text "
         "arguments `VARCHAR(W)`, W chosen at registration). All text is `CHARACTER SET NONE`: the functions "
         "work on bytes. A text result is declared as wide as the function can make it for the declared "
         "argument width. Every example is run through the engine by the tests.\n\n";
    o << "## Contents\n\n";
    for (const FamilyRows& f : all)
        o << "- [" << f.text->title << "](#" << anchor(f.text->title) << ") (" << f.rows.size() << ")\n";
    o << "\n";
    for (const FamilyRows& f : all) {
        o << "## " << f.text->title << "\n\n" << f.text->about << "\n\n";
        for (const Row* r : f.rows) o << "[" << r->sql << "](#" << anchor(r->sql) << ") ";
        o << "\n\n";
        for (const Row* r : f.rows) function(o, *r);
    }
}

}  // namespace brindle::catalog
