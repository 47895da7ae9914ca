// Fake blobs for the blob tests: an input blob made of given segments whose reported counts
// and reading behaviour can be made to lie, and an output blob that records its segments.
#pragma once

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

    bool is_null() const noexcept override { return null_; }
    int64_t total_length() const noexcept override { return null_ ? 0 : total_; }
    int64_t segment_count() const noexcept override { return null_ ? 0 : count_; }
    int64_t max_segment() const noexcept override { return null_ ? 0 : max_; }

    bool read(char* buf, std::size_t cap, std::size_t& got) noexcept override {
        ++reads;
        got = 0;
        if (cap == 0) ++zero_asks;
        if (cap > largest_ask) largest_ask = cap;
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
        return true;
    }

    long reads = 0;
    long zero_asks = 0;
    std::size_t largest_ask = 0;
    std::size_t delivered = 0;

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

private:
    long fail_from_ = 0;
};

}  // namespace brindle::test
