// The module's entry point: one function factory per registry row. A factory checks a
// declaration against its row when the server creates the function, and the function runs
// the row's adapter over each call's messages. Nothing here throws: every failure becomes the
// status the server reads, naming the function.
#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "convert/units.h"
#include "frame/registry.h"
#include "udr/adapter.h"
#include "udr/fb_blob.h"
#include "udr/layout.h"

namespace brindle::udr {

using Firebird::IExternalContext;
using Firebird::IRoutineMetadata;

namespace {

// Sets an error: the given engine codes (none for a plain message), then a text naming the
// function.
template <typename... Code>
void fail_with(Status* status, const char* text, Code... codes) noexcept {
    intptr_t v[2 * sizeof...(codes) + 5];
    std::size_t n = 0;
    ((v[n++] = isc_arg_gds, v[n++] = codes), ...);
    v[n++] = isc_arg_gds;
    v[n++] = isc_random;
    v[n++] = isc_arg_string;
    v[n++] = reinterpret_cast<intptr_t>(text);
    v[n] = isc_arg_end;
    status->setErrors(v);
}

bool failed(const Status* status) noexcept { return (status->getState() & Firebird::IStatus::STATE_ERRORS) != 0; }

// The engine's own error for an infinite or undefined double result of an external function,
// naming it as the legacy interface does ("Floating point overflow in result from UDF F_EXP").
void fail_fp(Status* status, intptr_t code, const char* name) noexcept {
    const intptr_t v[] = {isc_arg_gds, isc_expression_eval_err, isc_arg_gds, code,
                          isc_arg_string, reinterpret_cast<intptr_t>(name), isc_arg_end};
    status->setErrors(v);
}

class Function final : public Firebird::IExternalFunctionImpl<Function, Status> {
public:
    // A function of a row under a declaration of it. With `why` (what disagrees between the
    // two) every call is refused with it: refusing it while the statement is prepared leaves
    // the engine unable to commit the transaction afterwards.
    Function(const Descriptor& d, const Layout& l, const char* name, const char* why) noexcept
        : desc_(d), layout_(l), blobs_(uses_blobs(d)), refused_(why != nullptr) {
        std::snprintf(name_, sizeof name_, "%s", name);
        if (refused_) std::snprintf(why_, sizeof why_, "brindle_udr: function %s: %s", name, why);
    }

    void dispose() override { delete this; }

    void getCharSet(Status*, IExternalContext*, char*, unsigned) override {}

    void execute(Status* status, IExternalContext* context, void* in, void* out) override {
        if (refused_) {
            fail_with(status, why_);
            return;
        }
        const auto* from = static_cast<const unsigned char*>(in);
        auto* to = static_cast<unsigned char*>(out);
        if (!blobs_) {
            // Most functions touch no blob: no blob host to build and tear down per call.
            NoBlobs none;
            Call c{layout_, from, to, none, desc_.fallback};
            desc_.invoke(c);
            if (c.fail != Failure::none) report(status, c, nullptr);
            return;
        }
        FbBlobHost blobs(context);
        Call c{layout_, from, to, blobs, desc_.fallback};
        desc_.invoke(c);
        blobs.close_all();
        if (c.fail == Failure::none && blobs.failed()) c.fail = Failure::blob;
        if (c.fail != Failure::none) report(status, c, blobs.errors());
    }

private:
    // A host for the functions without blobs: any blob operation fails.
    class NoBlobs final : public BlobHost {
    public:
        frame::BlobIn* open(const BlobId&) noexcept override { return nullptr; }
        frame::BlobOut* create() noexcept override { return nullptr; }
        bool finish_out(bool, BlobId&) noexcept override { return false; }
        bool failed() const noexcept override { return false; }
    };

    static bool is_blob(Kind k) noexcept { return k == Kind::blob || k == Kind::blob_n; }
    static bool uses_blobs(const Descriptor& d) noexcept {
        bool any = is_blob(d.result);
        for (unsigned i = 0; i < d.arg_count; ++i) any |= is_blob(d.args[i]);
        return any;
    }

    // Reports a failed call: a blob's failure as the engine's errors of it (when it gave any).
    void report(Status* status, const Call& c, const intptr_t* engine_errors) noexcept {
        static thread_local char text[256];
        if (c.fail == Failure::truncation) {
            std::snprintf(text, sizeof text, "%s: the result is longer than its declared %zu bytes", name_,
                          c.expected);
            fail_with(status, text, isc_arith_except, isc_string_truncation);
        } else if (c.fail == Failure::fp_overflow || c.fail == Failure::fp_nan) {
            fail_fp(status, c.fail == Failure::fp_nan ? isc_udf_fp_nan : isc_udf_fp_overflow, name_);
        } else if (c.fail == Failure::no_memory) {
            std::snprintf(text, sizeof text, "%s: no memory for the result", name_);
            fail_with(status, text, isc_virmemexh);
        } else if (engine_errors != nullptr) {
            status->setErrors(engine_errors);
        } else {
            std::snprintf(text, sizeof text, "%s: a blob could not be read or written", name_);
            fail_with(status, text);
        }
    }

    const Descriptor& desc_;
    Layout layout_;
    bool blobs_;
    bool refused_;
    char name_[96];
    char why_[448] = "";
};

class Factory final : public Firebird::IUdrFunctionFactoryImpl<Factory, Status> {
public:
    void bind(const Descriptor* d) noexcept { desc_ = d; }

    void dispose() override {}

    void setup(Status*, IExternalContext*, IRoutineMetadata*, Firebird::IMetadataBuilder*,
               Firebird::IMetadataBuilder*) override {}

    Firebird::IExternalFunction* newItem(Status* status, IExternalContext*, IRoutineMetadata* metadata) override {
        const char* name = metadata->getName(status);
        if (failed(status)) return nullptr;
        if (name == nullptr) name = desc_->sql;
        Layout layout{};
        char why[320];
        const bool read = read_layout(status, metadata, layout, why, sizeof why);
        if (failed(status)) return nullptr;
        const bool fits = read && check(*desc_, layout, why, sizeof why);
        auto* f = new (std::nothrow) Function(*desc_, layout, name, fits ? nullptr : why);
        if (f == nullptr) fail_with(status, "brindle_udr: no memory for a function", isc_virmemexh);
        return f;
    }

private:
    const Descriptor* desc_ = nullptr;
};

// One factory per registry row, bound to its descriptor at registration (the rows counted as
// the descriptor table lists them).
constexpr std::size_t kRows = 0
#define BRINDLE_FN(...) +1
#include "registry_all.inc"
#undef BRINDLE_FN
    ;
Factory factories[kRows];

// Tells the server when the module goes away without being unloaded by it.
struct UnloadFlag {
    FB_BOOLEAN mine = FB_FALSE;
    FB_BOOLEAN* theirs = nullptr;
    ~UnloadFlag() {
        if (!mine && theirs != nullptr) *theirs = FB_TRUE;
    }
} unload_flag;

}  // namespace

}  // namespace brindle::udr

extern "C" __attribute__((visibility("default"))) FB_BOOLEAN* firebird_udr_plugin(Firebird::IStatus* status,
                                                                                 FB_BOOLEAN* their_unload_flag,
                                                                                 Firebird::IUdrPlugin* plugin) {
    using namespace brindle::udr;
    unload_flag.theirs = their_unload_flag;
    Status st(status);
    const std::size_t n = std::min(kRows, kTableSize);
    for (std::size_t i = 0; i < n; ++i) {
        factories[i].bind(&kTable[i]);
        plugin->registerFunction(&st, kTable[i].entry, &factories[i]);
        if (failed(&st)) break;
    }
    return &unload_flag.mine;
}
