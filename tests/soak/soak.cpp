// A soak through the engine: 8 attachments to one embedded database from 8 threads of this
// process, the way a server serves them, each running every registry example (the generated
// examples.sql) over and over, every answer checked, while the process's resident memory is
// sampled once a second. After the warm-up (the first third of the run) it must stay flat: a
// leaked result block, working buffer or blob handle grows it by megabytes a second. The run
// fails on a wrong answer, on any SQL error, and on growth beyond MAX GROWTH MB (default 8).
//
//   brindle_soak DATABASE EXAMPLES.SQL SECONDS [THREADS] [MAX GROWTH MB]
//
// Each example runs as one statement over the 64 rows of the table SOAK_ROWS (made here), so
// one execution is 64 calls at least. Prints the memory curve, then the calls per second.
#include <ibase.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kRows = 64;

std::mutex out_mu;
std::atomic<bool> stop{false};
std::atomic<long> failures{0};
std::atomic<uint64_t> executions{0};

bool failed(const ISC_STATUS* status, const std::string& what) {
    if (status[0] != 1 || status[1] == 0) return false;
    std::lock_guard<std::mutex> lock(out_mu);
    std::fprintf(stderr, "%s:\n", what.c_str());
    const ISC_STATUS* s = status;
    char msg[512];
    while (fb_interpret(msg, sizeof msg, &s) != 0) std::fprintf(stderr, "  %s\n", msg);
    return true;
}

double rss_mb() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Every example's check, counting the rows where it does not hold: 0 is the answer.
std::vector<std::string> statements(const char* path) {
    std::ifstream in(path);
    std::vector<std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("select iif(", 0) != 0) continue;
        const std::size_t as = line.rfind(" as e_");
        if (as == std::string::npos) continue;
        out.push_back("select count(*) from soak_rows where " + line.substr(7, as - 7) + " <> 'ok'");
    }
    return out;
}

struct Attachment {
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;

    bool attach(const std::string& path) {
        if (isc_attach_database(status, 0, path.c_str(), &db, 0, nullptr), failed(status, "attach")) return false;
        return begin();
    }
    bool begin() {
        static char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                             isc_tpb_nowait};
        isc_start_transaction(status, &tr, 1, &db, static_cast<unsigned short>(sizeof tpb), tpb);
        return !failed(status, "start transaction");
    }
    bool immediate(const char* sql) {
        isc_tr_handle t = 0;
        isc_start_transaction(status, &t, 1, &db, 0, nullptr);
        if (failed(status, "start")) return false;
        isc_dsql_execute_immediate(status, &db, &t, 0, sql, 3, nullptr);
        if (failed(status, sql)) return false;
        isc_commit_transaction(status, &t);
        return !failed(status, "commit");
    }
    void close() {
        if (tr != 0) isc_commit_transaction(status, &tr);
        if (db != 0) isc_detach_database(status, &db);
    }
};

// One prepared check with its single integer column.
struct Check {
    isc_stmt_handle stmt = 0;
    XSQLDA* da = nullptr;
    ISC_INT64 count = 0;
    short null_flag = 0;
    const std::string* sql = nullptr;
};

void worker(const std::string& path, const std::vector<std::string>& sqls, int t) {
    Attachment a;
    if (!a.attach(path)) {
        ++failures;
        return;
    }
    std::vector<Check> checks(sqls.size());
    for (std::size_t i = 0; i < sqls.size(); ++i) {
        Check& c = checks[i];
        c.sql = &sqls[i];
        c.da = static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(1)));
        c.da->version = SQLDA_VERSION1;
        c.da->sqln = 1;
        isc_dsql_allocate_statement(a.status, &a.db, &c.stmt);
        isc_dsql_prepare(a.status, &a.tr, &c.stmt, 0, sqls[i].c_str(), 3, c.da);
        if (failed(a.status, "prepare " + sqls[i])) {
            ++failures;
            return;
        }
        c.da->sqlvar[0].sqltype = SQL_INT64 + 1;
        c.da->sqlvar[0].sqlscale = 0;
        c.da->sqlvar[0].sqllen = sizeof c.count;
        c.da->sqlvar[0].sqldata = reinterpret_cast<ISC_SCHAR*>(&c.count);
        c.da->sqlvar[0].sqlind = &c.null_flag;
    }
    uint64_t done = 0;
    for (std::size_t k = static_cast<std::size_t>(t) * 7; !stop; ++k) {
        Check& c = checks[k % checks.size()];
        isc_dsql_execute(a.status, &a.tr, &c.stmt, 1, nullptr);
        bool bad = failed(a.status, "execute " + *c.sql);
        if (!bad) {
            // A call's error ends the statement when its row is fetched.
            const ISC_STATUS r = isc_dsql_fetch(a.status, &c.stmt, 1, c.da);
            bad = r != 0 && (r == 100 || failed(a.status, "fetch " + *c.sql));
            const bool errored = bad;
            bad = bad || c.null_flag != 0 || c.count != 0;
            isc_dsql_free_statement(a.status, &c.stmt, DSQL_close);
            if (bad && !errored) {
                std::lock_guard<std::mutex> lock(out_mu);
                std::fprintf(stderr, "wrong answer in %lld of %d rows: %s\n", static_cast<long long>(c.count), kRows,
                             c.sql->c_str());
            }
        }
        if (bad) {
            ++failures;
            break;
        }
        ++executions;
        // A fresh transaction now and then, as an application would.
        if (++done % 2000 == 0) {
            isc_commit_transaction(a.status, &a.tr);
            if (failed(a.status, "commit") || !a.begin()) {
                ++failures;
                break;
            }
        }
    }
    for (Check& c : checks) {
        isc_dsql_free_statement(a.status, &c.stmt, DSQL_drop);
        std::free(c.da);
    }
    a.close();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DATABASE EXAMPLES.SQL SECONDS [THREADS] [MAX GROWTH MB]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const std::vector<std::string> sqls = statements(argv[2]);
    const int seconds = std::atoi(argv[3]);
    const int threads = argc > 4 ? std::atoi(argv[4]) : 8;
    const double max_growth = argc > 5 ? std::atof(argv[5]) : 8.0;
    if (sqls.empty()) {
        std::fprintf(stderr, "no examples in %s\n", argv[2]);
        return 2;
    }
    {
        Attachment setup;
        if (!setup.attach(path) || !setup.immediate("recreate table soak_rows (n integer)") ||
            !setup.immediate("insert into soak_rows select first 64 row_number() over () from rdb$fields")) {
            return 1;
        }
        setup.close();
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) pool.emplace_back(worker, path, std::cref(sqls), t);
    // One sample a second; the curve is printed every second of a short run, every tenth of a
    // long one.
    std::vector<double> curve;
    std::vector<uint64_t> done_at;
    const int every = seconds > 60 ? 10 : 1;
    for (int s = 1; s <= seconds && failures == 0; ++s) {
        std::this_thread::sleep_until(start + std::chrono::seconds(s));
        curve.push_back(rss_mb());
        done_at.push_back(executions.load());
        if (s % every == 0 || s == 1) {
            std::printf("t=%ds rss=%.1f MB executions=%llu\n", s, curve.back(),
                        static_cast<unsigned long long>(done_at.back()));
            std::fflush(stdout);
        }
    }
    stop = true;
    for (auto& th : pool) th.join();
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const uint64_t calls = executions * kRows;
    std::printf("%zu examples, %d attachments, %.0f s: %llu executions, at least %llu calls, %.0f calls/s\n",
                sqls.size(), threads, elapsed, static_cast<unsigned long long>(executions.load()),
                static_cast<unsigned long long>(calls), static_cast<double>(calls) / elapsed);
    if (failures != 0) {
        std::printf("FAIL: %ld failures\n", failures.load());
        return 1;
    }
    if (curve.size() < 6) return 0;
    // The warm-up is the first third. Resident memory wanders by a few megabytes with the
    // allocator's arenas, so the highest sample of a window just after the warm-up is compared
    // with the highest of the last window (each a tenth of the run, 3 samples at least): a leak
    // grows it steadily, a wander does not.
    const std::size_t warm = curve.size() / 3;
    const std::size_t window = std::max<std::size_t>(3, curve.size() / 10);
    auto highest = [&](std::size_t from) {
        double h = 0;
        for (std::size_t i = from; i < from + window && i < curve.size(); ++i) h = std::max(h, curve[i]);
        return h;
    };
    const double after = highest(warm), end = highest(curve.size() - window);
    const double growth = end - after;
    const double later_calls = static_cast<double>(done_at.back() - done_at[warm]) * kRows;
    std::printf("resident memory: %.1f MB at 1 s, %.1f MB after the warm-up (%zu s), %.1f MB at the end (%zu s): "
                "%+.1f MB, %.3f bytes per call after the warm-up (bound %.1f MB)\n",
                curve.front(), after, warm + 1, end, curve.size(), growth,
                later_calls > 0 ? growth * 1024 * 1024 / later_calls : 0.0, max_growth);
    if (growth > max_growth) {
        std::printf("FAIL: resident memory grew by %.1f MB after the warm-up\n", growth);
        return 1;
    }
    std::printf("ok\n");
    return 0;
}
