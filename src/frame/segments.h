// Blobs as a routine sees them: a sequence of segments to read, or to append to.
//
// A front end wraps whatever the server hands it (the legacy callback record, a UDR blob
// object) in one of these for the length of a call. Routines never see the server's own
// structures, and nothing here throws: a failure is a return value.
#pragma once

#include <cstddef>
#include <cstdint>

namespace brindle::frame {

// The largest segment either direction can carry: segment lengths are 16-bit quantities.
inline constexpr std::size_t kMaxSegment = 65535;

// An input blob. The counts are what the server reported about the blob; they may disagree
// with what the segments deliver, so a reader trusts only what read() hands it.
class BlobIn {
public:
    virtual bool is_null() const noexcept = 0;
    virtual int64_t total_length() const noexcept = 0;
    virtual int64_t segment_count() const noexcept = 0;
    virtual int64_t max_segment() const noexcept = 0;
    // Reads the next segment, or the next part of a segment longer than cap, into buf
    // (cap is at most kMaxSegment). Returns false at the end of the blob or on a failure;
    // got is then 0. On true, got is at most cap (possibly 0 for an empty segment).
    virtual bool read(char* buf, std::size_t cap, std::size_t& got) noexcept = 0;

    // A routine reading the blob could not have the working memory it needs: the call fails.
    void note_no_memory() noexcept { no_memory_ = true; }
    bool no_memory() const noexcept { return no_memory_; }

protected:
    ~BlobIn() = default;

private:
    bool no_memory_ = false;
};

// An output blob: each write appends one segment of at most kMaxSegment bytes.
class BlobOut {
public:
    // Returns false when the segment could not be written.
    virtual bool write(const char* data, std::size_t n) noexcept = 0;

protected:
    ~BlobOut() = default;
};

}  // namespace brindle::frame
