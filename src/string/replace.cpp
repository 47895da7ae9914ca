// Replacing and filtering: the replace engine, replace, replacestring, intern_replacestring,
// stripstring, stripstringhold, digits.
#include "string/replace.h"

#include <cstdlib>

#include "frame/memory.h"
#include "frame/registry.h"
#include "string/byte_set.h"
#include "string/search.h"

namespace brindle::string {

using frame::TextOut;

void replace_into(TextOut& out, std::string_view s, std::string_view find,
                  std::string_view replacement, bool all, bool nocase) noexcept {
    if (find.empty()) return;
    const Finder f(find, nocase);
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = f.find(s, p);
        if (q == Finder::npos) break;
        out.append(s.substr(p, q - p));
        out.append(replacement);
        p = q + find.size();
        if (!all) break;
    }
    out.append(s.substr(p));
}

std::size_t replaced_length(std::string_view s, std::string_view find, std::string_view replacement,
                            bool all, bool nocase) noexcept {
    if (find.empty()) return 0;
    const Finder f(find, nocase);
    std::size_t count = 0;
    for (std::size_t q = f.find(s); q != Finder::npos; q = f.find(s, q + find.size())) {
        ++count;
        if (!all) break;
    }
    return s.size() - count * find.size() + count * replacement.size();
}

char* replace_to_heap(std::string_view s, std::string_view find, std::string_view replacement,
                      bool all, bool nocase) noexcept {
    const std::size_t n = replaced_length(s, find, replacement, all, nocase);
    TextOut out(&frame::take_memory, n);
    replace_into(out, s, find, replacement, all, nocase);
    return out.finish();
}

// An empty find leaves the text as it is.
void replace(TextOut& out, std::string_view s, std::string_view find, std::string_view replacement) {
    if (find.empty()) {
        out.append(s);
        return;
    }
    replace_into(out, s, find, replacement, true, false);
}

void replacestring(TextOut& out, std::string_view s, std::string_view find,
                   std::string_view replacement, int32_t all, int32_t nocase) {
    replace_into(out, s, find, replacement, all != 0, nocase != 0);
}

// Called through SQL the result always goes back in a result block: the heap form is for the
// library's own callers only, so the memory selector is read but a block is returned either way.
void intern_replacestring(TextOut& out, std::string_view s, std::string_view find,
                          std::string_view replacement, int32_t all, int32_t nocase, int32_t memory) {
    replace_into(out, s, find, replacement, all != 0, nocase != 0);
}

namespace {
void filter(TextOut& out, std::string_view s, std::string_view set, bool keep) {
    const ByteSet in(set);
    auto span = out.reserve(s.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size() && n < span.size; ++i) {
        if (in(s[i]) == keep) span.data[n++] = s[i];
    }
    out.commit(n);
}
}  // namespace

void stripstring(TextOut& out, std::string_view s, std::string_view set) { filter(out, s, set, false); }
void stripstringhold(TextOut& out, std::string_view s, std::string_view set) { filter(out, s, set, true); }
void digits(TextOut& out, std::string_view s) { filter(out, s, "0123456789", true); }

}  // namespace brindle::string

namespace str = brindle::string;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/replace.def"
#undef BRINDLE_FN
