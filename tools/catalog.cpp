// The registry rows and the SQL statements for them (catalog.h).
#include "catalog.h"

#include <stdexcept>

#include "convert/units.h"

namespace brindle::catalog {

using frame::Kind;
using frame::Traits;
using frame::Travel;
using frame::WidthRule;

namespace {

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
#define BRINDLE_TABLE(family, name) table = #family "/" #name;
#define BRINDLE_FN(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, answer) \
    r.push_back(Row{#sql, #entry, BRK_##result, BRT_##travel, {BR_KINDS args}, BRW_##width, BRX_##traits, #nulls, \
                    summary, example, answer, table, {}});
#undef BRINDLE_NOTE
#define BRINDLE_NOTE(entry, note) add_note(r, #entry, note);
#include "registry_all.inc"
#undef BRINDLE_NOTE
#define BRINDLE_NOTE(entry, note)
#undef BRINDLE_FN
#undef BRINDLE_TABLE
        return r;
    }();
    return all;
}

bool is_text(Kind k) { return k == Kind::text || k == Kind::text_n; }
bool is_blob(Kind k) { return k == Kind::blob || k == Kind::blob_n; }

int result_width(const Row& r, int arg_width, int limit) {
    long w = limit;
    switch (r.width.rule) {
        case WidthRule::none: return 0;
        case WidthRule::fixed: w = r.width.a; break;
        case WidthRule::arg: w = arg_width; break;
        case WidthRule::times: w = static_cast<long>(arg_width) * r.width.k; break;
        case WidthRule::widest: w = limit; break;
    }
    if (w > limit) w = limit;
    if (w < 1) w = 1;
    return static_cast<int>(w);
}

namespace {

std::string plain_type(Kind k) {
    switch (k) {
        case Kind::int_:
        case Kind::int_n: return "INTEGER";
        case Kind::smallint: return "SMALLINT";
        case Kind::double_: return "DOUBLE PRECISION";
        case Kind::timestamp: return "TIMESTAMP";
        case Kind::date: return "DATE";
        case Kind::time: return "TIME";
        case Kind::blob:
        case Kind::blob_n: return "BLOB";
        case Kind::text:
        case Kind::text_n: break;
    }
    return "?";
}

std::string legacy_type(Kind k) {
    return is_text(k) ? "CSTRING(" + std::to_string(kLegacyText) + ") CHARACTER SET NONE" : plain_type(k);
}

std::string legacy_returns(const Row& r) {
    if (r.travel == Travel::param) return "PARAMETER " + std::to_string(r.args.size() + 1);
    const std::string t =
        r.result == Kind::text
            ? "CSTRING(" + std::to_string(result_width(r, kLegacyText, kLegacyText)) + ") CHARACTER SET NONE"
            : legacy_type(r.result);
    switch (r.travel) {
        case Travel::block: return t + " FREE_IT";
        case Travel::value: return t + " BY VALUE";
        case Travel::arg:
        case Travel::param: break;
    }
    return t;
}

std::string udr_type(Kind k, int width) {
    return is_text(k) ? "VARCHAR(" + std::to_string(width) + ") CHARACTER SET NONE" : plain_type(k);
}

// (a1 VARCHAR(W) ..., ...) RETURNS ... [DETERMINISTIC] EXTERNAL NAME ... ENGINE UDR
std::string udr_signature(const Row& r, int width) {
    std::string s = " (";
    for (std::size_t i = 0; i < r.args.size(); ++i) {
        s += (i ? ", " : "") + std::string("a") + std::to_string(i + 1) + " " + udr_type(r.args[i], width);
    }
    s += ")\n  RETURNS ";
    s += r.result == Kind::text ? udr_type(Kind::text, result_width(r, width, kUdrMaxText)) : udr_type(r.result, width);
    if (r.traits != Traits::volatile_) s += " DETERMINISTIC";
    s += "\n  EXTERNAL NAME '" + udr_external_name(r) + "' ENGINE UDR";
    return s;
}

}  // namespace

std::string legacy_declaration(const Row& r, const std::string& name) {
    std::string s = "DECLARE EXTERNAL FUNCTION " + name + "\n";
    std::vector<std::string> params;
    for (Kind k : r.args) params.push_back(legacy_type(k) + (is_blob(k) ? "" : " NULL"));
    if (r.travel == Travel::param) params.push_back("BLOB");
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
