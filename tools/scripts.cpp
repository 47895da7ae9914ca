// The files registry_gen writes from the catalog (catalog.h, outputs()): the declaration and
// drop scripts of both front ends, what the engine must record for them, the legacy module's
// export list, the SQL test of the examples and the list of names. Byte-stable, in registry
// order.
#include <fstream>
#include <sstream>
#include <string>

#include "catalog.h"

namespace brindle::catalog {

using frame::Kind;
using frame::Travel;

namespace {

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The scripts end by letting every user execute every function.
void grants(std::ostream& o) {
    o << "\n";
    for (const Row& r : rows()) o << "GRANT EXECUTE ON FUNCTION " << r.sql << " TO PUBLIC;\n";
    o << "COMMIT;\n";
}

void declare(std::ostream& o, int) {
    o << "-- Brindle_FB: declares every function of the legacy module Brindle_FB in the current\n"
         "-- database and lets every user execute them. Generated from the function registry.\n"
         "-- Run it with isql after connecting, e.g.  isql-fb -i brindle_declare.sql db.fdb\n\n";
    o << kDialectCheck;
    for (const Row& r : rows())
        if (!legacy_wrapped(r)) o << legacy_declaration(r, r.sql) << ";\n";
    // The blob writers: each under its internal name, called through a PSQL function of its own
    // name that returns a text blob (catalog.h, legacy_wrapped).
    o << "\n";
    for (const Row& r : rows())
        if (legacy_wrapped(r)) o << legacy_declaration(r, legacy_internal_name(r)) << ";\n";
    o << "SET TERM ^ ;\n";
    for (const Row& r : rows())
        if (legacy_wrapped(r)) o << legacy_wrapper(r, r.sql) << "^\n";
    o << "SET TERM ; ^\n";
    for (const Row& r : rows())
        if (legacy_wrapped(r)) o << legacy_wrapper_grant(r, r.sql) << ";\n";
    grants(o);
}

void udr_declare(std::ostream& o, int w) {
    o << "-- Brindle_FB: declares every function of the UDR module brindle_udr (libbrindle_udr.so in\n"
         "-- the engine's plugins/udr) in the current database and lets every user execute them.\n"
         "-- Text parameters are declared VARCHAR("
      << w << ") CHARACTER SET NONE. Generated from the function registry.\n"
              "-- Run it with isql after connecting, e.g.  isql-fb -i brindle_udr_declare.sql db.fdb\n\n";
    o << kDialectCheck;
    for (const Row& r : rows()) o << udr_declaration(r, r.sql, w) << ";\n";
    grants(o);
}

void drops(std::ostream& o, const char* script, std::vector<std::string> (*drop)(const Row&, const std::string&)) {
    o << "-- Brindle_FB: drops every function declared by " << script << ".\n\n";
    for (const Row& r : rows())
        for (const std::string& s : drop(r, r.sql)) o << s << ";\n";
    o << "COMMIT;\n";
}
void drop(std::ostream& o, int) { drops(o, "brindle_declare.sql", legacy_drops); }
void udr_drop_script(std::ostream& o, int) {
    drops(o, "brindle_udr_declare.sql",
          [](const Row&, const std::string& name) { return std::vector<std::string>{udr_drop(name)}; });
}

// One line per argument as RDB$FUNCTION_ARGUMENTS records it: function, position, mechanism,
// field type, length, character set (or -), a blob's sub-type (or -). The result is position 0, or the output blob's
// position for a legacy RETURNS PARAMETER. A UDR argument has no mechanism (-) and its type
// lies in the domain RDB$FIELD_SOURCE names.
void kind_line(std::ostream& o, const std::string& name, int pos, const std::string& mech, const Recorded& t) {
    o << name << " " << pos << " " << mech << " " << t.field_type << " " << t.length << " "
      << (t.charset_none ? "0" : "-") << " " << (t.sub_type < 0 ? "-" : std::to_string(t.sub_type)) << "\n";
}

void kinds(std::ostream& o, int) {
    // Mechanisms: 1 by reference, 5 by reference with NULL, 3 blob record, -1 FREE_IT, 0 by value.
    for (const Row& r : rows()) {
        // A blob writer: the PSQL function of its name (no mechanism), then the internal
        // external declaration it calls.
        if (legacy_wrapped(r)) {
            const std::string name = upper(r.sql);
            kind_line(o, name, 0, "-", wrapper_recorded(r.result, true));
            int pos = 1;
            for (Kind k : r.args) kind_line(o, name, pos++, "-", wrapper_recorded(k, false));
        }
        const std::string name = legacy_wrapped(r) ? legacy_internal_name(r) : upper(r.sql);
        if (r.travel != Travel::param) {
            const int mech = r.travel == Travel::block ? -1 : r.travel == Travel::value ? 0 : 1;
            kind_line(o, name, 0, std::to_string(mech),
                      recorded(r.result, Front::legacy, result_width(r, Front::legacy, kLegacyText)));
        }
        int pos = 1;
        for (Kind k : r.args) kind_line(o, name, pos++, is_blob(k) ? "3" : "5", recorded(k, Front::legacy, kLegacyText));
        if (r.travel == Travel::param) kind_line(o, name, pos, "3", recorded(r.result, Front::legacy, kLegacyText));
    }
}

void udr_kinds(std::ostream& o, int w) {
    for (const Row& r : rows()) {
        const std::string name = upper(r.sql);
        kind_line(o, name, 0, "-", recorded(r.result, Front::udr, result_width(r, Front::udr, w)));
        int pos = 1;
        for (Kind k : r.args) kind_line(o, name, pos++, "-", recorded(k, Front::udr, w));
    }
}

// The linker's version script: the entry points are the module's only exported symbols.
void exports(std::ostream& o, int) {
    o << "{\n  global:\n";
    for (const Row& r : rows()) o << "    " << r.entry << ";\n";
    o << "  local: *;\n};\n";
}

// An SQL test of every row's example: each must equal its answer. A DOUBLE answer allows for
// the last digits of its decimal literal; an answer "~pattern" is matched with SIMILAR TO,
// and "NULL" asks for SQL NULL.
void examples(std::ostream& o, int) {
    o << "-- Generated from the function registry: every documented example and its answer.\n";
    for (const Row& r : rows()) {
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

// Every SQL name a declaration script declares: the public ones, then the blob writers'
// internal legacy names.
void names(std::ostream& o, int) {
    for (const Row& r : rows()) o << r.sql << " " << r.entry << "\n";
    for (const Row& r : rows())
        if (legacy_wrapped(r)) o << legacy_internal_name(r) << " " << r.entry << "\n";
}

}  // namespace

const std::vector<Output>& outputs() {
    static const std::vector<Output> all = {
        {"declare", false, declare, "the legacy declaration script"},
        {"drop", false, drop, "the legacy drop script"},
        {"kinds", false, kinds, "every argument and result as the engine must record it"},
        {"exports", false, exports, "the linker version script of the legacy module"},
        {"examples", false, examples, "an SQL test of every row's example"},
        {"names", false, names, "SQL name and entry point of every function"},
        {"udr-declare", true, udr_declare, "the UDR declaration script, text parameters W bytes wide"},
        {"udr-drop", false, udr_drop_script, "the UDR drop script"},
        {"udr-kinds", true, udr_kinds, "what the engine must record for the UDR declarations"},
    };
    return all;
}

bool write_if_changed(const std::string& path, const std::string& text) {
    std::ifstream old(path, std::ios::binary);
    std::stringstream before;
    before << old.rdbuf();
    if (old && before.str() == text) return true;
    std::ofstream f(path, std::ios::binary);
    f << text;
    return static_cast<bool>(f);
}

}  // namespace brindle::catalog
