// brindle-register: declares, switches or drops every Brindle_FB function in a database.
//
//   brindle-register DATABASE [--udr | --legacy] [--text-width W] [--drop] [--grant ROLE]
//                    [--user U --password P]
//
// DATABASE is a file (embedded engine) or a connection string such as host:/path/db.fdb. The
// user and password default to ISC_USER and ISC_PASSWORD, as for Firebird's own tools.
// Everything happens in one transaction: either every function is declared (or switched, or
// dropped) or nothing changes. Existing declarations of these functions are found by module and
// entry point and keep their SQL names; a function of the same name that is not ours is never
// replaced; a kept name that differs from the registry's current one is named beside it. A
// database that has legacy declarations is switched to UDR in place (ALTER FUNCTION), so views,
// procedures and triggers that call them keep working; Firebird 3 has no way back in place, so
// --legacy switches back only the functions nothing uses, and the blob writers, whose legacy
// form is a PSQL function (catalog.h, legacy_wrapped) that ALTER FUNCTION reaches. Declarations
// of an earlier version whose blobs are binary are altered in place to text blobs: UDR ones
// directly, legacy blob writers into the PSQL function over an internal external declaration.
#include <ibase.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog.h"

namespace {

using brindle::catalog::Row;
using brindle::frame::Kind;
using brindle::frame::Travel;
namespace cat = brindle::catalog;

ISC_STATUS_ARRAY status;

// The engine's messages for the last failed call, one per line.
std::string engine_message() {
    std::string out;
    if (status[0] != 1 || status[1] == 0) return out;
    const ISC_STATUS* s = status;
    char msg[1024];
    while (fb_interpret(msg, sizeof msg, &s) > 0) out += std::string("\n  ") + msg;
    return out;
}

[[noreturn]] void fail(const std::string& what, const std::string& detail = engine_message()) {
    std::fprintf(stderr, "brindle-register: %s%s\n", what.c_str(), detail.c_str());
    std::exit(1);
}

std::string trim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string join(const std::vector<std::string>& v, const char* sep) {
    std::string s;
    for (const auto& x : v) s += (s.empty() ? "" : sep) + x;
    return s;
}

// An SQL name as a quoted identifier, so that a name stored in any case or spelling is met.
std::string quoted(const std::string& name) {
    std::string q = "\"";
    for (char c : name) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

// A string literal.
std::string literal(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("''") : std::string(1, c);
    return q + "'";
}

class Db {
public:
    Db(const std::string& path, const char* user, const char* password) {
        std::string dpb(1, static_cast<char>(isc_dpb_version1));
        auto add = [&dpb](char tag, const char* v) {
            if (v == nullptr || *v == 0) return;
            const std::size_t n = std::strlen(v);
            if (n > 255) fail("a user name or password longer than 255 bytes", "");
            dpb += tag;
            dpb += static_cast<char>(n);
            dpb += v;
        };
        add(isc_dpb_user_name, user);
        add(isc_dpb_password, password);
        add(isc_dpb_lc_ctype, "NONE");
        if (isc_attach_database(status, 0, path.c_str(), &db_, static_cast<short>(dpb.size()), dpb.data()))
            fail("cannot attach " + path);
    }
    ~Db() {
        if (tr_ != 0) isc_rollback_transaction(status, &tr_);
        isc_detach_database(status, &db_);
    }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    int dialect() {
        char item = isc_info_db_sql_dialect, buf[32];
        if (isc_database_info(status, &db_, 1, &item, sizeof buf, buf)) fail("cannot read the database's dialect");
        if (buf[0] != isc_info_db_sql_dialect) return 3;
        const short len = static_cast<short>(isc_vax_integer(buf + 1, 2));
        if (len < 1 || len > 4) return 3;
        return static_cast<int>(isc_vax_integer(buf + 3, len));
    }
    void start() {
        if (isc_start_transaction(status, &tr_, 1, &db_, 0, nullptr)) fail("cannot start a transaction");
    }
    void commit() {
        if (isc_commit_transaction(status, &tr_)) fail("commit failed, nothing changed");
        tr_ = 0;
    }
    void rollback() {
        ISC_STATUS_ARRAY keep;  // the error that led here stays the one reported
        isc_rollback_transaction(keep, &tr_);
        tr_ = 0;
    }
    // Executes one statement; returns false (status set) on an error.
    bool exec(const std::string& sql) {
        return isc_dsql_execute_immediate(status, &db_, &tr_, 0, sql.c_str(), 3, nullptr) == 0;
    }
    // Runs a query whose every column is text (cast in the query) and returns its rows; a NULL
    // reads as an empty text. Returns false (status set) when the query fails.
    bool try_query(const std::string& sql, std::vector<std::vector<std::string>>& out) {
        constexpr short kMaxColumns = 8;
        out.clear();
        isc_stmt_handle st = 0;
        if (isc_dsql_allocate_statement(status, &db_, &st)) return false;
        std::vector<char> da_mem(XSQLDA_LENGTH(kMaxColumns));
        XSQLDA* da = reinterpret_cast<XSQLDA*>(da_mem.data());
        da->version = SQLDA_VERSION1;
        da->sqln = kMaxColumns;
        bool ok = isc_dsql_prepare(status, &tr_, &st, 0, sql.c_str(), 3, da) == 0 && da->sqld <= kMaxColumns;
        std::vector<std::vector<char>> bufs(ok ? static_cast<std::size_t>(da->sqld) : 0);
        std::vector<short> nulls(bufs.size());
        for (std::size_t i = 0; i < bufs.size(); ++i) {
            XSQLVAR& v = da->sqlvar[i];
            bufs[i].resize(static_cast<std::size_t>(v.sqllen) + 2);
            v.sqldata = bufs[i].data();
            v.sqlind = &nulls[i];
            v.sqltype = static_cast<short>(v.sqltype | 1);
        }
        ok = ok && isc_dsql_execute(status, &tr_, &st, 3, nullptr) == 0;
        ISC_STATUS fetched = 0;
        while (ok && (fetched = isc_dsql_fetch(status, &st, 3, da)) == 0) {
            std::vector<std::string> row;
            for (std::size_t i = 0; i < bufs.size(); ++i) {
                const XSQLVAR& v = da->sqlvar[i];
                if (nulls[i] != 0) {
                    row.emplace_back();
                } else if ((v.sqltype & ~1) == SQL_VARYING) {
                    short len;
                    std::memcpy(&len, v.sqldata, 2);
                    if (len < 0 || len > v.sqllen) len = v.sqllen;
                    row.emplace_back(v.sqldata + 2, static_cast<std::size_t>(len));
                } else {
                    row.push_back(trim(std::string(v.sqldata, static_cast<std::size_t>(v.sqllen))));
                }
            }
            out.push_back(std::move(row));
        }
        ok = ok && fetched == 100;
        ISC_STATUS_ARRAY ignored;
        isc_dsql_free_statement(ok ? status : ignored, &st, DSQL_drop);
        return ok;
    }
    std::vector<std::vector<std::string>> query(const std::string& sql) {
        std::vector<std::vector<std::string>> out;
        if (!try_query(sql, out)) fail("query failed: " + sql);
        return out;
    }

private:
    isc_db_handle db_ = 0;
    isc_tr_handle tr_ = 0;
};

struct Options {
    std::string database;
    bool udr = true;
    int width = 0;  // 0: not given
    bool drop = false;
    std::string grant = "PUBLIC";
    const char* user = std::getenv("ISC_USER");
    const char* password = std::getenv("ISC_PASSWORD");
};

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "usage: brindle-register DATABASE [--udr | --legacy] [--text-width W] [--drop]\n"
                 "                        [--grant ROLE] [--user U --password P]\n"
                 "Declares every Brindle_FB function in DATABASE (a file, or host:/path) through the UDR\n"
                 "front end (the default) or the legacy one, switches existing declarations in place, or\n"
                 "drops them (--drop); EXECUTE goes to PUBLIC or to ROLE. User and password default to\n"
                 "ISC_USER and ISC_PASSWORD.\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) usage();
            return argv[++i];
        };
        if (a == "--udr") {
            o.udr = true;
        } else if (a == "--legacy") {
            o.udr = false;
        } else if (a == "--text-width") {
            const std::string v = value();
            char* end = nullptr;
            const long w = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end != 0 || w < 1 || w > cat::kUdrMaxText) {
                std::fprintf(stderr, "brindle-register: --text-width takes 1 to %d\n", cat::kUdrMaxText);
                std::exit(2);
            }
            o.width = static_cast<int>(w);
        } else if (a == "--drop") {
            o.drop = true;
        } else if (a == "--grant") {
            o.grant = upper(value());
        } else if (a == "--user") {
            o.user = value();
        } else if (a == "--password") {
            o.password = value();
        } else if (a == "-h" || a == "--help" || (!a.empty() && a[0] == '-')) {
            usage();
        } else if (o.database.empty()) {
            o.database = a;
        } else {
            usage();
        }
    }
    if (o.database.empty()) usage();
    return o;
}

// A function the database already has.
struct Existing {
    std::string name;
    std::string module, entry, engine;
    bool ours = false;
    bool udr = false;
    bool deterministic = false;
    bool wrapped = false;   // a legacy blob writer's PSQL function (catalog.h, legacy_wrapped)
    std::string our_entry;  // the registry entry point, when ours
};

// Ours: a legacy declaration of an entry point of Brindle_FB (MODULE_NAME 'Brindle_FB', with or
// without a directory or .so), or a UDR one of brindle_udr!entry.
void classify(Existing& e, const std::set<std::string>& entries) {
    if (e.engine.empty()) {
        std::string m = e.module;
        const auto slash = m.find_last_of("/\\");
        if (slash != std::string::npos) m.erase(0, slash + 1);
        if (m.size() > 3 && m.compare(m.size() - 3, 3, ".so") == 0) m.resize(m.size() - 3);
        if (m == cat::kLegacyModule && entries.count(e.entry)) {
            e.ours = true;
            e.our_entry = e.entry;
        }
    } else if (upper(e.engine) == "UDR") {
        const std::string prefix = std::string(cat::kUdrModule) + "!";
        if (e.entry.compare(0, prefix.size(), prefix) != 0) return;
        std::string entry = e.entry.substr(prefix.size());
        const auto bang = entry.find('!');
        if (bang != std::string::npos) entry.resize(bang);
        if (entries.count(entry)) {
            e.ours = true;
            e.udr = true;
            e.our_entry = entry;
        }
    }
}

// A type as the engine records it, named as a declaration names it.
std::string type_name(const cat::Recorded& t) { return cat::recorded_name(t.field_type, t.length, t.sub_type); }

// A declaration as the engine records it, argument by argument in position order (the result
// first, or as the last argument for a legacy output blob): "(A, B) -> R".
std::string signature(const std::vector<std::string>& args, const std::string& result) {
    std::string s = "(";  // appended piece by piece: g++ 12 -O3 warns falsely on "literal" + string
    s += join(args, ", ");
    s += ") -> ";
    s += result;
    return s;
}

std::string expected_signature(const Row& r, bool udr, int width) {
    if (!udr && cat::legacy_wrapped(r)) {
        std::vector<std::string> args;
        for (Kind k : r.args) args.push_back(type_name(cat::wrapper_recorded(k, false)));
        return signature(args, type_name(cat::wrapper_recorded(r.result, true)));
    }
    const cat::Front f = udr ? cat::Front::udr : cat::Front::legacy;
    const int text = udr ? width : cat::kLegacyText;
    std::vector<std::string> args;
    for (Kind k : r.args) args.push_back(type_name(cat::recorded(k, f, text)));
    std::string result = type_name(cat::recorded(r.result, f, cat::result_width(r, f, text)));
    if (!udr && r.travel == Travel::param) args.push_back(result);
    return signature(args, result);
}

// A declaration as the engine records it.
struct Declared {
    std::string signature;  // "(A, B) -> R", see signature()
    int text_width = 0;     // the length of its first text argument; 0 without one
    bool binary_blob = false;  // a blob argument or result of sub-type 0 (binary)
};

std::map<std::string, Declared> declared(Db& db) {
    std::map<std::string, std::pair<std::vector<std::string>, std::string>> parts;
    std::map<std::string, Declared> out;
    for (const auto& r :
         db.query("select cast(a.rdb$function_name as varchar(63)), cast(a.rdb$argument_position as varchar(6)),"
                  " cast(coalesce(a.rdb$field_type, f.rdb$field_type, 0) as varchar(6)),"
                  " cast(coalesce(a.rdb$field_length, f.rdb$field_length, 0) as varchar(11)),"
                  " cast(fn.rdb$return_argument as varchar(6)),"
                  " cast(coalesce(a.rdb$field_sub_type, f.rdb$field_sub_type, 0) as varchar(6))"
                  " from rdb$function_arguments a"
                  " join rdb$functions fn on fn.rdb$function_name = a.rdb$function_name and fn.rdb$package_name is null"
                  " left join rdb$fields f on f.rdb$field_name = a.rdb$field_source"
                  " where a.rdb$package_name is null order by 1, 2")) {
        const std::string name = trim(r[0]);
        auto& p = parts[name];
        Declared& d = out[name];
        const int type = std::atoi(r[2].c_str()), length = std::atoi(r[3].c_str()), sub = std::atoi(r[5].c_str());
        const std::string t = cat::recorded_name(type, length, sub);
        const int pos = std::atoi(r[1].c_str()), ret = std::atoi(r[4].c_str());
        if (pos == ret) p.second = t;
        if (pos != 0) p.first.push_back(t);
        if (pos != ret && d.text_width == 0 && (type == 37 || type == 40)) d.text_width = length;
        if (type == 261 && sub == 0) d.binary_blob = true;
    }
    for (const auto& [name, p] : parts) out[name].signature = signature(p.first, p.second);
    return out;
}

bool has_blob(const Row& r) {
    if (cat::is_blob(r.result)) return true;
    for (Kind k : r.args)
        if (cat::is_blob(k)) return true;
    return false;
}

const char* object_kind(int type) {
    switch (type) {
        case 0: return "table";
        case 1: return "view";
        case 2: return "trigger";
        case 3: return "computed column";
        case 5: return "procedure";
        case 15: return "function";
        case 18: return "package";
        case 19: return "package body";
        default: return "object";
    }
}

// What calls each function: "view V", "procedure P", "trigger T". A view's or a table's column
// computed by a function is recorded as its own field (type 3), named after the relation here.
std::map<std::string, std::set<std::string>> dependents_of(Db& db) {
    std::map<std::string, std::set<std::string>> out;
    for (const auto& r : db.query(
             "select distinct cast(d.rdb$depended_on_name as varchar(63)),"
             " cast(coalesce(rf.rdb$relation_name, d.rdb$dependent_name) as varchar(63)),"
             " cast(case when rf.rdb$relation_name is null then d.rdb$dependent_type"
             " when r.rdb$view_blr is null then 0 else 1 end as varchar(6))"
             " from rdb$dependencies d"
             " left join rdb$relation_fields rf on d.rdb$dependent_type = 3 and rf.rdb$field_source = d.rdb$dependent_name"
             " left join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name"
             " where d.rdb$depended_on_type = 15")) {
        out[trim(r[0])].insert(std::string(object_kind(std::atoi(r[2].c_str()))) + " " + trim(r[1]));
    }
    return out;
}

std::string dependents_text(const std::set<std::string>& d) {
    return join(std::vector<std::string>(d.begin(), d.end()), ", ");
}

}  // namespace

int main(int argc, char** argv) {
    const Options opt = parse(argc, argv);
    Db db(opt.database, opt.user, opt.password);
    if (db.dialect() < 3)
        fail("refused: " + opt.database +
                 " is a dialect-1 database (a DATE result would become a TIMESTAMP and TIME is refused)",
             "");
    db.start();

    const auto& rows = cat::rows();
    std::set<std::string> entries;
    for (const Row& r : rows) entries.insert(r.entry);

    // What the database has: every function, and which of them are ours.
    std::map<std::string, Existing> by_name;
    std::map<std::string, Existing> ours_by_entry;
    std::map<std::string, const Row*> internal_names;  // BRINDLE$ENTRY of each blob writer
    for (const Row& r : rows)
        if (cat::legacy_wrapped(r)) internal_names[cat::legacy_internal_name(r)] = &r;
    std::map<std::string, Existing> internals;  // by entry point
    for (const auto& r : db.query("select cast(rdb$function_name as varchar(63)),"
                                  " cast(coalesce(rdb$module_name, '') as varchar(255)),"
                                  " cast(coalesce(rdb$entrypoint, '') as varchar(255)),"
                                  " cast(coalesce(rdb$engine_name, '') as varchar(63)),"
                                  " cast(coalesce(rdb$deterministic_flag, 0) as varchar(6))"
                                  " from rdb$functions where rdb$package_name is null order by 1")) {
        Existing e;
        e.name = trim(r[0]);
        e.module = trim(r[1]);
        e.entry = trim(r[2]);
        e.engine = trim(r[3]);
        e.deterministic = std::atoi(r[4].c_str()) != 0;
        classify(e, entries);
        by_name[e.name] = e;
        const auto in = internal_names.find(e.name);
        if (e.ours && !e.udr && in != internal_names.end() && in->second->entry == e.our_entry) {
            internals[e.our_entry] = e;
        } else if (e.ours && !ours_by_entry.count(e.our_entry)) {
            ours_by_entry[e.our_entry] = e;
        }
    }
    // A blob writer's legacy declaration: the PSQL function that calls its internal one.
    std::vector<std::string> orphans;  // internal declarations without their PSQL function
    for (const auto& [entry, in] : internals) {
        const auto callers = db.query("select cast(d.rdb$dependent_name as varchar(63)) from rdb$dependencies d"
                                      " join rdb$functions f on f.rdb$function_name = d.rdb$dependent_name"
                                      " and f.rdb$package_name is null and f.rdb$engine_name is null"
                                      " and f.rdb$module_name is null"
                                      " where d.rdb$depended_on_type = 15 and d.rdb$dependent_type = 15"
                                      " and d.rdb$depended_on_name = " + literal(in.name));
        if (callers.empty() || ours_by_entry.count(entry)) {
            if (callers.empty()) orphans.push_back(in.name);
            continue;
        }
        Existing w = by_name[trim(callers[0][0])];
        w.ours = true;
        w.wrapped = true;
        w.our_entry = entry;
        ours_by_entry[entry] = w;
    }

    // A function of one of our names that is not that entry point of ours is the user's own:
    // it is never replaced.
    std::vector<std::string> conflicts;
    for (const Row& r : rows) {
        if (ours_by_entry.count(r.entry)) continue;
        const auto it = by_name.find(upper(r.sql));
        if (it == by_name.end()) continue;
        const Existing& e = it->second;
        conflicts.push_back(e.name + " (" +
                            (e.engine.empty() ? "module " + literal(e.module) + ", entry point " + literal(e.entry)
                                              : "engine " + e.engine + ", external name " + literal(e.entry)) +
                            ")");
    }
    if (!conflicts.empty() && !opt.drop)
        fail("refused, nothing changed: the database has functions of these names that are not this "
             "library's declarations of them:\n  " + join(conflicts, "\n  "),
             "");

    if (opt.grant != "PUBLIC" &&
        db.query("select 1 from rdb$roles where rdb$role_name = " + literal(opt.grant)).empty())
        fail("refused: the database has no role " + opt.grant, "");
    const std::string grantee = opt.grant == "PUBLIC" ? std::string("PUBLIC") : "ROLE " + quoted(opt.grant);
    std::set<std::string> granted;
    for (const auto& r : db.query("select distinct cast(rdb$relation_name as varchar(63)) from rdb$user_privileges"
                                  " where rdb$privilege = 'X' and rdb$object_type = 15 and rdb$user = " +
                                  literal(opt.grant)))
        granted.insert(trim(r[0]));

    const auto declarations = declared(db);
    const auto dependents = dependents_of(db);
    int declared = 0, switched = 0, dropped = 0, kept = 0, grants = 0;
    std::vector<std::string> differing, refused, renamed, blobs_altered;
    auto run = [&](const std::string& sql) {
        if (!db.exec(sql)) {
            const std::string why = engine_message();
            db.rollback();
            fail("failed, nothing changed:\n" + sql, why);
        }
    };
    // An internal declaration left without its PSQL function is declared again when needed.
    for (const auto& n : orphans) run(cat::legacy_drop(n));
    auto run_all = [&](const std::vector<std::string>& sqls) {
        for (const auto& sql : sqls) run(sql);
    };
    // A blob writer's legacy form over what `name` is now: its internal declaration, then
    // `name` altered into the PSQL function that calls it.
    auto to_wrapper = [&](const Row& r, const std::string& name) {
        run(cat::legacy_declaration(r, cat::legacy_internal_name(r)));
        run(cat::legacy_wrapper(r, quoted(name), true));
        run(cat::legacy_wrapper_grant(r, quoted(name)));
    };
    auto grant = [&](const std::string& name) {
        if (granted.count(name)) return;
        run("GRANT EXECUTE ON FUNCTION " + quoted(name) + " TO " + grantee);
        ++grants;
    };
    for (const Row& r : rows) {
        const auto it = ours_by_entry.find(r.entry);
        const bool have = it != ours_by_entry.end();
        const std::string name = have ? it->second.name : upper(r.sql);
        const auto dep = dependents.find(name);
        const bool used = dep != dependents.end();
        // A function others call keeps the widest text, so that what they pass and expect fits.
        const int width = opt.width != 0 ? opt.width : used ? cat::kUdrMaxText : cat::kUdrDefaultWidth;
        if (opt.drop) {
            if (!have) continue;
            if (used) {
                refused.push_back(name + " (used by " + dependents_text(dep->second) + ")");
                continue;
            }
            if (it->second.udr) {
                run(cat::udr_drop(quoted(name)));
            } else {
                run_all(it->second.wrapped ? cat::legacy_drops(r, quoted(name))
                                           : std::vector<std::string>{cat::legacy_drop(quoted(name))});
            }
            ++dropped;
            continue;
        }
        if (!have) {
            run_all(opt.udr ? std::vector<std::string>{cat::udr_declaration(r, quoted(name), width)}
                            : cat::legacy_statements(r, quoted(name)));
            granted.erase(name);  // a privilege left from an earlier declaration does not carry over
            ++declared;
        } else if (it->second.udr == opt.udr) {
            ++kept;
            const auto d = declarations.find(name);
            std::string have_sig = d == declarations.end() ? std::string("?") : d->second.signature;
            // Blobs declared binary (or a blob writer declared DETERMINISTIC) by an earlier
            // version: altered in place to text blobs at the text width the function has, so that
            // what calls it keeps working. A legacy blob writer declared directly becomes the
            // PSQL function over its internal declaration; legacy blob arguments stay binary.
            const bool old_blobs = has_blob(r) && d != declarations.end() &&
                                   (d->second.binary_blob || (cat::is_blob(r.result) && it->second.deterministic));
            if (old_blobs && opt.udr) {
                const int w = d->second.text_width != 0 ? d->second.text_width : width;
                run(cat::udr_alteration(r, quoted(name), w));
                blobs_altered.push_back(name);
                have_sig = expected_signature(r, true, w);
            } else if (!opt.udr && cat::legacy_wrapped(r) && !it->second.wrapped) {
                to_wrapper(r, name);
                blobs_altered.push_back(name);
                have_sig = expected_signature(r, false, width);
            }
            const std::string want = expected_signature(r, opt.udr, width);
            if (have_sig != want) differing.push_back(name + ": declared " + have_sig + ", this version " + want);
        } else if (opt.udr) {
            // Legacy to UDR, in place: dependents keep working.
            run(cat::udr_alteration(r, quoted(name), width));
            if (it->second.wrapped) run(cat::legacy_drop(cat::legacy_internal_name(r)));
            ++switched;
        } else if (cat::legacy_wrapped(r)) {
            // UDR to legacy for a blob writer: in place, used or not.
            to_wrapper(r, name);
            ++switched;
        } else if (used) {
            refused.push_back(name + " (used by " + dependents_text(dep->second) + ")");
            continue;
        } else {
            run(cat::udr_drop(quoted(name)));
            run(cat::legacy_declaration(r, quoted(name)));
            granted.erase(name);
            ++switched;
        }
        if (have && name != upper(r.sql)) renamed.push_back(name + " keeps its name; new declarations call it " + upper(r.sql));
        grant(name);
    }
    const char* front = opt.udr ? "UDR" : "legacy";
    if (opt.drop) {
        if (!refused.empty()) {
            db.rollback();
            fail("refused, nothing dropped: these functions are still used:\n  " + join(refused, "\n  "), "");
        }
        db.commit();
        std::printf("brindle-register: %s: dropped %d functions\n", opt.database.c_str(), dropped);
        return 0;
    }
    db.commit();
    std::printf("brindle-register: %s: %d declared, %d switched to the %s front end, %d already declared, "
                "%d granted EXECUTE to %s\n",
                opt.database.c_str(), declared, switched, front, kept, grants, opt.grant.c_str());
    for (const auto& n : renamed) std::printf("  %s\n", n.c_str());
    if (!blobs_altered.empty())
        std::printf(opt.udr ? "  blob arguments and results now BLOB SUB_TYPE TEXT CHARACTER SET NONE (altered in place, "
                              "a cast to text keeps every byte): %s\n"
                            : "  blob results now BLOB SUB_TYPE TEXT CHARACTER SET NONE (altered in place into PSQL "
                              "functions over the legacy declarations, a cast to text keeps every byte): %s\n",
                    join(blobs_altered, ", ").c_str());
    for (const auto& d : differing)
        std::printf("  declared differently from what this run would declare (drop and declare to update): %s\n",
                    d.c_str());
    if (!refused.empty())
        std::printf("  not switched back, being used (Firebird 3 cannot switch a UDR declaration back in place, "
                    "and refuses to drop a function in use):\n    %s\n",
                    join(refused, "\n    ").c_str());

    // Prove that the server can load the module: version() through the front end it now has.
    const auto v = ours_by_entry.count("version") ? ours_by_entry["version"].name : std::string("VERSION");
    db.start();
    const auto engine = db.query("select cast(coalesce(rdb$engine_name, 'legacy') as varchar(63)) from rdb$functions"
                                 " where rdb$function_name = " + literal(v) + " and rdb$package_name is null");
    std::vector<std::vector<std::string>> answer;
    if (!db.try_query("select cast(" + quoted(v) + "() as varchar(64)) from rdb$database", answer) ||
        answer.empty() || answer[0].empty() || answer[0][0].empty()) {
        fail("the functions are declared, but the server cannot run " + v +
                 "(): is the module where the server looks for it (UDR: plugins/udr; legacy: a directory "
                 "UdfAccess allows in firebird.conf)?",
             engine_message());
    }
    db.commit();
    std::printf("  %s() through the %s front end: %s\n", v.c_str(),
                engine.empty() ? "?" : trim(upper(engine[0][0])) == "UDR" ? "UDR" : "legacy", answer[0][0].c_str());
    return refused.empty() ? 0 : 1;
}
