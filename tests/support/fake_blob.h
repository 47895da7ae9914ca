// Fake blobs for every test: an input blob made of given segments whose reported counts and
// reading behaviour can be made to lie, an output blob that records its segments, and the
// server's blob callback record of the legacy front end over segments in memory.
#pragma once

#include <ibase.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "frame/segments.h"

namespace brindle::test {

class FakeBlobIn final : public frame::BlobIn {
public:
    // A NULL blob.
    FakeBlobIn() : null_(true) {}
    // A blob of one segment (none for an empty text).
    explicit FakeBlobIn(const std::string& content) : FakeBlobIn(content.empty() ? std::vector<std::string>{} : std::vector<std::string>{content}) {}
    FakeBlobIn(std::initializer_list<std::string> segments) : FakeBlobIn(std::vector<std::string>(segments)) {}
    explicit FakeBlobIn(std::vector<std::string> segments) : segs_(std::move(segments)) {
        for (const auto& s : segs_) {
            total_ += static_cast<int64_t>(s.size());
            if (static_cast<int64_t>(s.size()) > max_) max_ = static_cast<int64_t>(s.size());
        }
        count_ = static_cast<int64_t>(segs_.size());
    }
    // Content cut into segments of n bytes.
    static FakeBlobIn chunked(const std::string& content, std::size_t n) {
        std::vector<std::string> segs;
        for (std::size_t i = 0; i < content.size(); i += n) segs.push_back(content.substr(i, n));
        return FakeBlobIn(std::move(segs));
    }

    // Lies the record can tell.
    FakeBlobIn& report_total(int64_t t) { total_ = t; return *this; }
    FakeBlobIn& report_count(int64_t c) { count_ = c; return *this; }
    FakeBlobIn& report_max(int64_t m) { max_ = m; return *this; }
    // read() fails (returns false) from its n-th call on.
    FakeBlobIn& fail_from_read(long n) { fail_from_ = n; return *this; }
    // After the segments, read() keeps returning true with 0 bytes.
    FakeBlobIn& empty_forever() { empty_forever_ = true; return *this; }
    // read() reports this many bytes more than it delivered (and than it was asked for).
    FakeBlobIn& overclaim(std::size_t extra) { overclaim_ = extra; return *this; }
    // NULL, whatever its segments (the counts stay as they are reported).
    FakeBlobIn& make_null() { null_ = true; return *this; }

    bool is_null() const noexcept override { return null_; }
    int64_t total_length() const noexcept override { return total_; }
    int64_t segment_count() const noexcept override { return count_; }
    int64_t max_segment() const noexcept override { return max_; }

    bool read(char* buf, std::size_t cap, std::size_t& got) noexcept override {
        ++reads;
        got = 0;
        if (cap == 0) ++zero_asks;
        if (cap > largest_ask) largest_ask = cap;
        if (buf != nullptr && cap > 0) std::memset(buf, 0xCD, cap);  // the whole buffer the reader declared
        if (null_ || cap == 0 || (fail_from_ > 0 && reads >= fail_from_)) return false;
        if (seg_ >= segs_.size()) return empty_forever_;
        const std::string& s = segs_[seg_];
        std::size_t n = s.size() - off_;
        if (n > cap) n = cap;
        std::memcpy(buf, s.data() + off_, n);
        off_ += n;
        if (off_ == s.size()) {
            ++seg_;
            off_ = 0;
        }
        delivered += n;
        got = n + overclaim_;
        claimed += got < cap ? got : cap;
        return true;
    }

    long reads = 0;
    long zero_asks = 0;
    std::size_t largest_ask = 0;
    std::size_t delivered = 0;
    std::size_t claimed = 0;  // what the reads claimed, held to what was asked

private:
    bool null_ = false;
    std::vector<std::string> segs_;
    int64_t total_ = 0, count_ = 0, max_ = 0;
    std::size_t seg_ = 0, off_ = 0;
    long fail_from_ = 0;
    bool empty_forever_ = false;
    std::size_t overclaim_ = 0;
};

class FakeBlobOut final : public frame::BlobOut {
public:
    // write() fails from its n-th call on.
    FakeBlobOut& fail_from_write(long n) { fail_from_ = n; return *this; }

    bool write(const char* data, std::size_t n) noexcept override {
        ++writes;
        if (n > frame::kMaxSegment) oversized = true;
        if (n > largest) largest = n;
        if (fail_from_ > 0 && writes >= fail_from_) return false;
        segments.emplace_back(data, n);
        return true;
    }
    std::string content() const {
        std::string s;
        for (const auto& seg : segments) s += seg;
        return s;
    }

    std::vector<std::string> segments;
    long writes = 0;
    bool oversized = false;
    std::size_t largest = 0;

private:
    long fail_from_ = 0;
};

// A legacy blob callback record over segments in memory (record() binds it). Reads fill the
// whole buffer the caller declared before copying, so a declared size beyond the buffer shows.
struct FakeRecord {
    std::vector<std::string> segs;
    std::size_t seg = 0, off = 0;
    ISC_USHORT extra = 0;        // reported beyond what was copied
    bool overclaim = false;      // reports one byte more than the buffer it was given
    bool empty_forever = false;  // after the segments, reads succeed with 0 bytes
    uint8_t codes = 0;           // 0: as the engine (fragment, full); 1: always full; 2: data with end
    long calls = 0;
    std::vector<ISC_USHORT> asked;  // buffer sizes asked for
    std::vector<std::string> put;   // segments put
    blobcallback rec{};

    // The record over these segments, its counts as they are (or a record without a handle).
    blobcallback& record(bool null = false) {
        rec = blobcallback{};
        rec.blob_get_segment = &get;
        rec.blob_put_segment = &put_segment;
        rec.blob_lseek = &seek;
        if (null) return rec;
        rec.blob_handle = this;
        rec.blob_number_segments = static_cast<ISC_LONG>(segs.size());
        for (const auto& s : segs) {
            rec.blob_total_length += static_cast<ISC_LONG>(s.size());
            if (static_cast<ISC_LONG>(s.size()) > rec.blob_max_segment) rec.blob_max_segment = static_cast<ISC_LONG>(s.size());
        }
        return rec;
    }
    std::string content() const {
        std::string s;
        for (const auto& p : put) s += p;
        return s;
    }

    static short get(void* h, ISC_UCHAR* buf, ISC_USHORT size, ISC_USHORT* len) {
        auto* b = static_cast<FakeRecord*>(h);
        ++b->calls;
        b->asked.push_back(size);
        if (size > 0) std::memset(buf, 0xCD, size);
        *len = 0;
        if (b->seg >= b->segs.size()) return b->empty_forever ? 1 : 0;  // blb_got_eof
        const std::string& s = b->segs[b->seg];
        std::size_t n = s.size() - b->off;
        const bool partial = n > size;
        if (partial) n = size;
        if (n > 0) std::memcpy(buf, s.data() + b->off, n);
        b->off += n;
        if (b->off >= s.size()) {
            ++b->seg;
            b->off = 0;
        }
        *len = static_cast<ISC_USHORT>(b->overclaim ? (size < 65535 ? size + 1 : 65535) : n + b->extra);
        if (b->codes == 2 && b->seg >= b->segs.size()) return 0;
        return partial && b->codes == 0 ? -1 : 1;  // blb_got_fragment or blb_got_full_segment
    }
    static void put_segment(void* h, const ISC_UCHAR* buf, ISC_USHORT size) {
        static_cast<FakeRecord*>(h)->put.emplace_back(reinterpret_cast<const char*>(buf), size);
    }
    static ISC_LONG seek(void*, ISC_USHORT, ISC_LONG) { return 0; }
};

}  // namespace brindle::test
