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
// replaced. A database that has legacy declarations is switched to UDR in place (ALTER
// FUNCTION), so views, procedures and triggers that call them keep working.
#include <ibase.h>

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
namespace cat = brindle::catalog;

ISC_STATUS_ARRAY status;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "brindle-register: %s\n", what.c_str());
    const ISC_STATUS* s = status;
    char msg[1024];
    if (status[1] != 0) {
        while (fb_interpret(msg, sizeof msg, &s) != 0) std::fprintf(stderr, "  %s\n", msg);
    }
    std::exit(1);
}

class Db {
public:
    Db(const std::string& path, const char* user, const char* password) {
        std::string dpb(1, static_cast<char>(isc_dpb_version1));
        auto add = [&dpb](char tag, const char* v) {
            if (v == nullptr || *v == 0) return;
            dpb += tag;
            dpb += static_cast<char>(std::strlen(v));
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
    int dialect() {
        char item = isc_info_db_sql_dialect, buf[32];
        if (isc_database_info(status, &db_, 1, &item, sizeof buf, buf)) fail("database info");
        if (buf[0] != isc_info_db_sql_dialect) return 3;
        const short len = static_cast<short>(isc_vax_integer(buf + 1, 2));
        return static_cast<int>(isc_vax_integer(buf + 3, len));
    }
    void start() {
        if (isc_start_transaction(status, &tr_, 1, &db_, 0, nullptr)) fail("start transaction");
    }
    void commit() {
        if (isc_commit_transaction(status, &tr_)) fail("commit");
        tr_ = 0;
    }
    void rollback() {
        isc_rollback_transaction(status, &tr_);
        tr_ = 0;
    }
    // Executes one statement; returns false (status set) on an error.
    bool exec(const std::string& sql) {
        return isc_dsql_execute_immediate(status, &db_, &tr_, 0, sql.c_str(), 3, nullptr) == 0;
    }
    // Runs a query whose every column is text (cast in the query) and returns its rows.
    std::vector<std::vector<std::string>> query(const std::string& sql) {
        std::vector<std::vector<std::string>> out;
        isc_stmt_handle st = 0;
        if (isc_dsql_allocate_statement(status, &db_, &st)) fail("allocate statement");
        XSQLDA* da = static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(16)));
        da->version = SQLDA_VERSION1;
        da->sqln = 16;
        if (isc_dsql_prepare(status, &tr_, &st, 0, sql.c_str(), 3, da)) fail("prepare: " + sql);
        std::vector<std::vector<char>> bufs(static_cast<std::size_t>(da->sqld));
        std::vector<short> nulls(static_cast<std::size_t>(da->sqld));
        for (int i = 0; i < da->sqld; ++i) {
            XSQLVAR& v = da->sqlvar[i];
            bufs[static_cast<std::size_t>(i)].resize(static_cast<std::size_t>(v.sqllen) + 2);
            v.sqldata = bufs[static_cast<std::size_t>(i)].data();
            v.sqlind = &nulls[static_cast<std::size_t>(i)];
            v.sqltype = static_cast<short>(v.sqltype | 1);
        }
        if (isc_dsql_execute(status, &tr_, &st, 3, nullptr)) fail("execute: " + sql);
        while (isc_dsql_fetch(status, &st, 3, da) == 0) {
            std::vector<std::string> row;
            for (int i = 0; i < da->sqld; ++i) {
                const XSQLVAR& v = da->sqlvar[i];
                if (nulls[static_cast<std::size_t>(i)] != 0) {
                    row.emplace_back();
                } else if ((v.sqltype & ~1) == SQL_VARYING) {
                    short len;
                    std::memcpy(&len, v.sqldata, 2);
                    row.emplace_back(v.sqldata + 2, static_cast<std::size_t>(len));
                } else {
                    std::string t(v.sqldata, static_cast<std::size_t>(v.sqllen));
                    while (!t.empty() && t.back() == ' ') t.pop_back();
                    row.push_back(t);
                }
            }
            out.push_back(row);
        }
        isc_dsql_free_statement(status, &st, DSQL_drop);
        std::free(da);
        return out;
    }

private:
    isc_db_handle db_ = 0;
    isc_tr_handle tr_ = 0;
};

std::string trim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// A function the database already has.
struct Existing {
    std::string name;
    bool ours = false;
    bool udr = false;
    std::string entry;  // our entry point, when ours
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
                 "                        [--grant ROLE] [--user U --password P]\n");
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
            o.width = std::atoi(value());
            if (o.width < 1 || o.width > cat::kUdrMaxText) {
                std::fprintf(stderr, "brindle-register: --text-width takes 1 to %d\n", cat::kUdrMaxText);
                std::exit(2);
            }
        } else if (a == "--drop") {
            o.drop = true;
        } else if (a == "--grant") {
            o.grant = value();
        } else if (a == "--user") {
            o.user = value();
        } else if (a == "--password") {
            o.password = value();
        } else if (!a.empty() && a[0] == '-') {
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

// The declared width of every text argument and result of a function, in order (position 0 is
// the result), as the engine recorded it.
std::map<std::string, std::vector<int>> declared_widths(Db& db) {
    std::map<std::string, std::vector<int>> w;
    for (const auto& r : db.query(
             "select cast(a.rdb$function_name as varchar(63)), cast(a.rdb$argument_position as varchar(5)),"
             " cast(coalesce(a.rdb$field_length, 0) as varchar(10)), cast(a.rdb$field_type as varchar(5))"
             " from rdb$function_arguments a where a.rdb$package_name is null"
             " order by a.rdb$function_name, a.rdb$argument_position")) {
        const int type = std::atoi(r[3].c_str());
        if (type == 40 || type == 37 || type == 14) w[trim(r[0])].push_back(std::atoi(r[2].c_str()));
    }
    return w;
}

std::vector<int> expected_widths(const Row& r, bool udr, int width) {
    std::vector<int> w;
    const int arg = udr ? width : cat::kLegacyText;
    if (r.result == brindle::frame::Kind::text && r.travel != brindle::frame::Travel::param)
        w.push_back(cat::result_width(r, arg, udr ? cat::kUdrMaxText : cat::kLegacyText));
    for (auto k : r.args)
        if (cat::is_text(k)) w.push_back(arg);
    return w;
}

}  // namespace

int main(int argc, char** argv) {
    const Options opt = parse(argc, argv);
    Db db(opt.database, opt.user, opt.password);
    if (db.dialect() < 3)
        fail("refused: " + opt.database +
             " is a dialect-1 database (a DATE result would become a TIMESTAMP and TIME is refused)");
    db.start();

    // What the database has: every function, and which of them are ours.
    std::map<std::string, Existing> by_name;
    std::map<std::string, Existing> ours_by_entry;
    for (const auto& r : db.query("select cast(rdb$function_name as varchar(63)),"
                                  " cast(coalesce(rdb$module_name, '') as varchar(255)),"
                                  " cast(coalesce(rdb$entrypoint, '') as varchar(255)),"
                                  " cast(coalesce(rdb$engine_name, '') as varchar(63))"
                                  " from rdb$functions where rdb$package_name is null")) {
        Existing e;
        e.name = trim(r[0]);
        const std::string module = trim(r[1]), entry = trim(r[2]), engine = trim(r[3]);
        const std::string udr_prefix = std::string(cat::kUdrModule) + "!";
        if (engine.empty() && module == cat::kLegacyModule) {
            e.ours = true;
            e.entry = entry;
        } else if (upper(engine) == "UDR" && entry.compare(0, udr_prefix.size(), udr_prefix) == 0) {
            e.ours = true;
            e.udr = true;
            e.entry = entry.substr(udr_prefix.size());
        }
        by_name[e.name] = e;
        if (e.ours) ours_by_entry[e.entry] = e;
    }

    // Functions that call ours: views, procedures, triggers.
    std::map<std::string, std::set<std::string>> dependents;
    for (const auto& r : db.query("select cast(rdb$depended_on_name as varchar(63)),"
                                  " cast(rdb$dependent_name as varchar(63)) from rdb$dependencies"
                                  " where rdb$depended_on_type = 15")) {
        dependents[trim(r[0])].insert(trim(r[1]));
    }

    const auto& rows = cat::rows();
    std::vector<std::string> conflicts;
    for (const Row& r : rows) {
        if (ours_by_entry.count(r.entry)) continue;
        const auto it = by_name.find(upper(r.sql));
        if (it != by_name.end() && !it->second.ours) conflicts.push_back(upper(r.sql));
    }
    if (!conflicts.empty() && !opt.drop) {
        std::string names;
        for (const auto& n : conflicts) names += (names.empty() ? "" : ", ") + n;
        fail("refused: the database already has functions of these names that are not Brindle_FB's: " + names);
    }

    const auto widths = declared_widths(db);
    int declared = 0, switched = 0, dropped = 0, kept = 0;
    std::vector<std::string> differing, refused;
    auto run = [&](const std::string& sql) {
        if (!db.exec(sql)) {
            db.rollback();
            fail("failed, nothing changed: " + sql);
        }
    };
    for (const Row& r : rows) {
        const auto it = ours_by_entry.find(r.entry);
        const bool have = it != ours_by_entry.end();
        const std::string name = have ? it->second.name : r.sql;
        const bool has_dependents = have && dependents.count(upper(name)) != 0;
        const int width = opt.width != 0 ? opt.width : has_dependents ? cat::kUdrMaxText : cat::kUdrDefaultWidth;
        if (opt.drop) {
            if (!have) continue;
            if (has_dependents) {
                std::string who;
                for (const auto& d : dependents[upper(name)]) who += (who.empty() ? "" : ", ") + d;
                refused.push_back(name + " (used by " + who + ")");
                continue;
            }
            run(it->second.udr ? cat::udr_drop(name) : cat::legacy_drop(name));
            ++dropped;
            continue;
        }
        if (!have) {
            run(opt.udr ? cat::udr_declaration(r, name, width) : cat::legacy_declaration(r, name));
            ++declared;
        } else if (it->second.udr == opt.udr) {
            ++kept;
            const auto w = widths.find(upper(name));
            const std::vector<int> want = expected_widths(r, opt.udr, opt.udr ? width : cat::kLegacyText);
            if (w == widths.end() ? !want.empty() : w->second != want) differing.push_back(name);
            continue;
        } else if (opt.udr) {
            // Legacy to UDR, in place: dependents keep working.
            run(cat::udr_alteration(r, name, width));
            ++switched;
        } else if (has_dependents) {
            std::string who;
            for (const auto& d : dependents[upper(name)]) who += (who.empty() ? "" : ", ") + d;
            refused.push_back(name + " (used by " + who + ")");
            continue;
        } else {
            run(cat::udr_drop(name));
            run(cat::legacy_declaration(r, name));
            ++switched;
        }
        run("GRANT EXECUTE ON FUNCTION " + name + " TO " + opt.grant);
    }
    std::string refused_list;
    for (const auto& n : refused) refused_list += "\n  " + n;
    if (!refused.empty() && opt.drop) {
        db.rollback();
        fail("refused, nothing dropped: these functions are still used:" + refused_list);
    }
    db.commit();
    if (!refused.empty()) {
        // Firebird has no way back in place: a used function keeps the UDR front end.
        std::printf("brindle-register: %d switched to the legacy front end; refused for these, which are "
                    "used and cannot be switched back in place:%s\n",
                    switched, refused_list.c_str());
        return 1;
    }

    const char* front = opt.udr ? "UDR" : "legacy";
    if (opt.drop) {
        std::printf("brindle-register: dropped %d functions from %s\n", dropped, opt.database.c_str());
        return 0;
    }
    std::printf("brindle-register: %s: %d declared, %d switched to the %s front end, %d already declared\n",
                opt.database.c_str(), declared, switched, front, kept);
    for (const auto& n : differing)
        std::printf("  declared differently from this version (re-declare to update): %s\n", n.c_str());

    // Prove that the server can load the module.
    db.start();
    const auto v = ours_by_entry.count("version") ? ours_by_entry["version"].name : std::string("version");
    const auto answer = db.query("select cast(" + v + "() as varchar(64)) from rdb$database");
    db.commit();
    if (answer.empty() || answer[0].empty() || answer[0][0].empty()) fail("version() gave no answer");
    std::printf("  %s() through the %s front end: %s\n", v.c_str(), front, answer[0][0].c_str());
    return 0;
}
