// Spreadsheet quoting and excelstring.
#include "string/excel_quote.h"

#include "frame/registry.h"

namespace brindle::string {

void excel_quote(frame::TextOut& out, std::size_t text_limit, std::string_view text) noexcept {
    // Room for the content between the two quotes: 32765 bytes in a result block.
    const std::size_t limit = text_limit > 2 ? text_limit - 2 : 0;
    out.put('"');
    std::size_t content = 0;
    std::size_t i = 0;
    for (; i < text.size() && content < limit; ++i) {
        const char c = text[i];
        if (c == '\r') continue;
        out.put(c);
        ++content;
        if (c == '"') {
            if (content == limit) {
                out.note_clamped();  // the second half of the doubled quote does not fit
                break;
            }
            out.put('"');
            ++content;
        }
    }
    while (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size()) out.note_clamped();  // content left over: the text was cut
    out.put('"');
}

void excelstring(frame::TextOut& out, std::size_t limit, std::string_view s) { excel_quote(out, limit, s); }

}  // namespace brindle::string

#define BRINDLE_FN BRINDLE_ROUTINE
#include "string/excel_quote.def"
#undef BRINDLE_FN
