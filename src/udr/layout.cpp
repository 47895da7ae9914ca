#include "udr/layout.h"

#include <cstdio>

namespace brindle::udr {

namespace {

bool failed(Status* s) noexcept { return (s->getState() & Firebird::IStatus::STATE_ERRORS) != 0; }

// Releases a metadata object at the end of a scope.
struct Held {
    Firebird::IMessageMetadata* p;
    ~Held() {
        if (p != nullptr) p->release();
    }
};

}  // namespace

bool read_message(Status* status, Firebird::IMessageMetadata* meta, Field* fields, unsigned max, unsigned& count,
                  unsigned& length, char* why, std::size_t cap) noexcept {
    count = 0;
    length = 0;
    if (cap != 0) why[0] = '\0';
    if (meta == nullptr) return true;  // no fields
    const unsigned n = meta->getCount(status);
    if (failed(status)) return false;
    if (n > max) {
        std::snprintf(why, cap, "declared with %u fields, at most %u are possible", n, max);
        return false;
    }
    // Each call on the metadata clears the error of the call before it: every answer is checked
    // as it comes.
    const auto got = [status](auto& into, auto answer) {
        into = answer;
        return !failed(status);
    };
    for (unsigned i = 0; i < n; ++i) {
        Field& f = fields[i];
        if (!got(f.type, meta->getType(status, i) & ~1u) || !got(f.length, meta->getLength(status, i)) ||
            !got(f.offset, meta->getOffset(status, i)) || !got(f.null_offset, meta->getNullOffset(status, i)) ||
            !got(f.charset, meta->getCharSet(status, i)) || !got(f.scale, meta->getScale(status, i)) ||
            !got(f.sub_type, meta->getSubType(status, i)))
            return false;
    }
    length = meta->getMessageLength(status);
    if (failed(status)) return false;
    count = n;
    return true;
}

bool read_layout(Status* status, const Firebird::IRoutineMetadata* routine, Layout& layout, char* why,
                 std::size_t cap) noexcept {
    Held in{routine->getInputMetadata(status)};
    if (failed(status)) return false;
    Held out{routine->getOutputMetadata(status)};
    if (failed(status)) return false;
    if (!read_message(status, in.p, layout.in, kMaxArgs, layout.in_count, layout.in_length, why, cap)) return false;
    unsigned results = 0;
    if (!read_message(status, out.p, &layout.out, 1, results, layout.out_length, why, cap)) return false;
    if (results != 1) {
        std::snprintf(why, cap, "declared without a result");
        return false;
    }
    return true;
}

}  // namespace brindle::udr
