// The blob functions as routines over plain values.
//
// Blobs arrive as frame::BlobIn (a NULL blob is one whose is_null() is true) and output blobs as
// frame::BlobOut; a routine returning bool answers SQL NULL with false, decided before it writes
// anything into a result block. Routines never see the server's records or its allocator.
//
// Behaviour chosen where a caller could expect otherwise:
//
// - Lying records: every function answers for the text read so far (blob/reader.h): the
//   content read stops at the reported total length, at the end of what the segments deliver,
//   or after a bounded number of empty reads.
// - blobaspchar, blobmid, r_blobmid, blobleft, blobright: positions and counts refer to the whole
//   blob and clamp against the reported total length (not the trimmed text), as the reading rule
//   says, so a piece beyond the trimmed end reaches the trailing white space kept behind the
//   reader's NUL. A piece longer than the writer's capacity (32767 bytes in a result block) is
//   cut at the capacity: its first bytes are returned.
// - blobline: only a carriage return right before a line feed is removed; a line ended by a bare
//   line feed loses no byte, and an empty line stays empty.
// - strblob, blobcatstr, blobreplacestring: a text longer than 65535 bytes is written as several
//   segments of at most 65535 bytes, never cut.
// - blobreplacestring with SQL NULL for find, replacement, all or nocase: the text read is written
//   unchanged (as strblob writes it). SQL NULL itself cannot be answered: a function that returns
//   its output blob (RETURNS PARAMETER n) gives the server that blob whatever it returns, so a
//   "NULL" answer would reach the user as an empty blob and silently lose the text (checked with
//   Firebird 3). Writing the text unchanged loses nothing and is the same answer through every
//   front end. A NULL blob reads as an empty text (the writing functions skip NULL blobs), so it
//   gives an empty blob.
// - Working memory that cannot be had, or an output segment that cannot be written: SQL NULL
//   (false). For the writers that reaches the server as the output blob as far as it was written.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "frame/block.h"
#include "frame/segments.h"

namespace brindle::blob {

using frame::BlobIn;
using frame::BlobOut;
using frame::TextOut;

// Reading and cutting: text results, SQL NULL for a NULL blob.
bool blobaspchar(TextOut& out, BlobIn& b) noexcept;
bool blobmid(TextOut& out, BlobIn& b, int32_t start, int32_t count) noexcept;
bool r_blobmid(TextOut& out, BlobIn& b, int32_t start, int32_t count) noexcept;
bool blobleft(TextOut& out, BlobIn& b, int32_t n) noexcept;
bool blobright(TextOut& out, BlobIn& b, int32_t n) noexcept;
bool blobline(TextOut& out, BlobIn& b, int32_t n) noexcept;
bool excelblob(TextOut& out, std::size_t limit, BlobIn& b) noexcept;

// Measuring, searching and comparing: SQL NULL for a NULL blob.
std::optional<int32_t> blobsize(BlobIn& b) noexcept;
std::optional<int32_t> blobsegmentcount(BlobIn& b) noexcept;
std::optional<int32_t> blobmaxsegmentlength(BlobIn& b) noexcept;
std::optional<int32_t> bloblinecount(BlobIn& b) noexcept;
std::optional<int32_t> blobwordcount(BlobIn& b) noexcept;
std::optional<int32_t> blobcompare(BlobIn& b1, BlobIn& b2) noexcept;
std::optional<int32_t> b_strcmp(BlobIn& b1, BlobIn& b2) noexcept;
std::optional<int32_t> blobsubstr(BlobIn& b, std::string_view needle) noexcept;
std::optional<int32_t> b_strpos(std::string_view needle, BlobIn& b) noexcept;
std::optional<int32_t> b_textpos(std::string_view needle, BlobIn& b) noexcept;

// Writing into the output blob.
bool strblob(BlobOut& out, std::optional<std::string_view> text) noexcept;
bool blobcat(BlobOut& out, BlobIn& b1, BlobIn& b2) noexcept;
bool blobcatstr(BlobOut& out, BlobIn& b1, std::optional<std::string_view> text) noexcept;
bool blobreplacestring(BlobOut& out, BlobIn& b, std::optional<std::string_view> find,
                       std::optional<std::string_view> replacement, std::optional<int32_t> all,
                       std::optional<int32_t> nocase) noexcept;

}  // namespace brindle::blob
