// In-memory stand-ins for what the server hands the UDR front end: message metadata, a
// message buffer laid out as the server lays it out, IBlob objects and a BlobHost.
#pragma once

#include <firebird/Interface.h>
#include <ibase.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "udr/adapter.h"

namespace brindle::udr::fakes {

using Status = Firebird::CheckStatusWrapper;

// One field as a declaration describes it.
struct Decl {
    unsigned type;
    unsigned length = 0;  // 0: the type's own size
    unsigned charset = 0;
    int scale = 0;
};

inline unsigned size_of(const Decl& d) {
    if (d.length != 0) return d.length;
    switch (d.type) {
        case kSqlShort: return 2;
        case kSqlLong:
        case kSqlDate:
        case kSqlTime: return 4;
        default: return 8;
    }
}

inline Decl varchar(unsigned n, unsigned charset = 0) { return {kSqlVarying, n, charset, 0}; }

// Message metadata over a list of fields: each field aligned, its NULL flag after it.
class FakeMetadata final : public Firebird::IMessageMetadataImpl<FakeMetadata, Status> {
public:
    explicit FakeMetadata(std::vector<Decl> decls) : decls_(std::move(decls)) {
        unsigned at = 0;
        for (const Decl& d : decls_) {
            const unsigned align = d.type == kSqlVarying ? 2 : size_of(d) >= 8 ? 8 : size_of(d);
            at = (at + align - 1) / align * align;
            offsets_.push_back(at);
            at += size_of(d) + (d.type == kSqlVarying ? 2 : 0);
            at = (at + 1) / 2 * 2;
            nulls_.push_back(at);
            at += 2;
        }
        length_ = at;
    }

    void addRef() override { ++refs_; }
    int release() override { return --refs_; }
    unsigned getCount(Status*) override { return static_cast<unsigned>(decls_.size()); }
    const char* getField(Status*, unsigned) override { return ""; }
    const char* getRelation(Status*, unsigned) override { return ""; }
    const char* getOwner(Status*, unsigned) override { return ""; }
    const char* getAlias(Status*, unsigned) override { return ""; }
    unsigned getType(Status*, unsigned i) override { return decls_.at(i).type + 1; }  // nullable bit set
    FB_BOOLEAN isNullable(Status*, unsigned) override { return FB_TRUE; }
    int getSubType(Status*, unsigned) override { return 0; }
    unsigned getLength(Status*, unsigned i) override { return size_of(decls_.at(i)); }
    int getScale(Status*, unsigned i) override { return decls_.at(i).scale; }
    unsigned getCharSet(Status*, unsigned i) override { return decls_.at(i).charset; }
    unsigned getOffset(Status*, unsigned i) override { return offsets_.at(i); }
    unsigned getNullOffset(Status*, unsigned i) override { return nulls_.at(i); }
    Firebird::IMetadataBuilder* getBuilder(Status*) override { return nullptr; }
    unsigned getMessageLength(Status*) override { return length_; }
#if FB_API_VER >= 40  // Firebird 4's interface adds these
    unsigned getAlignment(Status*) override { return 8; }
    unsigned getAlignedLength(Status*) override { return (length_ + 7) / 8 * 8; }
#endif

    int refs() const { return refs_; }

private:
    std::vector<Decl> decls_;
    std::vector<unsigned> offsets_, nulls_;
    unsigned length_ = 0;
    int refs_ = 1;
};

// A message buffer with the layout of a field list.
class Message {
public:
    Message(const Field* fields, unsigned count, unsigned length)
        : fields_(fields, fields + count), bytes_(length + 16, 0xA5) {
        for (const Field& f : fields_) set_null(f, false);
    }
    unsigned char* data() { return bytes_.data(); }
    const Field& field(unsigned i) const { return fields_.at(i); }

    void set_null(unsigned i, bool null = true) { set_null(fields_.at(i), null); }
    bool is_null(unsigned i) const {
        int16_t flag;
        std::memcpy(&flag, bytes_.data() + fields_.at(i).null_offset, 2);
        return flag != 0;
    }
    void text(unsigned i, const std::string& s) {
        const Field& f = fields_.at(i);
        const auto n = static_cast<uint16_t>(s.size());
        std::memcpy(bytes_.data() + f.offset, &n, 2);
        std::memcpy(bytes_.data() + f.offset + 2, s.data(), s.size());
    }
    std::string text(unsigned i) const {
        const Field& f = fields_.at(i);
        uint16_t n;
        std::memcpy(&n, bytes_.data() + f.offset, 2);
        return std::string(reinterpret_cast<const char*>(bytes_.data() + f.offset + 2), n);
    }
    template <typename V> void value(unsigned i, const V& v) { std::memcpy(bytes_.data() + fields_.at(i).offset, &v, sizeof v); }
    template <typename V> V value(unsigned i) const {
        V v;
        std::memcpy(&v, bytes_.data() + fields_.at(i).offset, sizeof v);
        return v;
    }
    // The byte just past a field's room, which nothing may touch.
    unsigned char past(unsigned i) const {
        const Field& f = fields_.at(i);
        std::size_t at = f.offset + f.length + (f.type == kSqlVarying ? 2 : 0);
        if (at == f.null_offset) at += 2;  // the field's own null flag may follow it directly
        return bytes_.at(at);
    }

private:
    void set_null(const Field& f, bool null) {
        const int16_t flag = null ? -1 : 0;
        std::memcpy(bytes_.data() + f.null_offset, &flag, 2);
    }
    std::vector<Field> fields_;
    std::vector<unsigned char> bytes_;
};

// Sets an error in a status, as a failing server call does.
inline void set_error(Status* status) {
    static const intptr_t v[] = {isc_arg_gds, isc_io_error, isc_arg_end};
    status->setErrors(v);
}

// An IBlob over segments in memory. fail_after: the segment read at which getSegment fails.
class FakeBlob final : public Firebird::IBlobImpl<FakeBlob, Status> {
public:
    explicit FakeBlob(std::vector<std::string> segments, int fail_after = -1)
        : segments_(std::move(segments)), fail_after_(fail_after) {}

    void addRef() override { ++refs_; }
    int release() override { return --refs_; }

    void getInfo(Status*, unsigned n, const unsigned char* items, unsigned cap, unsigned char* buf) override {
        unsigned at = 0;
        for (unsigned i = 0; i < n && items[i] != isc_info_end; ++i) {
            int64_t v = 0;
            if (items[i] == isc_info_blob_total_length) {
                for (const auto& s : segments_) v += static_cast<int64_t>(s.size());
            } else if (items[i] == isc_info_blob_num_segments) {
                v = static_cast<int64_t>(segments_.size());
            } else if (items[i] == isc_info_blob_max_segment) {
                for (const auto& s : segments_) v = std::max<int64_t>(v, static_cast<int64_t>(s.size()));
            }
            if (at + 7 >= cap) break;
            buf[at++] = items[i];
            buf[at++] = 4;
            buf[at++] = 0;
            for (int k = 0; k < 4; ++k) buf[at++] = static_cast<unsigned char>(v >> (8 * k));
        }
        if (at < cap) buf[at] = isc_info_end;
    }

    int getSegment(Status* status, unsigned cap, void* buf, unsigned* got) override {
        ++reads_;
        if (fail_after_ >= 0 && reads_ > fail_after_) {
            set_error(status);
            return Firebird::IStatus::RESULT_ERROR;
        }
        if (seg_ == segments_.size()) return Firebird::IStatus::RESULT_NO_DATA;
        const std::string& s = segments_[seg_];
        const std::size_t n = std::min<std::size_t>(cap, s.size() - pos_);
        std::memcpy(buf, s.data() + pos_, n);
        *got = static_cast<unsigned>(n);
        pos_ += n;
        if (pos_ < s.size()) return Firebird::IStatus::RESULT_SEGMENT;
        ++seg_;
        pos_ = 0;
        return Firebird::IStatus::RESULT_OK;
    }

    void putSegment(Status*, unsigned n, const void* data) override {
        segments_.emplace_back(static_cast<const char*>(data), n);
    }
    void cancel(Status*) override {
        cancelled_ = true;
        release();
    }
    void close(Status*) override {
        closed_ = true;
        release();
    }
    int seek(Status*, int, int) override { return 0; }
#if FB_API_VER >= 40  // Firebird 4's interface keeps the old entries under these names
    void deprecatedCancel(Status* status) override { cancel(status); }
    void deprecatedClose(Status* status) override { close(status); }
#endif

    const std::vector<std::string>& segments() const { return segments_; }
    bool closed() const { return closed_; }
    bool cancelled() const { return cancelled_; }
    int refs() const { return refs_; }

private:
    std::vector<std::string> segments_;
    int fail_after_;
    std::size_t seg_ = 0, pos_ = 0;
    int reads_ = 0;
    bool closed_ = false, cancelled_ = false;
    int refs_ = 1;
};

// A BlobHost over blobs held in memory by id: the adapter's view of the server's blobs.
class MemoryHost final : public BlobHost {
public:
    class In final : public frame::BlobIn {
    public:
        explicit In(const std::string& s) : s_(s) {}
        bool is_null() const noexcept override { return false; }
        int64_t total_length() const noexcept override { return static_cast<int64_t>(s_.size()); }
        int64_t segment_count() const noexcept override { return s_.empty() ? 0 : 1; }
        int64_t max_segment() const noexcept override { return static_cast<int64_t>(s_.size()); }
        bool read(char* buf, std::size_t cap, std::size_t& got) noexcept override {
            got = std::min(cap, s_.size() - at_);
            if (got == 0) return false;
            std::memcpy(buf, s_.data() + at_, got);
            at_ += got;
            return true;
        }

    private:
        std::string s_;
        std::size_t at_ = 0;
    };
    class Out final : public frame::BlobOut {
    public:
        bool write(const char* data, std::size_t n) noexcept override {
            text.append(data, n);
            return true;
        }
        std::string text;
    };

    std::map<uint32_t, std::string> blobs;  // by the id's low word
    std::vector<In> opened;
    Out out;
    bool fail_open = false, fail_create = false, fail = false;
    bool out_kept = false, out_cancelled = false;

    frame::BlobIn* open(const BlobId& id) noexcept override {
        auto it = blobs.find(id.low);
        if (fail_open || it == blobs.end()) return nullptr;
        opened.reserve(8);
        opened.emplace_back(it->second);
        return &opened.back();
    }
    frame::BlobOut* create() noexcept override { return fail_create ? nullptr : &out; }
    bool finish_out(bool keep, BlobId& id) noexcept override {
        (keep ? out_kept : out_cancelled) = true;
        if (keep) {
            id = BlobId{0, 777};
            blobs[777] = out.text;
        }
        return true;
    }
    bool failed() const noexcept override { return fail; }
};

}  // namespace brindle::udr::fakes
