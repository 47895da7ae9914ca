// What a client program sees when it binds parameters to these functions: a prepared
// statement, its parameters described, bound and executed through the client library's
// XSQLDA interface, the way client libraries and drivers do it.
//
//   bind_params DATABASE
//
// Prints one line per check, ending in "ok" or "FAIL", like the SQL tests.
#include <ibase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

ISC_STATUS_ARRAY status;
isc_db_handle db = 0;
isc_tr_handle tr = 0;
int failures = 0;
int passes = 0;

void die(const char* what) {
    std::fprintf(stderr, "%s failed:\n", what);
    const ISC_STATUS* s = status;
    char msg[512];
    while (fb_interpret(msg, sizeof msg, &s) != 0) std::fprintf(stderr, "  %s\n", msg);
    std::exit(1);
}

void check(const char* name, bool ok, const std::string& detail = "") {
    std::printf("%-52s %s%s\n", name, detail.empty() ? "" : (detail + "  ").c_str(), ok ? "ok" : "FAIL");
    ok ? ++passes : ++failures;
}

XSQLDA* alloc_da(int n) {
    auto* da = static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(n)));
    da->version = SQLDA_VERSION1;
    da->sqln = static_cast<ISC_SHORT>(n);
    return da;
}

// One bound text parameter, one result column. How the text is bound:
//   padded   as a client that fills a CHAR parameter to its described length with blanks
//   own      SQL_TEXT with the text's own length, as a C client may do
//   null     SQL NULL, the null flag set
enum class Bind { padded, own, null };

struct Outcome {
    bool error = false;
    std::string error_text;
    short param_type = 0;  // described parameter: SQL type without the null bit
    short param_len = 0;
    bool param_nullable = false;
    bool null_result = false;
    std::string text;  // the result as text
    long number = 0;   // the result as an integer, for integer columns
};

Outcome run(const char* sql, const std::string& value, Bind how) {
    Outcome o;
    isc_stmt_handle st = 0;
    if (isc_dsql_allocate_statement(status, &db, &st)) die("allocate");
    XSQLDA* out = alloc_da(1);
    if (isc_dsql_prepare(status, &tr, &st, 0, sql, 3, out)) die(sql);
    XSQLDA* in = alloc_da(1);
    if (isc_dsql_describe_bind(status, &st, 1, in)) die("describe_bind");
    XSQLVAR& p = in->sqlvar[0];
    o.param_type = static_cast<short>(p.sqltype & ~1);
    o.param_len = p.sqllen;
    o.param_nullable = (p.sqltype & 1) != 0;

    std::vector<char> buf;
    short null_flag = how == Bind::null ? -1 : 0;
    if (how == Bind::padded && o.param_type == SQL_TEXT) {
        buf.assign(static_cast<std::size_t>(p.sqllen), ' ');
        std::memcpy(buf.data(), value.data(), value.size());
        p.sqltype = SQL_TEXT | 1;
    } else {
        buf.assign(value.begin(), value.end());
        if (buf.empty()) buf.push_back(0);
        p.sqltype = SQL_TEXT | 1;
        p.sqllen = static_cast<ISC_SHORT>(value.size());
    }
    p.sqldata = buf.data();
    p.sqlind = &null_flag;

    XSQLVAR& r = out->sqlvar[0];
    std::vector<char> rbuf(static_cast<std::size_t>(r.sqllen) + 2 + 8);
    short rnull = 0;
    r.sqldata = rbuf.data();
    r.sqlind = &rnull;
    const short rtype = static_cast<short>(r.sqltype & ~1);

    if (isc_dsql_execute(status, &tr, &st, 3, in) || isc_dsql_fetch(status, &st, 3, out) != 0) {
        o.error = true;
        const ISC_STATUS* s = status;
        char msg[512];
        while (fb_interpret(msg, sizeof msg, &s) != 0) o.error_text += std::string(msg) + "; ";
    } else if (rnull != 0) {
        o.null_result = true;
    } else if (rtype == SQL_VARYING) {
        short len;
        std::memcpy(&len, rbuf.data(), 2);
        o.text.assign(rbuf.data() + 2, static_cast<std::size_t>(len));
    } else if (rtype == SQL_TEXT) {
        o.text.assign(rbuf.data(), static_cast<std::size_t>(r.sqllen));
    } else if (rtype == SQL_LONG) {
        int32_t v;
        std::memcpy(&v, rbuf.data(), 4);
        o.number = v;
    }
    isc_dsql_free_statement(status, &st, DSQL_drop);
    std::free(in);
    std::free(out);
    return o;
}

std::string described(const Outcome& o) {
    const char* t = o.param_type == SQL_TEXT ? "CHAR" : o.param_type == SQL_VARYING ? "VARCHAR" : "?";
    return std::string(t) + "(" + std::to_string(o.param_len) + ")" + (o.param_nullable ? "" : " NOT NULL");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bind_params DATABASE legacy|udr\n");
        return 2;
    }
    const std::string front = argv[2];
    const bool legacy = front == "legacy";
    char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A'};
    if (isc_attach_database(status, 0, argv[1], &db, sizeof dpb, dpb)) die("attach");
    if (isc_start_transaction(status, &tr, 1, &db, 0, nullptr)) die("start transaction");

    // Bare parameter: a legacy CSTRING(32767) argument is described as CHAR(32767), and a
    // client that fills CHAR parameters pads the text with blanks to that length.
    const Outcome len_padded = run("select stringlength(?) from rdb$database", "ab", Bind::padded);
    const Outcome len_own = run("select stringlength(?) from rdb$database", "ab", Bind::own);
    const Outcome pad_padded = run("select padleft(?, '0', 6) from rdb$database", "ab", Bind::padded);
    if (legacy) {
        check("bare parameter described as CHAR(32767)", len_padded.param_type == SQL_TEXT && len_padded.param_len == 32767,
              described(len_padded));
        check("padded bind: stringlength sees 32767 bytes", !len_padded.error && len_padded.number == 32767,
              std::to_string(len_padded.number));
        check("padded bind: padleft answers for the padded text",
              !pad_padded.error && pad_padded.text.size() >= 32765 && pad_padded.text.compare(0, 2, "ab") == 0);
    } else {
        check("bare parameter described as VARCHAR", len_padded.param_type == SQL_VARYING, described(len_padded));
        check("bind: stringlength sees the text itself", !len_padded.error && len_padded.number == 2,
              std::to_string(len_padded.number));
        check("bind: padleft answers for the text itself", !pad_padded.error && pad_padded.text == "0000ab", pad_padded.text);
    }
    check("text bound with its own length", !len_own.error && len_own.number == 2, std::to_string(len_own.number));

    // With the cast the parameter is a VARCHAR: nothing is padded, whatever the client.
    const Outcome len_cast = run("select stringlength(cast(? as varchar(100))) from rdb$database", "ab", Bind::padded);
    const Outcome pad_cast = run("select padleft(cast(? as varchar(100)), '0', 6) from rdb$database", "ab", Bind::padded);
    const Outcome md5_cast = run("select encryptmd5(cast(? as varchar(100))) from rdb$database", "abc", Bind::padded);
    check("cast parameter described as VARCHAR(100)", len_cast.param_type == SQL_VARYING && len_cast.param_len == 100,
          described(len_cast));
    check("cast: stringlength sees the text itself", !len_cast.error && len_cast.number == 2);
    check("cast: padleft answers for the text itself", !pad_cast.error && pad_cast.text == "0000ab", pad_cast.text);
    check("cast: encryptmd5 digests the text itself",
          !md5_cast.error && md5_cast.text == "900150983cd24fb0d6963f7d28e17f72", md5_cast.text);

    // SQL NULL sent with the null flag set reaches the function as NULL, whatever the
    // parameter's description says about nullability.
    const Outcome null_bare = run("select br_ltrim(?) from rdb$database", "", Bind::null);
    const Outcome null_cast = run("select br_ltrim(cast(? as varchar(10))) from rdb$database", "", Bind::null);
    check("NULL bound with the null flag gives NULL", !null_bare.error && null_bare.null_result, null_bare.error_text);
    check("NULL bound through a cast gives NULL", !null_cast.error && null_cast.null_result, null_cast.error_text);

    // 8-bit text passes byte for byte.
    const std::string bytes = "\xC4\xE9\xFF\x80";
    const Outcome byte_copy = run("select br_left(cast(? as varchar(10) character set none), 10) from rdb$database",
                                  bytes, Bind::own);
    check("8-bit bytes come back unchanged", !byte_copy.error && byte_copy.text == bytes);

    isc_commit_transaction(status, &tr);
    isc_detach_database(status, &db);
    std::printf("bound-parameter checks: %d ok, %d failing\n", passes, failures);
    return failures == 0 ? 0 : 1;
}
