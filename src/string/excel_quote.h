// Spreadsheet quoting, shared by excelstring and the blob functions: the text in double quotes,
// each double quote doubled, carriage returns dropped. At most limit - 2 content bytes are
// written (the walk may stop between the two halves of a doubled quote), so in a result block
// (limit 32767: 32765 content bytes) quote, content, quote and NUL fill it exactly.
#pragma once

#include <cstddef>
#include <string_view>

#include "frame/block.h"

namespace brindle::string {

void excel_quote(frame::TextOut& out, std::size_t limit, std::string_view text) noexcept;

}  // namespace brindle::string
