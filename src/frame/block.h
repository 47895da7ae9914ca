// The bounded text writer.
//
// TextOut is the only way text reaches a result: it can never write past the capacity it was
// given, whatever the routine asks of it. Where the memory comes from is the front end's
// business: a writer either writes into a buffer it is handed (the UDR front end hands it the
// result field itself) or obtains one from an allocator on first use (the legacy front end's
// result block).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brindle::frame {

// The width a width test measures against: the widest text the legacy front end hands back
// (its 32768-byte result block less the NUL). Routines never read it: a routine whose answer
// depends on a limit takes it as a parameter (TextOut::limit()), and each front end says which.
inline constexpr std::size_t kTextCapacity = 32767;

// Obtains the memory a TextOut writes into: returns a buffer of capacity + 1 bytes or nullptr.
using Allocator = void* (*)(std::size_t bytes) noexcept;

// Bounded writer over any buffer and any capacity. Either it writes into a buffer it is
// given, or it obtains one from an allocator on first use (or by ready()), so a routine that
// decides on SQL NULL before writing anything costs no allocation. Bytes beyond the capacity
// are dropped, never written past the end, and the writer remembers that the text was cut (or
// that a width was clamped to the limit), so a caller that must not cut can refuse it.
//
// Capacity and limit: the capacity is what the buffer holds; the limit is what a routine whose
// answer depends on one (padding to a width, quoting up to a length) reasons with. They are the
// same unless the front end says otherwise: the UDR front end writes into a field narrower
// than the limit, and any text that would pass the field is cut and refused.
class TextOut {
public:
    // Obtains capacity + 1 bytes from alloc on first use (room for a terminating NUL).
    TextOut(Allocator alloc, std::size_t capacity) noexcept : TextOut(alloc, capacity, capacity) {}
    TextOut(Allocator alloc, std::size_t capacity, std::size_t limit) noexcept
        : alloc_(alloc), want_(capacity), limit_(limit) {}
    // Writes into buf[0, capacity); no terminating NUL is written.
    TextOut(char* buf, std::size_t capacity) noexcept : TextOut(buf, capacity, capacity) {}
    TextOut(char* buf, std::size_t capacity, std::size_t limit) noexcept
        : alloc_(nullptr), want_(capacity), limit_(limit), buf_(buf), cap_(buf != nullptr ? capacity : 0),
          failed_(buf == nullptr) {}
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    void put(char c) noexcept {
        if (len_ < cap_) {
            buf_[len_++] = c;
        } else {
            slow_put(c);
        }
    }
    void append(std::string_view s) noexcept;
    void append(const char* p, std::size_t n) noexcept { append(std::string_view(p, n)); }
    void fill(char c, std::size_t n) noexcept;

    // Direct access for routines that build their text in place. reserve(n) makes room for
    // up to n more bytes and returns where they go together with how many fit (<= n); the
    // caller writes them and then calls commit(count).
    struct Span {
        char* data;
        std::size_t size;
    };
    Span reserve(std::size_t n) noexcept;
    void commit(std::size_t n) noexcept {
        if (n > cap_ - len_) {
            n = cap_ - len_;
            cut_ = true;
        }
        len_ += n;
    }

    // The text written so far (valid once anything was written or reserved).
    char* data() noexcept { return buf_; }
    const char* data() const noexcept { return buf_; }
    std::size_t size() const noexcept { return len_; }
    std::size_t capacity() const noexcept { return want_; }
    // The limit the front end set for routines whose answer depends on one.
    std::size_t limit() const noexcept { return limit_; }
    std::size_t room() const noexcept { return want_ - len_; }
    bool full() const noexcept { return len_ >= want_; }
    // For a routine that still has text to write: true when none of it fits any more, and the
    // text is then noted as cut.
    bool exhausted() noexcept {
        if (len_ < want_) return false;
        cut_ = true;
        return true;
    }
    // True when anything was dropped or a width was clamped to the capacity.
    bool cut() const noexcept { return cut_; }
    void note_clamped() noexcept { cut_ = true; }
    // True when the writer could not obtain its buffer, or the routine could not have the
    // working memory it needs (note_no_memory()).
    bool failed() const noexcept { return no_memory_ || failed_; }
    void note_no_memory() noexcept { no_memory_ = true; }
    // Obtains the buffer now if the writer has none yet; false when it cannot be had.
    bool ready() noexcept { return open(); }
    void truncate(std::size_t n) noexcept {
        if (n < len_) len_ = n;
    }

    // Terminates the text with a NUL and hands the buffer over: nullptr when the allocator
    // failed. Only for a writer that obtained its buffer from an allocator.
    char* finish() noexcept;

private:
    bool open() noexcept;
    void slow_put(char c) noexcept;

    Allocator alloc_;
    std::size_t want_;
    std::size_t limit_;
    char* buf_ = nullptr;
    std::size_t len_ = 0;
    std::size_t cap_ = 0;  // 0 until the buffer is obtained
    bool failed_ = false;
    bool cut_ = false;
    bool no_memory_ = false;
};

}  // namespace brindle::frame
