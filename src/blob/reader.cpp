// The blob text reader and writer.
#include "blob/reader.h"

#include <cstdlib>
#include <cstring>

#include "frame/memory.h"
#include "frame/text.h"

namespace brindle::blob {

using frame::kMaxSegment;

std::size_t length_limit(const frame::BlobIn& b) noexcept {
    if (b.is_null()) return 0;
    const int64_t t = b.total_length();
    if (t <= 0) return 0;
    return static_cast<std::size_t>(t < kMaxBlobBytes ? t : kMaxBlobBytes);
}

SegmentReader::SegmentReader(frame::BlobIn& b) noexcept : b_(b), limit_(length_limit(b)), ended_(b.is_null()) {}

bool SegmentReader::next(char* buf, std::size_t cap, std::size_t& got) noexcept {
    got = 0;
    if (ended_ || buf == nullptr || cap == 0) return false;
    if (delivered_ >= limit_) {
        ended_ = true;
        return false;
    }
    std::size_t ask = limit_ - delivered_;
    if (ask > cap) ask = cap;
    if (ask > kMaxSegment) ask = kMaxSegment;
    std::size_t g = 0;
    if (!b_.read(buf, ask, g)) {
        ended_ = true;
        return false;
    }
    if (g > ask) g = ask;  // a reader that claims more than it was asked for
    if (g == 0) {
        if (++empty_ > kMaxEmptyReads) {
            ended_ = true;
            return false;
        }
        return true;
    }
    delivered_ += g;
    got = g;
    return true;
}

HeapText::~HeapText() { frame::give_memory(buf_); }

bool HeapText::grow(std::size_t limit) noexcept {
    std::size_t n = cap_ == 0 ? kFirstChunk : (cap_ <= limit / 2 ? cap_ * 2 : limit);
    if (n > limit) n = limit;
    void* p = frame::resize_memory(buf_, n);
    if (p == nullptr) return false;
    buf_ = static_cast<char*>(p);
    cap_ = n;
    return true;
}

bool HeapText::read(frame::BlobIn& b) noexcept {
    len_ = 0;
    if (b.is_null()) return true;
    SegmentReader r(b);
    const std::size_t limit = r.limit();
    bool nul = false;
    while (len_ < limit) {
        if (len_ == cap_ && !grow(limit)) {
            b.note_no_memory();
            frame::give_memory(buf_);
            buf_ = nullptr;
            cap_ = len_ = 0;
            return false;
        }
        std::size_t got = 0;
        if (!r.next(buf_ + len_, cap_ - len_, got)) break;
        if (got == 0) continue;
        // The text ends at the first NUL byte: nothing behind it can change it.
        if (const void* z = std::memchr(buf_ + len_, 0, got)) {
            len_ = static_cast<std::size_t>(static_cast<const char*>(z) - buf_);
            nul = true;
            break;
        }
        len_ += got;
    }
    if (!nul) {
        while (len_ > 0 && frame::is_space(buf_[len_ - 1])) --len_;
    }
    return true;
}

bool write_piece(frame::TextOut& out, frame::BlobIn& b, std::size_t start, std::size_t count) noexcept {
    const std::size_t room = out.room();
    const std::size_t limit = length_limit(b);
    if (count == 0) return true;  // else start + count <= limit, as the caller clamped them
    std::size_t want = count < room ? count : room;
    // A piece longer than the room: the byte just past the room is looked at too, to tell a
    // piece that is really cut from one that ends (at a NUL or the trimmed end) within it.
    const bool probe = count > want;

    const std::size_t scratch_size = limit < kMaxSegment ? limit : kMaxSegment;
    char* scratch = static_cast<char*>(frame::take_memory(scratch_size));
    if (scratch == nullptr) {  // before any block is taken
        b.note_no_memory();
        return false;
    }
    frame::TextOut::Span span{nullptr, 0};
    if (want > 0) {
        span = out.reserve(want);
        want = span.size;  // 0 when the writer has no buffer
        if (want == 0) {
            frame::give_memory(scratch);
            return true;
        }
    }
    const std::size_t end = start + want;        // the part of the piece that fits
    const std::size_t stop = end + (probe ? 1 : 0);

    SegmentReader r(b);
    std::size_t pos = 0;         // bytes delivered before the current piece
    std::size_t copied = 0;      // bytes of [start, end) delivered and copied
    std::size_t nul_at = want;   // the first NUL byte inside the piece, relative to start
    std::size_t trimmed = 0;     // one past the last byte that is not white space, so far
    bool beyond = false;         // the byte at end was delivered and is not NUL
    std::size_t got = 0;
    while (r.next(scratch, scratch_size, got)) {
        if (got == 0) continue;
        const std::size_t lo = pos > start ? pos : start;
        const std::size_t hi = pos + got < end ? pos + got : end;
        if (lo < hi) {
            char* dst = span.data + (lo - start);
            std::memcpy(dst, scratch + (lo - pos), hi - lo);
            copied = hi - start;
            if (const void* z = std::memchr(dst, 0, hi - lo)) {
                nul_at = static_cast<std::size_t>(static_cast<const char*>(z) - span.data);
            }
        }
        if (probe && pos <= end && end < pos + got) beyond = scratch[end - pos] != '\0';
        for (std::size_t k = got; k > 0; --k) {
            if (!frame::is_space(scratch[k - 1])) {
                trimmed = pos + k;
                break;
            }
        }
        pos += got;
        // A NUL inside the piece ends it; past the piece, a byte that is not white space at or
        // beyond its end means the reader's trimming NUL lies outside it.
        if (nul_at < want || (pos >= stop && trimmed >= stop)) break;
    }
    frame::give_memory(scratch);

    std::size_t len = copied;
    if (nul_at < len) len = nul_at;
    if (trimmed >= start && trimmed - start < len) len = trimmed - start;
    // The piece goes on past the room when its last byte that fits is followed by one more that
    // is part of it (delivered, not NUL, before the trimmed end or in the white space behind it).
    const bool cut = probe && len == want && beyond && (trimmed < start || trimmed > end);
    if (want > 0) out.commit(len);
    if (cut) out.note_clamped();
    return true;
}

bool put_text(frame::BlobOut& out, std::string_view text) noexcept {
    if (text.empty()) return out.write("", 0);
    while (!text.empty()) {
        const std::size_t n = text.size() < kMaxSegment ? text.size() : kMaxSegment;
        if (!out.write(text.data(), n)) return false;
        text.remove_prefix(n);
    }
    return true;
}

bool copy_blob(frame::BlobOut& out, frame::BlobIn& b, char* buf, std::size_t cap) noexcept {
    if (b.is_null()) return true;
    SegmentReader r(b);
    std::size_t got = 0;
    while (r.next(buf, cap, got)) {
        if (!out.write(buf, got)) return false;
    }
    return true;
}

}  // namespace brindle::blob
