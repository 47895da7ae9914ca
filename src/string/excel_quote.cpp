// Spreadsheet quoting and excelstring.
#include "string/excel_quote.h"

#include "frame/udf.h"

namespace brindle::string {

void excel_quote(frame::TextOut& out, std::string_view text) noexcept {
    out.put('"');
    std::size_t content = 0;
    for (std::size_t i = 0; i < text.size() && content < kExcelContentLimit; ++i) {
        const char c = text[i];
        if (c == '\r') continue;
        out.put(c);
        ++content;
        if (c == '"' && content < kExcelContentLimit) {
            out.put('"');
            ++content;
        }
    }
    out.put('"');
}

void excelstring(frame::TextOut& out, std::string_view s) { excel_quote(out, s); }

}  // namespace brindle::string

BRINDLE_ENTRY char* excelstring(const char* s) { return brindle::frame::udf<brindle::string::excelstring>(s); }
