// Character constants, substrings, trimming, padding and repetition.
#include <cstdint>
#include <optional>
#include <string_view>

#include "frame/text.h"
#include "frame/registry.h"

namespace brindle::string {
namespace {

using frame::TextOut;
using std::string_view;

// Length of a text as the signed 64-bit value all position arithmetic is done in, so that no
// combination of 32-bit arguments can overflow.
int64_t length(string_view s) { return static_cast<int64_t>(s.size()); }

// s[from, from + count), both already within the text.
void put_range(TextOut& out, string_view s, int64_t from, int64_t count) {
    if (count > 0) out.append(s.substr(static_cast<size_t>(from), static_cast<size_t>(count)));
}

// Writes n bytes of the endless repetition of pattern, starting at pattern[offset]: byte i is
// pattern[(offset + i) % len]. One period is written, then the text already written is copied
// onto its end, doubling each time, so the cost does not grow with the pattern's shortness.
void repeat_pattern(TextOut& out, string_view pattern, int64_t offset, int64_t n) {
    const int64_t plen = length(pattern);
    if (plen == 0 || n <= 0) return;
    const size_t start = out.size();
    const int64_t first = n < plen ? n : plen;
    for (int64_t i = 0; i < first; ++i) out.put(pattern[static_cast<size_t>((offset + i) % plen)]);
    if (out.data() == nullptr) return;  // no result block to copy from
    int64_t written = first;
    while (written < n && !out.exhausted()) {
        const int64_t chunk = written < n - written ? written : n - written;
        out.append(out.data() + start, static_cast<size_t>(chunk));
        written += chunk;
    }
}

// ---- character constants ---------------------------------------------------------------

template <char... Bytes>
void constant(TextOut& out) {
    (out.put(Bytes), ...);
}

void character(TextOut& out, string_view s) {
    if (!s.empty()) out.put(s[0]);
}

// ---- repetition ------------------------------------------------------------------------

void strofchar(TextOut& out, string_view c, int32_t n) {
    if (c.empty() || n <= 0) return;
    out.fill(c[0], static_cast<size_t>(n));  // cut at the block's capacity
}

void space(TextOut& out, int32_t n) { strofchar(out, " ", n); }

void strrepeat(TextOut& out, string_view s, int32_t n) {
    if (n > 0) repeat_pattern(out, s, 0, length(s) * n);
}

int32_t stringlength(string_view s) { return static_cast<int32_t>(s.size()); }

void reverse(TextOut& out, string_view s) {
    auto span = out.reserve(s.size());
    for (size_t i = 0; i < span.size; ++i) span.data[i] = s[s.size() - 1 - i];
    out.commit(span.size);
}
void repeattrim(TextOut& out, string_view s, std::optional<string_view> c_or_null) {
    const string_view c = c_or_null.value_or(string_view());
    if (c.empty()) {
        out.append(s);
        return;
    }
    const char r = c[0];
    for (size_t i = 0; i < s.size(); ++i) {
        out.put(s[i]);
        if (s[i] == r) {
            while (i + 1 < s.size() && s[i + 1] == r) ++i;
        }
    }
}

// ---- substrings ------------------------------------------------------------------------

void left(TextOut& out, string_view s, int32_t n) {
    const int64_t k = n < 1 ? 0 : (n > length(s) ? length(s) : n);
    put_range(out, s, 0, k);
}

void right(TextOut& out, string_view s, int32_t n) {
    const int64_t k = n < 1 ? 0 : (n > length(s) ? length(s) : n);
    put_range(out, s, length(s) - k, k);
}

void mid(TextOut& out, string_view s, int64_t start, int64_t count) {
    if (count < 1 || start < 0 || start >= length(s)) return;
    const int64_t avail = length(s) - start;
    put_range(out, s, start, count < avail ? count : avail);
}

void mid0(TextOut& out, string_view s, int32_t start, int32_t count) { mid(out, s, start, count); }

void mid1(TextOut& out, string_view s, int32_t start, int32_t count) {
    mid(out, s, int64_t{start} - 1, count);
}

// Unlike mid, a negative start is not moved to the beginning: the piece would begin before
// the text, so the result is empty.
void strcopy(TextOut& out, string_view s, int32_t start, int32_t count) {
    int64_t n = count > 0 ? count : 0;
    if (start < 0 || start >= length(s)) return;
    if (start + n > length(s)) n = length(s) - start;
    put_range(out, s, start, n);
}

bool strrm(TextOut& out, string_view s, int32_t pos) {
    if (s.empty()) return false;
    if (pos < 0 || pos >= length(s)) {
        out.append(s);
    } else {
        put_range(out, s, 0, pos);
        put_range(out, s, int64_t{pos} + 1, length(s) - pos - 1);
    }
    return true;
}

void strstuff(TextOut& out, string_view s, int32_t start, int32_t count, string_view insert) {
    const int64_t a = length(s);
    const int64_t b = length(insert);
    const int64_t d = start > a ? a : (start > 0 ? int64_t{start} - 1 : 0);
    put_range(out, s, 0, d);
    out.append(insert);
    int64_t r = d + count;
    if (r >= a) r = a;
    if (r < 0) r = 0;  // a count reaching before the text resumes at its start
    // The output never holds more than a + b + 1 bytes.
    const int64_t room = (a + b + 1) - (d + b);
    const int64_t rest = a - r;
    put_range(out, s, r, rest < room ? rest : room);
}

void linewrap(TextOut& out, string_view s, int32_t start, int32_t width) {
    if (start < 0 || start >= length(s) || width <= 0) return;
    const int64_t rest = length(s) - start;
    if (rest <= width) {
        put_range(out, s, start, rest);
        return;
    }
    int64_t p = int64_t{start} + width - 1;
    while (p > start && !frame::is_space(s[static_cast<size_t>(p)])) --p;
    if (p == start) {
        put_range(out, s, start, width);  // no break: hard cut
    } else {
        put_range(out, s, start, p - start + 1);
    }
}

// ---- trimming --------------------------------------------------------------------------

void ltrim(TextOut& out, string_view s) { out.append(frame::trim_left(s)); }
void rtrim(TextOut& out, string_view s) { out.append(frame::trim_right(s)); }
void lrtrim(TextOut& out, string_view s) { out.append(frame::trim_right(frame::trim_left(s))); }

// ---- padding ---------------------------------------------------------------------------
// The output is max(width, len) bytes; a text longer than width is never cut. An empty pad
// text gives nothing to fill with, so the text comes back unpadded. A width beyond the limit
// counts as the limit, so the text keeps its place: right-aligned, left-aligned or centred in
// 32767 bytes (the limit both front ends give).

int64_t pad_width(TextOut& out, std::size_t limit, int32_t width) {
    const auto cap = static_cast<int64_t>(limit);
    if (width <= cap) return width;
    out.note_clamped();
    return cap;
}

void padleft(TextOut& out, std::size_t limit, string_view s, string_view pad, int32_t width) {
    const int64_t w = pad_width(out, limit, width);
    if (w <= length(s) || pad.empty()) {
        out.append(s);
        return;
    }
    // The pattern ends flush against the text.
    const int64_t fill = w - length(s);
    const int64_t plen = length(pad);
    repeat_pattern(out, pad, (plen - fill % plen) % plen, fill);
    out.append(s);
}

void padright(TextOut& out, std::size_t limit, string_view s, string_view pad, int32_t width) {
    const int64_t w = pad_width(out, limit, width);
    out.append(s);
    if (w > length(s) && !pad.empty()) repeat_pattern(out, pad, 0, w - length(s));
}

void padcenter(TextOut& out, std::size_t limit, string_view s, string_view pad, int32_t width) {
    const int64_t w = pad_width(out, limit, width);
    if (w <= length(s) || pad.empty()) {
        out.append(s);
        return;
    }
    const int64_t diff = w - length(s);
    repeat_pattern(out, pad, 0, diff - diff / 2);
    out.append(s);
    repeat_pattern(out, pad, 0, diff / 2);
}

void r_padleft(TextOut& out, std::size_t limit, string_view s, int32_t width, string_view pad) {
    padleft(out, limit, s, pad, width);
}
void r_padright(TextOut& out, std::size_t limit, string_view s, int32_t width, string_view pad) {
    padright(out, limit, s, pad, width);
}

}  // namespace
}  // namespace brindle::string

namespace s = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/basic.def"
#undef BRINDLE_FN
