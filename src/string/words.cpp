// Words, fields and string lists: findword, findnthword, findwordindex, findwordindexnull,
// wordcount, r_wordcount, wordnum, stringlistitem.
#include <cstdlib>
#include <cstring>
#include <optional>

#include "frame/memory.h"
#include "frame/text.h"
#include "frame/registry.h"
#include "string/byte_set.h"
#include "string/search.h"

namespace brindle::string {
namespace {

using frame::TextOut;

std::size_t skip_blanks(std::string_view s, std::size_t i) noexcept {
    while (i < s.size() && s[i] == ' ') ++i;
    return i;
}
std::size_t skip_nonblanks(std::string_view s, std::size_t i) noexcept {
    while (i < s.size() && s[i] != ' ') ++i;
    return i;
}

std::optional<int32_t> word_index(std::string_view s, int32_t start) {
    // A start before the text scans from its beginning.
    const std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start);
    for (std::size_t i = from; i < s.size(); ++i) {
        if (frame::is_alnum(s[i])) return static_cast<int32_t>(i);
        if (i > from && s[i] == '\'' && !frame::is_space(s[i - 1])) return static_cast<int32_t>(i);
    }
    return std::nullopt;
}

}  // namespace

bool findword(TextOut& out, std::string_view s, int32_t pos) {
    if (pos < 0 || static_cast<std::size_t>(pos) >= s.size()) return false;
    const std::size_t b = skip_blanks(s, static_cast<std::size_t>(pos));
    out.append(s.substr(b, skip_nonblanks(s, b) - b));
    return true;
}

bool findnthword(TextOut& out, std::string_view s, int32_t n) {
    std::size_t i = 0;
    while (i < s.size() && n >= 0) {
        i = skip_blanks(s, i);
        if (n > 0) i = skip_nonblanks(s, i);
        --n;
    }
    const std::size_t e = skip_nonblanks(s, i);
    if (e == i) return false;
    out.append(s.substr(i, e - i));
    return true;
}

int32_t findwordindex(std::string_view s, int32_t start) { return word_index(s, start).value_or(-1); }
std::optional<int32_t> findwordindexnull(std::string_view s, int32_t start) { return word_index(s, start); }

int32_t wordcount(std::string_view s) {
    uint32_t words = 0;
    bool in_word = false;
    for (char c : s) {
        const bool space = frame::is_space(c);
        if (!space && !in_word) ++words;
        in_word = !space;
    }
    return static_cast<int32_t>(words);
}

int32_t r_wordcount(std::string_view s, std::string_view separators, int32_t mode) {
    const ByteSet sep(separators);
    uint32_t fields = 1;
    uint32_t words = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (sep(s[i])) {
            ++fields;
            ++i;
        } else {
            ++words;
            while (i < s.size() && !sep(s[i])) ++i;
        }
    }
    return static_cast<int32_t>(mode != 0 ? fields : words);
}

void wordnum(TextOut& out, std::string_view s, int32_t n, std::string_view separators, int32_t mode) {
    if (s.empty()) return;
    const ByteSet sep(separators);
    std::size_t p = 0;
    int32_t i = 1;
    while (p < s.size() && i != n) {
        const char c = s[p++];
        if (!sep(c)) {
            while (p < s.size() && !sep(s[p])) ++p;
            if (mode == 0) ++i;
        } else if (mode != 0) {
            ++i;
        } else {
            while (p < s.size() && sep(s[p])) ++p;
        }
    }
    if (mode == 0) {
        while (p < s.size() && sep(s[p])) ++p;
    }
    const std::size_t b = p;
    while (p < s.size() && !sep(s[p])) ++p;
    out.append(s.substr(b, p - b));
}

// Items look like "name=value" (each in double quotes); the item whose name is key is returned
// with its name and equals sign.
bool stringlistitem(TextOut& out, std::string_view list, std::string_view key) {
    const std::size_t plen = key.size() + 2;
    char* pattern = static_cast<char*>(frame::take_memory(plen));
    if (pattern == nullptr) {
        out.note_no_memory();
        return false;
    }
    pattern[0] = '"';
    std::memcpy(pattern + 1, key.data(), key.size());
    pattern[plen - 1] = '=';
    const std::size_t at = Finder(std::string_view(pattern, plen)).find(list);
    frame::give_memory(pattern);
    if (at == Finder::npos) return false;
    const std::size_t b = at + 1;
    std::size_t e = list.find('"', b);
    if (e == std::string_view::npos) e = list.size();
    out.append(list.substr(b, e - b));
    return true;
}

}  // namespace brindle::string

namespace str = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/words.def"
#undef BRINDLE_FN
