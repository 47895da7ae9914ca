// The server's blobs behind the segment interface. Every call on the server's objects goes
// through a CheckStatusWrapper: nothing throws, a failure is noted and ends all further work.
#include "udr/fb_blob.h"

#include <ibase.h>

namespace brindle::udr {

using Firebird::IStatus;

namespace {

// A little-endian integer of n bytes from an info buffer.
int64_t info_integer(const unsigned char* p, unsigned n) noexcept {
    uint64_t v = 0;
    for (unsigned i = 0; i < n && i < 8; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
    if (n > 0 && n < 8 && (p[n - 1] & 0x80) != 0) v |= ~uint64_t{0} << (8 * n);  // sign
    return static_cast<int64_t>(v);
}

}  // namespace

bool FbBlobIn::close() noexcept {
    if (blob_ == nullptr) return true;
    Firebird::IBlob* b = blob_;
    blob_ = nullptr;
    if (status_->failed) {
        b->release();
        return false;
    }
    b->close(status_->status);
    if (status_->check()) {
        b->release();  // close releases the blob only when it succeeds
        return false;
    }
    return true;
}

const FbBlobIn::Info& FbBlobIn::info() const noexcept {
    if (info_ || blob_ == nullptr) return counts_;
    info_ = true;
    if (status_->failed) return counts_;
    static const unsigned char items[] = {isc_info_blob_total_length, isc_info_blob_num_segments,
                                          isc_info_blob_max_segment, isc_info_end};
    unsigned char buf[64] = {};
    blob_->getInfo(status_->status, sizeof items, items, sizeof buf, buf);
    if (status_->check()) return counts_;
    for (std::size_t i = 0; i + 3 <= sizeof buf && buf[i] != isc_info_end;) {
        const unsigned char item = buf[i];
        const unsigned n = buf[i + 1] | (static_cast<unsigned>(buf[i + 2]) << 8);
        if (item == isc_info_truncated || item == isc_info_error || i + 3 + n > sizeof buf) break;
        const int64_t v = info_integer(buf + i + 3, n);
        if (item == isc_info_blob_total_length) counts_.total = v;
        if (item == isc_info_blob_num_segments) counts_.segments = v;
        if (item == isc_info_blob_max_segment) counts_.max_segment = v;
        i += 3 + n;
    }
    return counts_;
}

bool FbBlobIn::read(char* buf, std::size_t cap, std::size_t& got) noexcept {
    got = 0;
    if (blob_ == nullptr || buf == nullptr || cap == 0 || status_->failed) return false;
    if (cap > frame::kMaxSegment) cap = frame::kMaxSegment;
    unsigned length = 0;
    const int r = blob_->getSegment(status_->status, static_cast<unsigned>(cap), buf, &length);
    if (status_->check()) return false;
    if (r != IStatus::RESULT_OK && r != IStatus::RESULT_SEGMENT) return false;
    got = length <= cap ? length : cap;
    return true;
}

bool FbBlobOut::open() noexcept {
    if (blob_ != nullptr) return true;
    if (att_ == nullptr || status_->failed) return false;
    blob_ = att_->createBlob(status_->status, tra_, &id_, 0, nullptr);
    if (status_->check()) {
        if (blob_ != nullptr) blob_->release();
        blob_ = nullptr;
        return false;
    }
    return blob_ != nullptr;
}

bool FbBlobOut::write(const char* data, std::size_t n) noexcept {
    if (n > frame::kMaxSegment || !open()) return false;
    static const char empty = 0;
    blob_->putSegment(status_->status, static_cast<unsigned>(data == nullptr ? 0 : n),
                      data == nullptr || n == 0 ? &empty : data);
    return !status_->check();
}

bool FbBlobOut::finish(BlobId* id) noexcept {
    const bool keep = id != nullptr;
    if (keep && !open()) return false;
    if (blob_ == nullptr) return !keep;
    Firebird::IBlob* b = blob_;
    blob_ = nullptr;
    if (status_->failed) {
        b->release();
        return false;
    }
    if (keep) {
        b->close(status_->status);
    } else {
        b->cancel(status_->status);
    }
    if (status_->check()) {
        b->release();
        return false;
    }
    if (keep) std::memcpy(id, &id_, sizeof *id);
    return true;
}

// Takes a status, the attachment and the transaction on first use. Without a status the host
// fails with no errors to give.
bool FbBlobHost::start() noexcept {
    if (status_.status != nullptr || status_.failed) return !status_.failed;
    raw_ = context_->getMaster()->getStatus();
    if (raw_ == nullptr) {
        status_.failed = true;
        return false;
    }
    wrapper_.emplace(raw_);
    status_.status = &*wrapper_;
    att_ = context_->getAttachment(status_.status);
    if (!status_.check()) tra_ = context_->getTransaction(status_.status);
    if (status_.check() || att_ == nullptr || tra_ == nullptr) {
        status_.failed = true;
        return false;
    }
    return true;
}

frame::BlobIn* FbBlobHost::open(const BlobId& id) noexcept {
    if (in_count_ == kMaxArgs || !start()) return nullptr;
    ISC_QUAD q;
    std::memcpy(&q, &id, sizeof q);
    Firebird::IBlob* b = att_->openBlob(status_.status, tra_, &q, 0, nullptr);
    if (status_.check() || b == nullptr) {
        if (b != nullptr) b->release();
        status_.failed = true;
        return nullptr;
    }
    FbBlobIn& in = in_[in_count_++];
    in.attach(b, &status_);
    return &in;
}

frame::BlobOut* FbBlobHost::create() noexcept {
    if (!start()) return nullptr;
    out_.attach(att_, tra_, &status_);
    out_open_ = true;
    return &out_;
}

bool FbBlobHost::finish_out(bool keep, BlobId& id) noexcept {
    if (!out_open_) return false;
    out_open_ = false;
    return out_.finish(keep ? &id : nullptr);
}

bool FbBlobHost::failed() const noexcept { return status_.failed; }

const intptr_t* FbBlobHost::errors() const noexcept {
    if (status_.status == nullptr || !status_.failed) return nullptr;
    if ((status_.status->getState() & IStatus::STATE_ERRORS) == 0) return nullptr;
    return status_.status->getErrors();
}

void FbBlobHost::close_all() noexcept {
    for (std::size_t i = 0; i < in_count_; ++i) in_[i].close();
    in_count_ = 0;
    if (out_open_) out_.finish(nullptr);
    out_open_ = false;
}

FbBlobHost::~FbBlobHost() {
    close_all();
    if (tra_ != nullptr) tra_->release();
    if (att_ != nullptr) att_->release();
    wrapper_.reset();
    if (raw_ != nullptr) raw_->dispose();
}

}  // namespace brindle::udr
