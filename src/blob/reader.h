// The blob text reader and writer, over the frame's segment interface.
//
// A blob record's counts are what the server reported; the reader trusts only what the
// segments deliver, and never sizes memory from the reported total length alone:
//
// - The content read is at most the reported total length (the reading rule: reading stops
//   when the total length is reached), at most kMaxBlobBytes, and ends early when the blob
//   ends (read() returns false) or after kMaxEmptyReads empty reads, so a record that delivers
//   0 bytes forever cannot hold the loop. A negative total length reads nothing.
// - Every read asks for at most kMaxSegment (65535) bytes and never for 0; a reader that
//   claims to have delivered more than it was asked for is held to what was asked.
// - Heap text grows with the bytes actually delivered (doubling), starting from at most
//   kFirstChunk bytes whatever the record claims.
//
// What a function answers for a lying record is the text read so far: a record that reports
// more bytes than it delivers gives what was delivered, one that reports fewer gives the
// reported number of bytes.
//
// "The text read": the content up to its first NUL byte when it holds one, else the content
// without its trailing white space. (The content is trimmed from its end first and then ended
// at the first NUL, so white space just before an inner NUL stays: 'ab  ' NUL 'cd' reads as
// 'ab  '.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/block.h"
#include "frame/segments.h"

namespace brindle::blob {

// Positions and counts are 32-bit in SQL: no blob is read beyond this many bytes.
inline constexpr int64_t kMaxBlobBytes = INT32_MAX;
// Empty reads (read() true, 0 bytes) tolerated in one blob before it is taken as ended.
inline constexpr unsigned kMaxEmptyReads = 65536;
// The most a heap text takes before any byte is delivered.
inline constexpr std::size_t kFirstChunk = 65536;

// The number of bytes the reader reads at most: the reported total length, clamped to
// [0, kMaxBlobBytes]; 0 for a NULL blob. Positions of the cutting functions clamp against it.
std::size_t length_limit(const frame::BlobIn& b) noexcept;

// Pulls the pieces of one blob, bounded as described above.
class SegmentReader {
public:
    explicit SegmentReader(frame::BlobIn& b) noexcept;

    // Reads the next piece into buf (cap >= 1; at most min(cap, 65535, bytes left) are asked
    // for). False when the blob has ended; got is then 0. True with got == 0 for an empty
    // segment.
    bool next(char* buf, std::size_t cap, std::size_t& got) noexcept;

    std::size_t delivered() const noexcept { return delivered_; }
    std::size_t limit() const noexcept { return limit_; }

private:
    frame::BlobIn& b_;
    std::size_t limit_;
    std::size_t delivered_ = 0;
    unsigned empty_ = 0;
    bool ended_;
};

// The text read, in working memory of its own (freed with the object).
class HeapText {
public:
    HeapText() noexcept = default;
    ~HeapText();
    HeapText(const HeapText&) = delete;
    HeapText& operator=(const HeapText&) = delete;

    // Reads the blob (a NULL blob reads as an empty text). False when working memory could
    // not be had; the text is then empty.
    bool read(frame::BlobIn& b) noexcept;

    std::string_view text() const noexcept { return {buf_ != nullptr ? buf_ : "", len_}; }
    // The working memory held: it grows with what was delivered, never from the record alone.
    std::size_t capacity() const noexcept { return cap_; }

private:
    // Doubles the buffer (or takes its first chunk), up to limit: more than the length as long
    // as the length is below the limit.
    bool grow(std::size_t limit) noexcept;

    char* buf_ = nullptr;
    std::size_t cap_ = 0;
    std::size_t len_ = 0;
};

// Writes the piece of the blob that the cutting functions return: the count bytes at
// start (both already clamped against length_limit(b) by the caller), as they stand in the
// reader's buffer, that is, ended by the first NUL byte of the piece, by the NUL the reader
// writes at the end of the trimmed content, and by the end of what was delivered. Bytes of
// trailing white space behind that NUL are reachable by a piece that starts beyond it. The
// piece is cut at the writer's capacity, and the writer notes the cut (TextOut::cut()) only when
// the piece really goes on beyond it, so a front end that must not cut can refuse it. The blob is
// streamed: only the piece is kept, and
// reading stops as soon as the rest of the blob cannot change the result. False when working
// memory could not be had (nothing written, no block taken).
bool write_piece(frame::TextOut& out, frame::BlobIn& b, std::size_t start, std::size_t count) noexcept;

// Appends text to an output blob as segments of at most 65535 bytes; an empty text is one
// empty segment. False when a segment could not be written.
bool put_text(frame::BlobOut& out, std::string_view text) noexcept;

// Copies the blob to the output blob piece by piece (each piece is one segment when the blob's
// segments are at most 65535 bytes long) through buf (1 <= cap). A NULL blob copies nothing.
// False when a segment could not be written.
bool copy_blob(frame::BlobOut& out, frame::BlobIn& b, char* buf, std::size_t cap) noexcept;

}  // namespace brindle::blob
