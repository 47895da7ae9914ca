// The replace engine, shared by the string functions and the blob functions.
//
// Replaces find by replacement in s, left to right, never searching a replacement again: every
// occurrence when `all`, else only the first. With `nocase` bytes match when their Latin-1
// upper-case forms are equal. An empty find gives an empty text. Time is linear in s.
#pragma once

#include <cstddef>
#include <string_view>

#include "frame/block.h"

namespace brindle::string {

// Result-block form: writes the result into out; text beyond out's capacity is cut.
void replace_into(frame::TextOut& out, std::string_view s, std::string_view find,
                  std::string_view replacement, bool all, bool nocase) noexcept;

// Exact length of the result, for sizing working memory.
std::size_t replaced_length(std::string_view s, std::string_view find, std::string_view replacement,
                            bool all, bool nocase) noexcept;

// Working-memory form: the whole result, NUL-terminated, in exactly replaced_length() + 1 bytes
// of working memory (frame/memory.h), which the caller gives back with frame::give_memory;
// nullptr when that memory cannot be had.
char* replace_to_heap(std::string_view s, std::string_view find, std::string_view replacement,
                      bool all, bool nocase) noexcept;

}  // namespace brindle::string
