// The module's entry point: one function factory per registry row. A factory checks a
// declaration against its row when the server creates the function, and the function runs
// the row's adapter over each call's messages. Nothing escapes to the server: every failure
// becomes the status the server reads, naming the function.
#include <firebird/Interface.h>
#include <ibase.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "udr/adapter.h"
#include "udr/fb_blob.h"
#include "udr/layout.h"

namespace brindle::udr {

using Firebird::IExternalContext;
using Firebird::IRoutineMetadata;

namespace {

// Sets an error: the given engine codes (none for a plain message), then a text naming the
// function.
void fail_with(Status* status, std::initializer_list<intptr_t> codes, const char* text) noexcept {
    intptr_t v[16];
    std::size_t n = 0;
    for (intptr_t c : codes) {
        if (n + 2 >= 11) break;
        v[n++] = isc_arg_gds;
        v[n++] = c;
    }
    v[n++] = isc_arg_gds;
    v[n++] = isc_random;
    v[n++] = isc_arg_string;
    v[n++] = reinterpret_cast<intptr_t>(text);
    v[n++] = isc_arg_end;
    status->setErrors(v);
}

// The engine's own error for an infinite or undefined double result of an external function,
// naming it as the legacy interface does ("Floating point overflow in result from UDF F_EXP").
void fail_fp(Status* status, intptr_t code, const char* name) noexcept {
    const intptr_t v[] = {isc_arg_gds, isc_expression_eval_err, isc_arg_gds, code,
                          isc_arg_string, reinterpret_cast<intptr_t>(name), isc_arg_end};
    status->setErrors(v);
}

class Function final : public Firebird::IExternalFunctionImpl<Function, Status> {
public:
    Function(const Descriptor& d, const Layout& l, const char* name) noexcept
        : desc_(d), layout_(l), blobs_(uses_blobs(d)) {
        std::snprintf(name_, sizeof name_, "%s", name);
    }
    // A function whose declaration disagrees with its entry point: every call is refused with
    // what disagrees (refusing it while the statement is prepared leaves the engine unable to
    // commit the transaction afterwards).
    Function(const Descriptor& d, const char* name, const char* why) noexcept : desc_(d), refused_(true) {
        std::snprintf(name_, sizeof name_, "%s", name);
        std::snprintf(why_, sizeof why_, "brindle_udr: function %s: %s", name, why);
    }

    void dispose() override { delete this; }

    void getCharSet(Status*, IExternalContext*, char*, unsigned) override {}

    void execute(Status* status, IExternalContext* context, void* in, void* out) override {
        if (refused_) {
            fail_with(status, {}, why_);
            return;
        }
        try {
            if (!blobs_) {
                // Most functions touch no blob: no blob host to build and tear down per call.
                NoBlobs none;
                Call c{layout_, static_cast<const unsigned char*>(in), static_cast<unsigned char*>(out), none,
                       desc_.fallback};
                desc_.invoke(c);
                if (c.fail != Failure::none) report(status, c, nullptr);
                return;
            }
            FbBlobHost blobs(context);
            Call c{layout_, static_cast<const unsigned char*>(in), static_cast<unsigned char*>(out), blobs,
                   desc_.fallback};
            desc_.invoke(c);
            blobs.close_all();
            if (c.fail == Failure::none && blobs.failed()) c.fail = Failure::blob;
            if (c.fail != Failure::none) report(status, c, &blobs);
        } catch (...) {
            fail_with(status, {}, "brindle_udr: an unexpected failure");
        }
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

    static bool uses_blobs(const Descriptor& d) noexcept {
        if (d.result == Kind::blob || d.result == Kind::blob_n) return true;
        for (unsigned i = 0; i < d.arg_count; ++i)
            if (d.args[i] == Kind::blob || d.args[i] == Kind::blob_n) return true;
        return false;
    }

    void report(Status* status, const Call& c, const FbBlobHost* blobs) noexcept {
        static thread_local char text[256];
        switch (c.fail) {
            case Failure::truncation:
                std::snprintf(text, sizeof text, "%s: the result is longer than its declared %zu bytes", name_,
                              c.expected);
                fail_with(status, {isc_arith_except, isc_string_truncation}, text);
                return;
            case Failure::fp_overflow: fail_fp(status, isc_udf_fp_overflow, name_); return;
            case Failure::fp_nan: fail_fp(status, isc_udf_fp_nan, name_); return;
            case Failure::no_memory:
                std::snprintf(text, sizeof text, "%s: no memory for the result", name_);
                fail_with(status, {isc_virmemexh}, text);
                return;
            case Failure::blob:
            case Failure::none: break;
        }
        if (const intptr_t* e = blobs != nullptr ? blobs->errors() : nullptr) {
            status->setErrors(e);
            return;
        }
        std::snprintf(text, sizeof text, "%s: a blob could not be read or written", name_);
        fail_with(status, {}, text);
    }

    const Descriptor& desc_;
    Layout layout_;
    bool blobs_ = true;
    bool refused_ = false;
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
        try {
            const char* name = metadata->getName(status);
            if ((status->getState() & Firebird::IStatus::STATE_ERRORS) != 0) return nullptr;
            if (name == nullptr) name = desc_->sql;
            Layout layout;
            char why[320];
            Function* f = nullptr;
            if (!read_layout(status, metadata, layout, why, sizeof why)) {
                if ((status->getState() & Firebird::IStatus::STATE_ERRORS) != 0) return nullptr;
                f = new (std::nothrow) Function(*desc_, name, why);
            } else if (check(*desc_, layout, why, sizeof why)) {
                f = new (std::nothrow) Function(*desc_, layout, name);
            } else {
                f = new (std::nothrow) Function(*desc_, name, why);
            }
            if (f == nullptr) fail_with(status, {isc_virmemexh}, "brindle_udr: no memory for a function");
            return f;
        } catch (...) {
            fail_with(status, {}, "brindle_udr: an unexpected failure");
        }
        return nullptr;
    }

private:
    const Descriptor* desc_ = nullptr;
};

// Tells the server when the module goes away without being unloaded by it.
struct UnloadFlag {
    FB_BOOLEAN mine = FB_FALSE;
    FB_BOOLEAN* theirs = nullptr;
    ~UnloadFlag() {
        if (!mine && theirs != nullptr) *theirs = FB_TRUE;
    }
};

}  // namespace

}  // namespace brindle::udr

extern "C" __attribute__((visibility("default"))) FB_BOOLEAN* firebird_udr_plugin(Firebird::IStatus* status,
                                                                                 FB_BOOLEAN* their_unload_flag,
                                                                                 Firebird::IUdrPlugin* plugin) {
    using namespace brindle::udr;
    static UnloadFlag flag;
    static Factory* factories = nullptr;
    Status st(status);
    try {
        flag.theirs = their_unload_flag;
        if (factories == nullptr) {
            factories = new (std::nothrow) Factory[kTableSize];
            if (factories == nullptr) {
                fail_with(&st, {isc_virmemexh}, "brindle_udr: no memory for the function table");
                return &flag.mine;
            }
            for (std::size_t i = 0; i < kTableSize; ++i) factories[i].bind(&kTable[i]);
        }
        for (std::size_t i = 0; i < kTableSize; ++i) {
            plugin->registerFunction(&st, kTable[i].entry, &factories[i]);
            if ((st.getState() & Firebird::IStatus::STATE_ERRORS) != 0) break;
        }
    } catch (...) {
        fail_with(&st, {}, "brindle_udr: the functions could not be registered");
    }
    return &flag.mine;
}
