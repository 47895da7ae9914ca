// The registry rows and the SQL statements for them, over the kinds table (catalog.h).
#include "catalog.h"

#include <cctype>
#include <stdexcept>

#include "convert/units.h"

namespace brindle::catalog {

using frame::Kind;
using frame::Traits;
using frame::Travel;
using frame::WidthRule;

namespace {

// The registry as plain data, one entry per row, table heading or note, in registry order: a
// table of constants compiles in a moment where a function building every row would take long.
struct Entry {
    enum What { heading, fn, remark } what;
    const char* sql;    // the table's name, or the note's text
    const char* entry;  // of a row and a note
    Kind result = Kind::text;
    Travel travel = Travel::block;
    Kind args[8] = {};
    std::size_t arg_count = 0;
    frame::Width width = {};
    Traits traits = Traits::pure;
    const char *nulls = "", *summary = "", *example = "", *answer = "";
};

template <typename... K> constexpr std::size_t count(K...) { return sizeof...(K); }

constexpr Entry kEntries[] = {
#define BRINDLE_TABLE(family, name) {Entry::heading, #family "/" #name, ""},
#define BRINDLE_FN(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, answer) \
    {Entry::fn, #sql, #entry, BRK_##result, BRT_##travel, {BR_KINDS args}, count(BR_KINDS args), BRW_##width, \
     BRX_##traits, #nulls, summary, example, answer},
#undef BRINDLE_NOTE
#define BRINDLE_NOTE(entry, note) {Entry::remark, note, #entry},
#include "registry_all.inc"
#undef BRINDLE_NOTE
#define BRINDLE_NOTE(entry, note)
#undef BRINDLE_FN
#undef BRINDLE_TABLE
};

// A note belongs to the row of its entry point, which stands before it.
void add_note(std::vector<Row>& r, const char* entry, const char* note) {
    for (auto it = r.rbegin(); it != r.rend(); ++it)
        if (it->entry == entry) {
            it->notes.emplace_back(note);
            return;
        }
    throw std::logic_error(std::string("a note for an entry point without a row before it: ") + entry);
}

}  // namespace

const std::vector<Row>& rows() {
    static const std::vector<Row> all = [] {
        std::vector<Row> r;
        std::string table;
        for (const Entry& e : kEntries) {
            if (e.what == Entry::heading) {
                table = e.sql;
            } else if (e.what == Entry::remark) {
                add_note(r, e.entry, e.sql);
            } else {
                r.push_back(Row{e.sql, e.entry, e.result, e.travel, {e.args, e.args + e.arg_count}, e.width, e.traits,
                                e.nulls, e.summary, e.example, e.answer, table, {}});
            }
        }
        return r;
    }();
    return all;
}

// ---- the kinds ---------------------------------------------------------------------------

const SqlType& sql_type(Kind k, Front f) { return f == Front::udr ? kind_sql(k).udr : kind_sql(k).legacy; }

namespace {
// The type's name as a declaration writes it, without width or character set.
std::string base_name(const SqlType& t) {
    const bool text_blob = t.field_type == kTextBlob.field_type && t.sub_type == kTextBlob.sub_type;
    return text_blob ? std::string(t.name) + " SUB_TYPE TEXT" : std::string(t.name);
}

std::string type_text(const SqlType& t, int width, bool with_charset) {
    std::string s = base_name(t);
    if (t.sized) s += "(" + std::to_string(width) + ")";
    if (with_charset && t.charset_none) s += " CHARACTER SET NONE";
    return s;
}
}  // namespace

std::string declared_type(Kind k, Front f, int width, bool with_charset) {
    return type_text(sql_type(k, f), width, with_charset);
}

Recorded recorded(Kind k, Front f, int width) {
    const SqlType& t = sql_type(k, f);
    return {t.field_type, t.sized ? width : kind_sql(k).length, t.charset_none, t.sub_type};
}

std::string recorded_name(int field_type, int length, int sub_type) {
    if (field_type == 14) return "CHAR(" + std::to_string(length) + ")";
    for (const SqlType* t : kSqlTypes) {
        if (t->field_type != field_type || (field_type == 261 && t->sub_type != sub_type)) continue;
        return t->sized ? base_name(*t) + "(" + std::to_string(length) + ")" : base_name(*t);
    }
    if (field_type == 261) return "BLOB SUB_TYPE " + std::to_string(sub_type);
    return "type " + std::to_string(field_type);
}

int result_width(const Row& r, int arg_width, int limit) {
    return r.width.rule == WidthRule::none ? 0 : static_cast<int>(declared_width(r.width, arg_width, limit));
}

int result_width(const Row& r, Front f, int width) {
    return f == Front::udr ? result_width(r, width, kUdrMaxText) : result_width(r, kLegacyText, kLegacyText);
}

bool deterministic(const Row& r) { return r.traits != Traits::volatile_ && !is_blob(r.result); }

// ---- the statements ------------------------------------------------------------------------

namespace {

std::string legacy_returns(const Row& r) {
    if (r.travel == Travel::param) return "PARAMETER " + std::to_string(r.args.size() + 1);
    const std::string t = declared_type(r.result, Front::legacy, result_width(r, Front::legacy, kLegacyText));
    switch (r.travel) {
        case Travel::block: return t + " FREE_IT";
        case Travel::value: return t + " BY VALUE";
        case Travel::arg:
        case Travel::param: break;
    }
    return t;
}

// (a1 VARCHAR(W) ..., ...) RETURNS ... [DETERMINISTIC] EXTERNAL NAME ... ENGINE UDR
std::string udr_signature(const Row& r, int width) {
    std::string s = " (";
    for (std::size_t i = 0; i < r.args.size(); ++i) {
        s += (i ? ", " : "") + std::string("a") + std::to_string(i + 1) + " " +
             declared_type(r.args[i], Front::udr, width);
    }
    s += ")\n  RETURNS " + declared_type(r.result, Front::udr, result_width(r, Front::udr, width));
    if (deterministic(r)) s += " DETERMINISTIC";
    s += "\n  EXTERNAL NAME '" + udr_external_name(r) + "' ENGINE UDR";
    return s;
}

}  // namespace

std::string legacy_declaration(const Row& r, const std::string& name) {
    std::string s = "DECLARE EXTERNAL FUNCTION " + name + "\n";
    std::vector<std::string> params;
    for (Kind k : r.args) params.push_back(declared_type(k, Front::legacy, kLegacyText) + (is_blob(k) ? "" : " NULL"));
    if (r.travel == Travel::param) params.push_back(declared_type(r.result, Front::legacy, kLegacyText));
    if (!params.empty()) {
        s += "  ";
        for (std::size_t i = 0; i < params.size(); ++i) s += (i ? ", " : "") + params[i];
        s += "\n";
    }
    s += "  RETURNS " + legacy_returns(r) + "\n";
    s += "  ENTRY_POINT '" + r.entry + "' MODULE_NAME '" + kLegacyModule + "'";
    return s;
}

std::string legacy_drop(const std::string& name) { return "DROP EXTERNAL FUNCTION " + name; }

bool legacy_wrapped(const Row& r) { return r.travel == Travel::param; }

std::string legacy_internal_name(const Row& r) {
    std::string s = "BRINDLE$";
    for (char c : r.entry) s += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

namespace {
const SqlType& wrapper_sql_type(Kind k, bool result) {
    if (is_text(k)) return kVarchar;
    return is_blob(k) && result ? kTextBlob : kind_sql(k).legacy;
}
}  // namespace

std::string wrapper_type(Kind k, bool result, bool with_charset) {
    return type_text(wrapper_sql_type(k, result), kUdrMaxText, with_charset);
}

Recorded wrapper_recorded(Kind k, bool result) {
    const SqlType& t = wrapper_sql_type(k, result);
    return {t.field_type, t.sized ? kUdrMaxText : kind_sql(k).length, t.charset_none, t.sub_type};
}

std::string legacy_wrapper(const Row& r, const std::string& name, bool alter) {
    std::string params, call;
    for (std::size_t i = 0; i < r.args.size(); ++i) {
        const std::string a = "A" + std::to_string(i + 1);
        params += (i ? ", " : "") + a + " " + wrapper_type(r.args[i], false);
        call += (i ? ", " : "") + a;
    }
    return (alter ? "ALTER FUNCTION " : "CREATE FUNCTION ") + name + " (" + params + ")\n  RETURNS " +
           wrapper_type(r.result, true) + "\nAS BEGIN RETURN " + legacy_internal_name(r) + "(" + call + "); END";
}

std::string legacy_wrapper_grant(const Row& r, const std::string& name) {
    return "GRANT EXECUTE ON FUNCTION " + legacy_internal_name(r) + " TO FUNCTION " + name;
}

std::vector<std::string> legacy_statements(const Row& r, const std::string& name) {
    if (!legacy_wrapped(r)) return {legacy_declaration(r, name)};
    return {legacy_declaration(r, legacy_internal_name(r)), legacy_wrapper(r, name), legacy_wrapper_grant(r, name)};
}

std::vector<std::string> legacy_drops(const Row& r, const std::string& name) {
    if (!legacy_wrapped(r)) return {legacy_drop(name)};
    return {udr_drop(name), legacy_drop(legacy_internal_name(r))};
}

std::string udr_external_name(const Row& r) { return std::string(kUdrModule) + "!" + r.entry; }

std::string udr_declaration(const Row& r, const std::string& name, int width) {
    return "CREATE FUNCTION " + name + udr_signature(r, width);
}

std::string udr_alteration(const Row& r, const std::string& name, int width) {
    return "ALTER FUNCTION " + name + udr_signature(r, width);
}

std::string udr_drop(const std::string& name) { return "DROP FUNCTION " + name; }

const char* const kDialectCheck =
    "SET BAIL ON;\n"
    "SET TERM ^ ;\n"
    "EXECUTE BLOCK AS\n"
    "  DECLARE stop INTEGER;\n"
    "BEGIN\n"
    "  IF ((SELECT MON$SQL_DIALECT FROM MON$DATABASE) < 3) THEN\n"
    "    stop = CAST('Brindle_FB needs a dialect 3 database: in dialect 1 a DATE result becomes a "
    "TIMESTAMP and TIME is refused' AS INTEGER);\n"
    "END^\n"
    "SET TERM ; ^\n\n";

}  // namespace brindle::catalog
