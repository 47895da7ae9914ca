// Cost per call of the search, replace, case and phonetic functions on a short (100-byte) and a
// long (30000-byte) text.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

extern "C" {
int32_t* strpos(const char*, const char*);
int32_t* stringcount(const char*, const char*);
int32_t* wordcount(const char*);
char* wordnum(const char*, const int32_t*, const char*, const int32_t*);
char* replace(const char*, const char*, const char*);
char* replacestring(const char*, const char*, const char*, const int32_t*, const int32_t*);
char* upper(const char*);
char* rlatin(const char*);
char* propercase(const char*);
char* keyup(const char*, const int32_t*);
char* soundex(const char*);
char* gsoundex(const char*);
char* floattostr(const double*, const char*);
char* encryptmd5(const char*);
}

namespace {

// German-looking prose with some 8-bit letters, n bytes long.
std::string prose(std::size_t n) {
    static const char* words[] = {"Meier", "und", "M\xFC" "ller", "schreiben", "Stra\xDF" "e", "der",
                                  "Schmidt", "quer", "Haus", "\xC4pfel", "am", "See"};
    std::string s;
    for (std::size_t i = 0; s.size() < n; ++i) {
        s += words[(i * 7) % std::size(words)];
        s += ' ';
    }
    s.resize(n);
    return s;
}

// A text of repeated 'a' with a needle that almost matches everywhere: the worst case of a
// naive search.
std::string run_of_a(std::size_t n) { return std::string(n, 'a'); }

template <typename F>
void run(benchmark::State& state, F f) {
    for (auto _ : state) {
        auto* p = f();
        benchmark::DoNotOptimize(p);
        std::free(p);
    }
}

void BM_strpos(benchmark::State& st) {
    const std::string s = prose(st.range(0)) + "needle";
    run(st, [&] { return strpos("needle", s.c_str()); });
}
void BM_strpos_worstcase(benchmark::State& st) {
    const std::string s = run_of_a(st.range(0));
    const std::string needle = std::string(50, 'a') + "b";
    run(st, [&] { return strpos(needle.c_str(), s.c_str()); });
}
void BM_stringcount(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return stringcount(s.c_str(), "er"); });
}
void BM_wordcount(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return wordcount(s.c_str()); });
}
void BM_wordnum(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    const int32_t n = 1000000, mode = 0;  // beyond the last word: walks the whole text
    run(st, [&] { return wordnum(s.c_str(), &n, " ", &mode); });
}
void BM_replace(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return replace(s.c_str(), "er", "ER"); });
}
void BM_replacestring_nocase(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    const int32_t all = 1, nocase = 1;
    run(st, [&] { return replacestring(s.c_str(), "m\xDCLLER", "X", &all, &nocase); });
}
void BM_replace_worstcase(benchmark::State& st) {
    const std::string s = run_of_a(st.range(0));
    const std::string find = std::string(50, 'a') + "b";
    run(st, [&] { return replace(s.c_str(), find.c_str(), "x"); });
}
void BM_upper(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return upper(s.c_str()); });
}
void BM_rlatin(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return rlatin(s.c_str()); });
}
void BM_propercase(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return propercase(s.c_str()); });
}
void BM_keyup(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    const int32_t max = 32767;
    run(st, [&] { return keyup(s.c_str(), &max); });
}
void BM_soundex(benchmark::State& st) {
    const std::string s = std::string("T") + std::string(st.range(0) - 1, 'a');  // no digits: whole walk
    run(st, [&] { return soundex(s.c_str()); });
}
void BM_gsoundex(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return gsoundex(s.c_str()); });
}
void BM_encryptmd5(benchmark::State& st) {
    const std::string s = prose(st.range(0));
    run(st, [&] { return encryptmd5(s.c_str()); });
}
void BM_floattostr(benchmark::State& st) {
    const double x = 1234.56789;
    run(st, [&] { return floattostr(&x, "value: %12.4e"); });
}

}  // namespace

BENCHMARK(BM_strpos)->Arg(100)->Arg(30000);
BENCHMARK(BM_strpos_worstcase)->Arg(100)->Arg(30000);
BENCHMARK(BM_stringcount)->Arg(100)->Arg(30000);
BENCHMARK(BM_wordcount)->Arg(100)->Arg(30000);
BENCHMARK(BM_wordnum)->Arg(100)->Arg(30000);
BENCHMARK(BM_replace)->Arg(100)->Arg(30000);
BENCHMARK(BM_replacestring_nocase)->Arg(100)->Arg(30000);
BENCHMARK(BM_replace_worstcase)->Arg(100)->Arg(30000);
BENCHMARK(BM_upper)->Arg(100)->Arg(30000);
BENCHMARK(BM_rlatin)->Arg(100)->Arg(30000);
BENCHMARK(BM_propercase)->Arg(100)->Arg(30000);
BENCHMARK(BM_keyup)->Arg(100)->Arg(30000);
BENCHMARK(BM_soundex)->Arg(100)->Arg(30000);
BENCHMARK(BM_gsoundex)->Arg(100)->Arg(30000);
BENCHMARK(BM_encryptmd5)->Arg(100)->Arg(30000);
BENCHMARK(BM_floattostr);
