// The blob functions: reading and cutting, measuring, searching, comparing and writing blobs.
#include "blob/blob.h"

#include <cstdlib>
#include <cstring>

#include "blob/reader.h"
#include "frame/memory.h"
#include "frame/registry.h"
#include "frame/text.h"
#include "string/excel_quote.h"
#include "string/replace.h"
#include "string/search.h"

namespace brindle::blob {

namespace {

int32_t saturate(int64_t v) noexcept {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// The blob substring rule, in 64 bits so that no sum of two 32-bit arguments wraps: count < 0
// becomes 0, start < 0 becomes 0, start > a becomes a, start + count > a gives count = a - start;
// a is the reported total length.
bool piece(TextOut& out, BlobIn& b, int64_t start, int64_t count) noexcept {
    if (b.is_null()) return false;
    const int64_t a = static_cast<int64_t>(length_limit(b));
    if (count < 0) count = 0;
    if (start < 0) start = 0;
    if (start > a) start = a;
    if (start + count > a) count = a - start;
    return write_piece(out, b, static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

// Byte comparison of two texts as unsigned bytes, the way strcmp does: -1, 0 or 1.
int compare(std::string_view x, std::string_view y) noexcept {
    const std::size_t n = x.size() < y.size() ? x.size() : y.size();
    const int c = n == 0 ? 0 : std::memcmp(x.data(), y.data(), n);
    if (c != 0) return c < 0 ? -1 : 1;
    if (x.size() == y.size()) return 0;
    return x.size() < y.size() ? -1 : 1;
}

// Copy buffer for blobcat and blobcatstr: as large as the longest piece any read may ask for,
// 1 to 65535 bytes, whatever the records say about their segments.
std::size_t copy_size(std::size_t longest) noexcept {
    if (longest < 1) return 1;
    return longest < frame::kMaxSegment ? longest : frame::kMaxSegment;
}

const char kCrLf[] = "\r\n";

}  // namespace

bool blobaspchar(TextOut& out, BlobIn& b) noexcept {
    return piece(out, b, 0, static_cast<int64_t>(length_limit(b)));
}

bool blobmid(TextOut& out, BlobIn& b, int32_t start, int32_t count) noexcept {
    return piece(out, b, start, count);
}

bool r_blobmid(TextOut& out, BlobIn& b, int32_t start, int32_t count) noexcept {
    return piece(out, b, static_cast<int64_t>(start < 1 ? 1 : start) - 1, count);
}

bool blobleft(TextOut& out, BlobIn& b, int32_t n) noexcept { return piece(out, b, 0, n); }

bool blobright(TextOut& out, BlobIn& b, int32_t n) noexcept {
    return piece(out, b, static_cast<int64_t>(length_limit(b)) - n, n);
}

bool blobline(TextOut& out, BlobIn& b, int32_t n) noexcept {
    if (b.is_null()) return false;
    HeapText t;
    if (!t.read(b)) return false;
    const std::string_view s = t.text();
    std::size_t p = 0;
    for (int32_t k = 1; k < n; ++k) {
        const std::size_t lf = s.find('\n', p);
        if (lf == std::string_view::npos) return true;  // no such line: an empty text
        p = lf + 1;
    }
    const std::size_t lf = s.find('\n', p);
    if (lf == std::string_view::npos) {
        out.append(s.substr(p));  // the last line, whole
        return true;
    }
    std::size_t e = lf;
    if (e > p && s[e - 1] == '\r') --e;  // only a carriage return before the line feed goes
    out.append(s.substr(p, e - p));
    return true;
}

bool excelblob(TextOut& out, std::size_t limit, BlobIn& b) noexcept {
    if (b.is_null()) return false;
    HeapText t;
    if (!t.read(b)) return false;
    string::excel_quote(out, limit, t.text());
    return true;
}

std::optional<int32_t> blobsize(BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    return saturate(b.total_length());
}

std::optional<int32_t> blobsegmentcount(BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    return saturate(b.segment_count());
}

std::optional<int32_t> blobmaxsegmentlength(BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    return saturate(b.max_segment());
}

std::optional<int32_t> bloblinecount(BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    HeapText t;
    if (!t.read(b)) return std::nullopt;
    const std::string_view s = t.text();
    int64_t lines = 0;
    for (const char c : s) lines += c == '\n';
    if (!s.empty() && s.back() != '\n') ++lines;
    return saturate(lines);
}

std::optional<int32_t> blobwordcount(BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    HeapText t;
    if (!t.read(b)) return std::nullopt;
    int64_t words = 0;
    bool in_word = false;
    for (const char c : t.text()) {
        const bool sep = c == ' ' || c == '\n' || c == '\t';
        if (!sep && !in_word) ++words;
        in_word = !sep;
    }
    return saturate(words);
}

std::optional<int32_t> blobcompare(BlobIn& b1, BlobIn& b2) noexcept {
    if (b1.is_null() || b2.is_null()) return std::nullopt;
    HeapText t1, t2;
    if (!t1.read(b1) || !t2.read(b2)) return std::nullopt;
    return t1.text() == t2.text() ? 1 : 0;
}

// The text of blob 2 against the text of blob 1: a greater text in blob 2 gives 1.
std::optional<int32_t> b_strcmp(BlobIn& b1, BlobIn& b2) noexcept {
    if (b1.is_null() || b2.is_null()) return std::nullopt;
    HeapText t1, t2;
    if (!t1.read(b1) || !t2.read(b2)) return std::nullopt;
    return compare(t2.text(), t1.text());
}

std::optional<int32_t> blobsubstr(BlobIn& b, std::string_view needle) noexcept {
    if (b.is_null()) return std::nullopt;
    HeapText t;
    if (!t.read(b)) return std::nullopt;
    const std::size_t p = string::Finder(needle).find(t.text());
    return p == string::Finder::npos ? -1 : saturate(static_cast<int64_t>(p));
}

std::optional<int32_t> b_strpos(std::string_view needle, BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    HeapText t;
    if (!t.read(b)) return std::nullopt;
    const std::size_t p = string::Finder(needle).find(t.text());
    return p == string::Finder::npos ? 0 : saturate(static_cast<int64_t>(p) + 1);
}

// Both texts compared through the Latin-1 upper-case table; the matcher folds as it goes, so
// no upper-cased copies are needed.
std::optional<int32_t> b_textpos(std::string_view needle, BlobIn& b) noexcept {
    if (b.is_null()) return std::nullopt;
    HeapText t;
    if (!t.read(b)) return std::nullopt;
    const std::size_t p = string::Finder(needle, true).find(t.text());
    return p == string::Finder::npos ? 0 : saturate(static_cast<int64_t>(p) + 1);
}

// A NULL text writes one empty segment.
bool strblob(BlobOut& out, std::optional<std::string_view> text) noexcept {
    return put_text(out, frame::trim_right(text.value_or(std::string_view())));
}

// NULL blobs are skipped; the line end between the two is always written.
bool blobcat(BlobOut& out, BlobIn& b1, BlobIn& b2) noexcept {
    const std::size_t l1 = length_limit(b1), l2 = length_limit(b2);
    const std::size_t cap = copy_size(l1 > l2 ? l1 : l2);
    char* buf = static_cast<char*>(frame::take_memory(cap));
    if (buf == nullptr) {
        b1.note_no_memory();
        return false;
    }
    const bool ok = copy_blob(out, b1, buf, cap) && out.write(kCrLf, 2) && copy_blob(out, b2, buf, cap);
    frame::give_memory(buf);
    return ok;
}

// A NULL blob is skipped, a NULL text counts as an empty text.
bool blobcatstr(BlobOut& out, BlobIn& b1, std::optional<std::string_view> text) noexcept {
    const std::size_t cap = copy_size(length_limit(b1));
    char* buf = static_cast<char*>(frame::take_memory(cap));
    if (buf == nullptr) {
        b1.note_no_memory();
        return false;
    }
    const bool ok = copy_blob(out, b1, buf, cap) && out.write(kCrLf, 2) &&
                    put_text(out, frame::trim_right(text.value_or(std::string_view())));
    frame::give_memory(buf);
    return ok;
}

// A NULL find, replacement, all or nocase writes the text unchanged (see blob.h).
bool blobreplacestring(BlobOut& out, BlobIn& b, std::optional<std::string_view> find,
                       std::optional<std::string_view> replacement, std::optional<int32_t> all,
                       std::optional<int32_t> nocase) noexcept {
    HeapText t;
    if (!t.read(b)) return false;
    const std::string_view s = t.text();
    if (!find || !replacement || !all || !nocase) return put_text(out, frame::trim_right(s));
    const std::size_t n = string::replaced_length(s, *find, *replacement, *all != 0, *nocase != 0);
    char* r = string::replace_to_heap(s, *find, *replacement, *all != 0, *nocase != 0);
    if (r == nullptr) {
        b.note_no_memory();
        return false;
    }
    const bool ok = put_text(out, frame::trim_right(std::string_view(r, n)));
    frame::give_memory(r);
    return ok;
}

}  // namespace brindle::blob

#define BRINDLE_FN BRINDLE_ROUTINE
#include "blob/blob.def"
#undef BRINDLE_FN
