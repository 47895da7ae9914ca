// The UUID functions: generation in the text and compressed forms, conversion between the
// forms, and what can be read out of a UUID (version, time, adapter address).
#include "frame/block.h"
#include "frame/text.h"
#include "uuid/generator.h"
#include "uuid/uuid.h"

namespace brindle::uuid {
namespace {

using frame::TextOut;
using frame::Timestamp;

void put_text(TextOut& out, const Uuid& u) noexcept { out.append(uuid_to_text(u).data(), kTextLength); }
void put_compressed(TextOut& out, const Uuid& u) noexcept {
    out.append(uuid_compress(u).data(), kCompressedLength);
}

bool is_version1_text(std::string_view s) noexcept { return uuid_is_text(s) && s[14] == '1'; }

// The node as "%02x:%02x:%02x:%02x:%02x:%02x".
void put_mac(TextOut& out, const Node& node) noexcept {
    constexpr char kHex[] = "0123456789abcdef";
    char mac[17];
    for (std::size_t i = 0; i < node.size(); ++i) {
        mac[3 * i] = kHex[node[i] >> 4];
        mac[3 * i + 1] = kHex[node[i] & 0xF];
        if (i + 1 < node.size()) mac[3 * i + 2] = ':';
    }
    out.append(mac, sizeof mac);
}

std::optional<Timestamp> time_of(const Uuid& u) noexcept { return local_timestamp(uuid_unix_seconds(u)); }

}  // namespace

void uuid1mac(TextOut& out) noexcept { put_text(out, process_generator().v1(false)); }
void uuid1maccompr(TextOut& out) noexcept { put_compressed(out, process_generator().v1(false)); }
void uuid1rand(TextOut& out) noexcept { put_text(out, process_generator().v1(true)); }
void uuid1randcompr(TextOut& out) noexcept { put_compressed(out, process_generator().v1(true)); }
void uuid4(TextOut& out) noexcept { put_text(out, uuidgen_v4()); }
void uuid4compr(TextOut& out) noexcept { put_compressed(out, uuidgen_v4()); }

void compressuuid(TextOut& out, std::string_view s) noexcept {
    if (uuid_is_text(s)) {
        put_compressed(out, uuid_from_text(s));
    } else {
        out.append("Input no RFC4122 UUID");
    }
}

void expanduuidcompr(TextOut& out, std::string_view s) noexcept {
    if (uuid_is_compressed(s)) {
        put_text(out, uuid_expand(s));
    } else {
        out.append("Input no compressed UUID");
    }
}

std::optional<Timestamp> uuid1timestamp(std::string_view s) noexcept {
    if (!is_version1_text(s)) return std::nullopt;
    const Uuid u = uuid_from_text(s);
    if ((u.time_hi_and_version & kVersion1Bit) == 0) return std::nullopt;
    return time_of(u);
}

std::optional<Timestamp> uuid1comprtimestamp(std::string_view s) noexcept {
    if (!uuid_is_compressed(s)) return std::nullopt;
    const Uuid u = uuid_expand(s);
    if ((u.time_hi_and_version & kVersion1Bit) == 0) return std::nullopt;
    return time_of(u);
}

bool uuid1macmac(TextOut& out, std::string_view s) noexcept {
    if (!is_version1_text(s)) return false;
    const Uuid u = uuid_from_text(s);
    if ((u.node[0] & kRandomNodeBit) != 0) return false;
    put_mac(out, u.node);
    return true;
}

bool uuid1maccomprmac(TextOut& out, std::string_view s) noexcept {
    if (!uuid_is_compressed(s)) return false;
    const Uuid u = uuid_expand(s);
    if ((u.time_hi_and_version & kVersion1Bit) == 0 || (u.node[0] & kRandomNodeBit) != 0) return false;
    put_mac(out, u.node);
    return true;
}

// "V" and the character at position 14; for '1', "V1b" when the node (up to two hex digits at
// positions 24-25) has bit 7 set, "V1a" when not. NULL when the text is too short to hold a
// version digit, or a '1' there has no hex digit at position 24.
bool uuidversion(TextOut& out, std::string_view s) noexcept {
    if (s.size() < 15) return false;
    const char v = s[14];
    if (v != '1') {
        out.put('V');
        out.put(v);
        return true;
    }
    if (s.size() < 25 || !frame::is_xdigit(s[24])) return false;
    // Bit 7 of the value needs two digits, the first of them 8 or above.
    const bool two_digits = s.size() > 25 && frame::is_xdigit(s[25]);
    const bool high = s[24] == '8' || s[24] == '9' || frame::is_alpha(s[24]);
    out.append(two_digits && high ? "V1b" : "V1a");
    return true;
}

}  // namespace brindle::uuid

namespace uu = brindle::uuid;

#define BRINDLE_FN BRINDLE_ROUTINE
#include "uuid/uuid.def"
#undef BRINDLE_FN
