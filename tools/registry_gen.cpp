// Produces from the registry rows everything that describes the functions outside the code:
//
//   registry_gen declare FILE        the legacy declaration script
//   registry_gen drop FILE           the legacy drop script
//   registry_gen kinds FILE          every argument and result as the engine must record it
//   registry_gen exports FILE        the linker version script of the legacy module
//   registry_gen examples FILE       an SQL test of every row's example
//   registry_gen names FILE          SQL name and entry point of every function
//   registry_gen udr-declare W FILE  the UDR declaration script, text parameters W bytes wide
//   registry_gen udr-drop FILE       the UDR drop script
//   registry_gen udr-kinds W FILE    what the engine must record for the UDR declarations
//
// Output is byte-stable and in registry order.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "convert/units.h"
#include "frame/registry.h"

namespace {

using brindle::frame::Kind;
using brindle::frame::Traits;
using brindle::frame::Travel;
using brindle::frame::Width;
using brindle::frame::WidthRule;

struct Row {
    std::string sql, entry;
    Kind result;
    Travel travel;
    std::vector<Kind> args;
    Width width;
    Traits traits;
    std::string summary, example, answer;
};

std::vector<Row> rows() {
    std::vector<Row> r;
#define BRINDLE_FN(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, answer) \
    r.push_back(Row{#sql, #entry, BRK_##result, BRT_##travel, {BR_KINDS args}, BRW_##width, BRX_##traits,        \
                    summary, example, answer});
#include "registry_all.inc"
#undef BRINDLE_FN
    return r;
}

constexpr int kLegacyText = 32767;

bool is_blob(Kind k) { return k == Kind::blob || k == Kind::blob_n; }

// The widest result a row can give when its text arguments are declared arg_width wide,
// never more than limit.
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

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string legacy_type(Kind k) {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return "CSTRING(" + std::to_string(kLegacyText) + ") CHARACTER SET NONE";
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

std::string legacy_returns(const Row& r) {
    if (r.travel == Travel::param) return "PARAMETER " + std::to_string(r.args.size() + 1);
    std::string t = r.result == Kind::text
                        ? "CSTRING(" + std::to_string(result_width(r, kLegacyText, kLegacyText)) + ") CHARACTER SET NONE"
                        : legacy_type(r.result);
    switch (r.travel) {
        case Travel::block: return t + " FREE_IT";
        case Travel::value: return t + " BY VALUE";
        case Travel::arg:
        case Travel::param: return t;
    }
    return t;
}

const char* kDialectCheck =
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

void declare(std::ostream& o, const std::vector<Row>& all) {
    o << "-- Brindle_FB: declares every function of the legacy module Brindle_FB in the current\n"
         "-- database and lets every user execute them. Generated from the function registry.\n"
         "-- Run it with isql after connecting, e.g.  isql-fb -i brindle_declare.sql db.fdb\n\n";
    o << kDialectCheck;
    for (const Row& r : all) {
        o << "DECLARE EXTERNAL FUNCTION " << r.sql << "\n";
        std::vector<std::string> params;
        for (Kind k : r.args) params.push_back(legacy_type(k) + (is_blob(k) ? "" : " NULL"));
        if (r.travel == Travel::param) params.push_back("BLOB");
        if (!params.empty()) {
            o << "  ";
            for (std::size_t i = 0; i < params.size(); ++i) o << (i ? ", " : "") << params[i];
            o << "\n";
        }
        o << "  RETURNS " << legacy_returns(r) << "\n";
        o << "  ENTRY_POINT '" << r.entry << "' MODULE_NAME 'Brindle_FB';\n";
    }
    o << "\n";
    for (const Row& r : all) o << "GRANT EXECUTE ON FUNCTION " << r.sql << " TO PUBLIC;\n";
    o << "COMMIT;\n";
}

void drop(std::ostream& o, const std::vector<Row>& all) {
    o << "-- Brindle_FB: drops every function declared by brindle_declare.sql.\n\n";
    for (const Row& r : all) o << "DROP EXTERNAL FUNCTION " << r.sql << ";\n";
    o << "COMMIT;\n";
}

// One line per argument as RDB$FUNCTION_ARGUMENTS records it for a legacy declaration:
// function, position, mechanism, field type, length, character set (or -).
// The result is position 0, or the output blob's position for RETURNS PARAMETER.
struct EngineType {
    int type, length;
    bool charset;
};
EngineType engine_type(Kind k, int text_width) {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return {40, text_width, true};
        case Kind::int_:
        case Kind::int_n: return {8, 4, false};
        case Kind::smallint: return {7, 2, false};
        case Kind::double_: return {27, 8, false};
        case Kind::timestamp: return {35, 8, false};
        case Kind::date: return {12, 4, false};
        case Kind::time: return {13, 4, false};
        case Kind::blob:
        case Kind::blob_n: return {261, 8, false};
    }
    return {0, 0, false};
}

void kinds(std::ostream& o, const std::vector<Row>& all) {
    // Mechanisms: 1 by reference, 5 by reference with NULL, 3 blob record, -1 FREE_IT, 0 by value.
    for (const Row& r : all) {
        const std::string name = upper(r.sql);
        if (r.travel != Travel::param) {
            const EngineType t = engine_type(r.result, result_width(r, kLegacyText, kLegacyText));
            const int mech = r.travel == Travel::block ? -1 : r.travel == Travel::value ? 0 : 1;
            o << name << " 0 " << mech << " " << t.type << " " << t.length << " " << (t.charset ? "0" : "-") << "\n";
        }
        int pos = 1;
        for (Kind k : r.args) {
            const EngineType t = engine_type(k, kLegacyText);
            o << name << " " << pos++ << " " << (is_blob(k) ? 3 : 5) << " " << t.type << " " << t.length << " "
              << (t.charset ? "0" : "-") << "\n";
        }
        if (r.travel == Travel::param) o << name << " " << pos << " 3 261 8 -\n";
    }
}

// The linker's version script: the entry points are the module's only exported symbols.
void exports(std::ostream& o, const std::vector<Row>& all) {
    o << "{\n  global:\n";
    for (const Row& r : all) o << "    " << r.entry << ";\n";
    o << "  local: *;\n};\n";
}

// An SQL test of every row's example: each must equal its answer. A DOUBLE answer allows for
// the last digits of its decimal literal; an answer "~pattern" is matched with SIMILAR TO,
// and "NULL" asks for SQL NULL.
void examples(std::ostream& o, const std::vector<Row>& all) {
    o << "-- Generated from the function registry: every documented example and its answer.\n";
    for (const Row& r : all) {
        if (r.example.empty()) continue;
        std::string check;
        if (r.answer == "NULL") {
            check = "(" + r.example + ") is null";
        } else if (!r.answer.empty() && r.answer[0] == '~') {
            check = "(" + r.example + ") similar to '" + r.answer.substr(1) + "'";
        } else if (r.result == Kind::double_) {
            check = "abs((" + r.example + ") - (" + r.answer + ")) <= 1e-9 * maxvalue(abs(" + r.answer + "), 1)";
        } else {
            check = "(" + r.example + ") = (" + r.answer + ")";
        }
        o << "select iif(" << check << ", 'ok', 'FAIL') as e_" << r.entry << " from rdb$database;\n";
    }
}

void names(std::ostream& o, const std::vector<Row>& all) {
    for (const Row& r : all) o << r.sql << " " << r.entry << "\n";
}

// ---- the UDR front end ----------------------------------------------------------------
// Text is VARCHAR(W) CHARACTER SET NONE; each text result is as wide as its row's rule gives
// for W, never more than the widest VARCHAR.
constexpr int kUdrMaxText = 32765;

std::string udr_type(Kind k, int text_width) {
    switch (k) {
        case Kind::text:
        case Kind::text_n: return "VARCHAR(" + std::to_string(text_width) + ") CHARACTER SET NONE";
        default: return legacy_type(k);
    }
}

int udr_result_width(const Row& r, int w) { return result_width(r, w, kUdrMaxText); }

void udr_declare(std::ostream& o, const std::vector<Row>& all, int w) {
    o << "-- Brindle_FB: declares every function of the UDR module brindle_udr (libbrindle_udr.so in\n"
         "-- the engine's plugins/udr) in the current database and lets every user execute them.\n"
         "-- Text parameters are declared VARCHAR("
      << w << ") CHARACTER SET NONE. Generated from the function registry.\n"
              "-- Run it with isql after connecting, e.g.  isql-fb -i brindle_udr_declare.sql db.fdb\n\n";
    o << kDialectCheck;
    for (const Row& r : all) {
        o << "CREATE FUNCTION " << r.sql << " (";
        for (std::size_t i = 0; i < r.args.size(); ++i) {
            o << (i ? ", " : "") << "a" << i + 1 << " " << udr_type(r.args[i], w);
        }
        o << ")\n  RETURNS ";
        if (r.result == Kind::text) {
            o << udr_type(Kind::text, udr_result_width(r, w));
        } else {
            o << udr_type(r.result, w);
        }
        if (r.traits != Traits::volatile_) o << " DETERMINISTIC";
        o << "\n  EXTERNAL NAME 'brindle_udr!" << r.entry << "' ENGINE UDR;\n";
    }
    o << "\n";
    for (const Row& r : all) o << "GRANT EXECUTE ON FUNCTION " << r.sql << " TO PUBLIC;\n";
    o << "COMMIT;\n";
}

void udr_drop(std::ostream& o, const std::vector<Row>& all) {
    o << "-- Brindle_FB: drops every function declared by brindle_udr_declare.sql.\n\n";
    for (const Row& r : all) o << "DROP FUNCTION " << r.sql << ";\n";
    o << "COMMIT;\n";
}

// One line per argument of a UDR declaration, as kinds() writes them: a UDR argument has no
// mechanism (-) and its type lies in the domain RDB$FIELD_SOURCE names, VARCHAR (37) for text.
void udr_kinds(std::ostream& o, const std::vector<Row>& all, int w) {
    const auto line = [&](const std::string& name, int pos, Kind k, int width) {
        const EngineType t = engine_type(k, width);
        o << name << " " << pos << " - " << (t.type == 40 ? 37 : t.type) << " " << t.length << " "
          << (t.charset ? "0" : "-") << "\n";
    };
    for (const Row& r : all) {
        const std::string name = upper(r.sql);
        line(name, 0, r.result, r.result == Kind::text ? udr_result_width(r, w) : w);
        int pos = 1;
        for (Kind k : r.args) line(name, pos++, k, w);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    // The UDR modes that take a width: udr-declare W FILE, udr-kinds W FILE.
    int udr_width = 0;
    if ((what == "udr-declare" || what == "udr-kinds") && argc == 4) {
        udr_width = std::atoi(argv[2]);
        if (udr_width < 1 || udr_width > kUdrMaxText) {
            std::cerr << "registry_gen: the width must be 1 to " << kUdrMaxText << "\n";
            return 2;
        }
        argv[2] = argv[3];
        argc = 3;
    }
    if (argc != 3) {
        std::cerr << "usage: registry_gen declare|drop|kinds|exports|examples|names|udr-drop FILE\n"
                     "       registry_gen udr-declare|udr-kinds WIDTH FILE\n";
        return 2;
    }
    const std::vector<Row> all = rows();
    std::ostringstream o;
    if (what == "declare") {
        declare(o, all);
    } else if (what == "drop") {
        drop(o, all);
    } else if (what == "kinds") {
        kinds(o, all);
    } else if (what == "exports") {
        exports(o, all);
    } else if (what == "examples") {
        examples(o, all);
    } else if (what == "names") {
        names(o, all);
    } else if (what == "udr-declare" && udr_width != 0) {
        udr_declare(o, all, udr_width);
    } else if (what == "udr-drop") {
        udr_drop(o, all);
    } else if (what == "udr-kinds" && udr_width != 0) {
        udr_kinds(o, all, udr_width);
    } else {
        std::cerr << "registry_gen: unknown output " << what << "\n";
        return 2;
    }
    // Written only when changed, so that a rebuild leaves unchanged scripts untouched.
    std::ifstream old(argv[2], std::ios::binary);
    std::stringstream before;
    before << old.rdbuf();
    if (old && before.str() == o.str()) return 0;
    std::ofstream f(argv[2], std::ios::binary);
    f << o.str();
    return f ? 0 : 1;
}
