// libFuzzer target over every function of the UDR front end, called as the server calls it:
// the module registers its factories with a plugin in memory (server.h), and each input makes
// one declaration of a row, the function's instance for it, and one call.
//
// An input is: a 16-bit row number, a flags byte, a width for each text field (VARCHAR of 1 to
// 32765 bytes; the result as wide as the row's width rule gives for its arguments, or narrower,
// so that the adapter's too-long error shows), now and then one field declared wrong (the
// function must then refuse every call), then the arguments by kind as calls.h decodes them:
// texts up to the field's width of any bytes, extreme integers, doubles including NaN,
// infinities and subnormals, timestamps over the whole 32-bit date range with any time,
// blobs of any segments whose getInfo, getSegment, close and the output blob's putSegment fail,
// throw or lie, and NULL in any position.
//
// Checked on every call, beyond what the sanitizers catch: the input message is untouched; no
// byte of the output message outside the result's field and its NULL flag changes (the buffer
// is filled with a sentinel); a text result fits its field; a refused declaration errs; an
// error is a well-formed status vector; every blob opened or created is released exactly once,
// an output blob handed back is closed and one not handed back is cancelled; the attachment
// and the transaction are given back. A result longer than the row's own width rule allows is
// counted per row (the second figure in executions.txt): the declaration scripts would then
// promise too little.
//
// Environment: see driver.h.
#include <firebird/Interface.h>
#include <ibase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "catalog/kinds.h"
#include "frame/registry.h"
#include "fuzz/driver.h"
#include "support/fake_server.h"
#include "udr/adapter.h"
#include "udr/layout.h"

extern "C" FB_BOOLEAN* firebird_udr_plugin(Firebird::IStatus* status, FB_BOOLEAN* unload_flag,
                                           Firebird::IUdrPlugin* plugin);

namespace {

using namespace brindle;
using namespace brindle::fuzz;
namespace server = brindle::test::server;
using frame::Width;
using frame::WidthRule;
using udr::Field;
using udr::Layout;
using server::Decl;
using server::FakeMetadata;
using server::Message;

// Each row's width rule, in the order of the adapter's table.
#define BRINDLE_FUZZ_WIDTH(sql, entry, routine, result, travel, args, width, nulls, traits, summary, example, \
                           answer)                                                                          \
    BRW_##width,
const Width kWidths[] = {
#define BRINDLE_FN BRINDLE_FUZZ_WIDTH
#include "registry_all.inc"
#undef BRINDLE_FN
};
static_assert(sizeof kWidths / sizeof kWidths[0] < 1024);

std::vector<Firebird::IUdrFunctionFactory*> factories;
std::vector<uint64_t> over_bound;
Driver driver(udr::kTableSize, [](std::size_t r) { return udr::kTable[r].entry; },
              [](std::size_t r) { return over_bound[r]; });

[[noreturn]] void fault(const udr::Descriptor& d, const char* what) {
    std::fprintf(stderr, "==brindle udr fuzz== %s: %s\n", d.entry, what);
    std::abort();
}

constexpr unsigned kDefaultWidth = 1024;

unsigned text_width(Bytes& in) noexcept {
    static constexpr unsigned common[] = {1, 2, 3, 8, 36, 255, 256, 1024, 4096, 32765};
    const uint8_t sel = in.u8();
    switch (sel & 3) {
        case 0: return kDefaultWidth;
        case 1: return 1u + in.u16() % udr::kMaxVarchar;
        case 2: return 1u + in.u8() % 64u;
        default: return pick(common, in.u8());
    }
}

// The width the declaration script gives the result of a row for these argument widths.
unsigned bound(const Width& w, const unsigned* widths) noexcept {
    const bool names_arg = w.rule == WidthRule::arg || w.rule == WidthRule::times;
    return static_cast<unsigned>(catalog::declared_width(w, names_arg ? widths[w.a - 1] : 0, udr::kMaxVarchar));
}

// A field as the declaration script declares a kind (text: this wide).
Decl decl_of(Kind k, unsigned width) noexcept {
    return catalog::is_text(k) ? server::varchar(width) : Decl{catalog::kind_sql(k).message.type};
}

// One field declared wrong: another type, character set, scale or length, or an argument too
// many or too few.
void mislead(Bytes& in, std::vector<Decl>& args, Decl& result) {
    static constexpr unsigned types[] = {448, 452, 480, 496, 500, 510, 520, 560, 570, 580};
    const uint8_t how = in.u8();
    if ((how & 7) == 0) {
        args.push_back({udr::kSqlLong});
        return;
    }
    if ((how & 7) == 1 && !args.empty()) {
        args.pop_back();
        return;
    }
    const std::size_t at = in.u8() % (args.size() + 1);
    Decl& d = at == args.size() ? result : args[at];
    switch ((how >> 3) & 3) {
        case 0: d = {pick(types, in.u8()), 1u + in.u16() % 40000u}; break;
        case 1: d.charset = in.u8(); break;
        case 2: d.scale = -static_cast<int>(in.u8() % 19); break;
        default: d.length = udr::kMaxVarchar + 1u + in.u16(); break;
    }
    if (d.type != udr::kSqlVarying && d.type != 452 && (how & 0x40) == 0) d.length = 0;
}

server::Lies lies_of(Bytes& in) noexcept {
    server::Lies l;
    const uint8_t a = in.u8();
    if ((a & 3) == 0) return l;  // an honest blob, most of the time
    const uint8_t b = in.u8();
    l.fail_at = (a & 4) ? 1 + (b % 12) : -1;
    l.throws = (a & 8) != 0;
    l.overclaim = (a & 16) != 0;
    l.empty_forever = (a & 32) != 0;
    l.code = static_cast<uint8_t>((a >> 6) & 3);
    l.info = static_cast<uint8_t>(b >> 5) % 5;
    l.claimed = static_cast<int32_t>(in.u32());
    l.any_code = in.u32();
    return l;
}

// Fills one argument of the input message by its kind.
void fill(Bytes& in, Message& msg, unsigned i, Kind k, server::Attachment& att, bool lying_lengths) {
    const uint8_t sel = in.u8();
    if (null_arg(sel)) {
        // Any NULL flag but 0 means NULL.
        const int16_t flag = (sel & 0x80) ? static_cast<int16_t>(in.u16() | 1) : int16_t{-1};
        std::memcpy(msg.data() + msg.field(i).null_offset, &flag, sizeof flag);
        return;
    }
    switch (k) {
        case Kind::text:
        case Kind::text_n: {
            std::string s = text_bytes(in, sel);
            const unsigned w = msg.field(i).length;
            if (s.size() > w) s.resize(w);
            msg.text(i, s);
            if (lying_lengths && (sel & 0x80) != 0) {
                // A length word beyond the field: the adapter must still read within it.
                const uint16_t n = static_cast<uint16_t>(w + 1 + in.u16() % (65535 - w));
                std::memcpy(msg.data() + msg.field(i).offset, &n, sizeof n);
            }
            break;
        }
        case Kind::int_:
        case Kind::int_n: msg.value(i, int_value(in, sel)); break;
        case Kind::smallint: msg.value(i, static_cast<int16_t>(int_value(in, sel))); break;
        case Kind::double_: msg.value(i, double_value(in, sel)); break;
        case Kind::timestamp: msg.value(i, timestamp_value(in, sel)); break;
        case Kind::date: msg.value(i, timestamp_value(in, sel).date); break;
        case Kind::time: msg.value(i, timestamp_value(in, sel).time); break;
        case Kind::blob:
        case Kind::blob_n: {
            ISC_QUAD id{0, 0};
            if ((sel & 0x70) == 0x70) {
                id.gds_quad_high = static_cast<ISC_LONG>(in.u32());  // an id of no blob
                id.gds_quad_low = in.u32();
            } else {
                std::vector<std::string> segs = blob_segments(in);
                att.inputs.push_back(std::make_unique<server::Blob>(std::move(segs), lies_of(in)));
                att.opened.push_back(false);
                id.gds_quad_low = static_cast<ISC_ULONG>(att.inputs.size());
            }
            msg.value(i, id);
            break;
        }
    }
}

// Every string of an error status vector is readable.
bool well_formed(const intptr_t* v) noexcept {
    for (int n = 0; n < 64; ++n) {
        const intptr_t tag = *v++;
        switch (tag) {
            case isc_arg_end: return true;
            case isc_arg_string:
            case isc_arg_interpreted:
            case isc_arg_sql_state: {
                const char* s = reinterpret_cast<const char*>(*v++);
                if (s == nullptr || std::strlen(s) > 4096) return false;
                break;
            }
            case isc_arg_cstring: {
                const auto len = static_cast<std::size_t>(*v++);
                const char* s = reinterpret_cast<const char*>(*v++);
                if (s == nullptr && len != 0) return false;
                break;
            }
            default: ++v; break;
        }
    }
    return false;
}

using server::LocalStatus;
using server::says;

// True when before and after hold the same bytes outside the two ranges [from, to).
bool untouched_but(const unsigned char* before, const unsigned char* after, std::size_t n,
                   std::pair<std::size_t, std::size_t> a, std::pair<std::size_t, std::size_t> b) noexcept {
    if (b.first < a.first) std::swap(a, b);
    auto same = [&](std::size_t from, std::size_t to) {
        to = std::min(to, n);
        return from >= to || std::memcmp(before + from, after + from, to - from) == 0;
    };
    return same(0, a.first) && same(a.second, b.first) && same(std::max(a.second, b.second), n);
}

std::size_t room(const Field& f) noexcept { return f.length + (f.type == udr::kSqlVarying ? 2u : 0u); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    driver.start();
    server::Plugin plugin;
    LocalStatus st;
    static FB_BOOLEAN unloaded = FB_FALSE;
    firebird_udr_plugin(st.raw, &unloaded, &plugin);
    if (st.errors()) {
        std::fprintf(stderr, "the module did not register its functions\n");
        std::exit(1);
    }
    for (std::size_t r = 0; r < udr::kTableSize; ++r) {
        const auto it = plugin.functions.find(udr::kTable[r].entry);
        if (it == plugin.functions.end()) {
            std::fprintf(stderr, "%s was not registered\n", udr::kTable[r].entry);
            std::exit(1);
        }
        factories.push_back(it->second);
    }
    over_bound.assign(udr::kTableSize, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Bytes in(data, size);
    const std::size_t r = driver.row(in);
    const udr::Descriptor& d = udr::kTable[r];
    const uint8_t flags = in.u8();

    // The declaration.
    unsigned widths[udr::kMaxArgs] = {};
    std::vector<Decl> args;
    for (unsigned i = 0; i < d.arg_count; ++i) {
        widths[i] = catalog::is_text(d.args[i]) ? text_width(in) : 0;
        args.push_back(decl_of(d.args[i], widths[i]));
    }
    unsigned out_width = 0;
    bool honest_width = false;
    if (d.result == Kind::text) {
        const unsigned b = bound(kWidths[r], widths);
        switch (in.u8() & 3) {
            case 0:
            case 1: out_width = b, honest_width = true; break;
            case 2: out_width = 1 + in.u16() % b; break;
            default: out_width = 1 + in.u16() % udr::kMaxVarchar; break;
        }
    }
    Decl result = decl_of(d.result, out_width);
    const bool misled = (flags & 0xC0) == 0xC0 && (flags & 7) == 7;
    if (misled) mislead(in, args, result);
    // The declaration scripts give every text argument one width: only then does the row's
    // width rule promise the result's.
    for (unsigned i = 0; i < d.arg_count; ++i) {
        for (unsigned j = 0; j < i; ++j) {
            if (widths[i] != 0 && widths[j] != 0 && widths[i] != widths[j]) honest_width = false;
        }
    }
    honest_width = honest_width && !misled;
    if (args.size() > udr::kMaxArgs) args.resize(udr::kMaxArgs);

    FakeMetadata in_meta(args), out_meta({result});
    server::Routine routine(d.sql, &in_meta, &out_meta);
    Layout layout;
    unsigned results = 0;
    {
        LocalStatus st;
        char why[320];
        if (!udr::read_message(&st.wrapper, &in_meta, layout.in, udr::kMaxArgs, layout.in_count, layout.in_length,
                               why, sizeof why) ||
            !udr::read_message(&st.wrapper, &out_meta, &layout.out, 1, results, layout.out_length, why, sizeof why)) {
            fault(d, "the fake metadata could not be read");
        }
    }
    char why[320];
    const bool declared_right = udr::check(d, layout, why, sizeof why);
    if (!misled && !declared_right) fault(d, why);

    // The call's server and its messages.
    server::Context ctx;
    ctx.fails = (flags & 0x3F) == 0x3E;
    if ((flags & 0x3F) == 0x3D) {
        const uint8_t a = in.u8();
        ctx.attachment.lies = {(a & 1) != 0, (a & 2) != 0, (a & 4) != 0, (a & 8) != 0, (a & 16) != 0, {}};
    }
    if (d.result == Kind::blob) ctx.attachment.lies.created = lies_of(in);
    Message msg_in(layout.in, layout.in_count, layout.in_length);
    Message msg_out(&layout.out, 1, layout.out_length);
    const std::size_t in_bytes = layout.in_length + 16, out_bytes = layout.out_length + 16;
    if (declared_right) {
        for (unsigned i = 0; i < d.arg_count; ++i) fill(in, msg_in, i, d.args[i], ctx.attachment, (flags & 8) != 0);
    } else {
        std::string junk;
        in.take(in_bytes, junk);
        std::memcpy(msg_in.data(), junk.data(), junk.size());
    }
    const std::vector<unsigned char> in_before(msg_in.data(), msg_in.data() + in_bytes);
    const std::vector<unsigned char> out_before(msg_out.data(), msg_out.data() + out_bytes);

    LocalStatus st;
    Firebird::IExternalFunction* fn = factories[r]->newItem(&st.wrapper, &ctx, &routine);
    if (st.errors() || fn == nullptr) fault(d, "no instance for a declaration");
    fn->execute(&st.wrapper, &ctx, msg_in.data(), msg_out.data());
    fn->dispose();
    driver.count(r);
    const bool erred = st.errors();

    // The invariants of the call.
    if (std::memcmp(in_before.data(), msg_in.data(), in_bytes) != 0) fault(d, "the input message changed");
    const Field& of = layout.out;
    if (!untouched_but(out_before.data(), msg_out.data(), out_bytes, {of.offset, of.offset + room(of)},
                       {of.null_offset, of.null_offset + 2u}))
        fault(d, "a byte outside the result's field changed");
    if (!declared_right && !erred) fault(d, "a call through a wrong declaration did not err");
    if (erred && !well_formed(st.wrapper.getErrors())) fault(d, "an error status that is not well formed");
    if (!erred && !msg_out.is_null(0) && of.type == udr::kSqlVarying) {
        uint16_t n;
        std::memcpy(&n, msg_out.data() + of.offset, sizeof n);
        if (n > of.length) fault(d, "a text result longer than its field");
    }
    if (erred && honest_width && of.length < udr::kMaxVarchar && says(st.wrapper.getErrors(), isc_string_truncation)) {
        ++over_bound[r];
        if (std::getenv("BRINDLE_FUZZ_SHOW") != nullptr) {
            std::fprintf(stderr, "%s: result field %u for text argument widths", d.entry, of.length);
            for (unsigned i = 0; i < d.arg_count; ++i) {
                if (widths[i] == 0) continue;
                std::fprintf(stderr, " %u (%zu bytes: ", widths[i], msg_in.text(i).size());
                for (unsigned char c : msg_in.text(i).substr(0, 40)) std::fprintf(stderr, "%02x", c);
                std::fprintf(stderr, ")");
            }
            std::fprintf(stderr, "\n");
        }
    }
    for (const auto& b : ctx.attachment.inputs) {
        if (b->refs() != 0 && b->refs() != 1) fault(d, "an input blob released other than once");
    }
    for (std::size_t i = 0; i < ctx.attachment.inputs.size(); ++i) {
        if (ctx.attachment.opened[i] && ctx.attachment.inputs[i]->refs() != 0) fault(d, "an input blob left open");
    }
    for (const auto& b : ctx.attachment.created) {
        if (b->refs() != 0) fault(d, "an output blob left open or released twice");
    }
    if (d.result == Kind::blob && !erred && declared_right) {
        if (msg_out.is_null(0)) {
            for (const auto& b : ctx.attachment.created)
                if (b->closed()) fault(d, "an output blob kept for a NULL result");
        } else {
            const ISC_QUAD id = msg_out.value<ISC_QUAD>(0);
            const std::size_t k = id.gds_quad_low;
            if (id.gds_quad_high != 0x7FFF || k == 0 || k > ctx.attachment.created.size() ||
                !ctx.attachment.created[k - 1]->closed())
                fault(d, "a blob result that is not the closed output blob");
        }
    }
    if (ctx.attachment.refs() != 1 || ctx.transaction.refs() != 1) fault(d, "the attachment or transaction kept");
    return 0;
}
