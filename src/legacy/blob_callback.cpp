// The server's blob callback record behind the routines' segment interface.
#include <ibase.h>

#include "legacy/legacy.h"

namespace brindle::legacy {

bool blob_present(const blobcallback* record) noexcept {
    return record != nullptr && record->blob_handle != nullptr;
}

bool CallbackBlobIn::is_null() const noexcept { return !blob_present(record_); }

int64_t CallbackBlobIn::total_length() const noexcept { return is_null() ? 0 : record_->blob_total_length; }

int64_t CallbackBlobIn::segment_count() const noexcept { return is_null() ? 0 : record_->blob_number_segments; }

int64_t CallbackBlobIn::max_segment() const noexcept { return is_null() ? 0 : record_->blob_max_segment; }

bool CallbackBlobIn::read(char* buf, std::size_t cap, std::size_t& got) noexcept {
    got = 0;
    if (is_null() || record_->blob_get_segment == nullptr || buf == nullptr || cap == 0) return false;
    if (cap > frame::kMaxSegment) cap = frame::kMaxSegment;
    ISC_USHORT length = 0;
    const short status = record_->blob_get_segment(record_->blob_handle, reinterpret_cast<ISC_UCHAR*>(buf),
                                                   static_cast<ISC_USHORT>(cap), &length);
    if (status == 0) return false;
    // A record that reports more than it was asked for is held to the buffer's size.
    got = length <= cap ? length : cap;
    return true;
}

bool CallbackBlobOut::write(const char* data, std::size_t n) noexcept {
    if (!blob_present(record_) || record_->blob_put_segment == nullptr || n > frame::kMaxSegment) return false;
    static const ISC_UCHAR empty = 0;
    const auto* bytes = n == 0 || data == nullptr ? &empty : reinterpret_cast<const ISC_UCHAR*>(data);
    record_->blob_put_segment(record_->blob_handle, bytes, static_cast<ISC_USHORT>(data == nullptr ? 0 : n));
    return true;
}

}  // namespace brindle::legacy
