// Spreadsheet quoting, shared by excelstring and the blob functions: the text in double quotes,
// each double quote doubled, carriage returns dropped. At most 32765 content bytes are written
// (the walk may stop between the two halves of a doubled quote), so quote, content, quote and
// NUL fill a result block exactly at the limit.
#pragma once

#include <cstddef>
#include <string_view>

#include "frame/block.h"

namespace brindle::string {

inline constexpr std::size_t kExcelContentLimit = 32765;

void excel_quote(frame::TextOut& out, std::string_view text) noexcept;

}  // namespace brindle::string
