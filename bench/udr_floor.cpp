// The benchmark's UDR floors (module brindle_floor, libbrindle_floor.so in plugins/udr): what a
// UDR call of a given declaration costs the server when the function does nothing of its own.
// Built for the benchmark only.
//
//   copy   hands back its first text argument, cut to the result's length (the empty text
//          when there is none); a result of any other kind is zero
//   blob   opens the blob of its first argument, asks its total length and closes it (the
//          shape of the functions that measure a blob), and returns that length
// Each reads its declaration's messages, so one entry point serves every declaration shape.
#include <firebird/Interface.h>
#include <ibase.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace {

using Firebird::IExternalContext;
using Firebird::IRoutineMetadata;
using Status = Firebird::CheckStatusWrapper;

constexpr unsigned kMaxFields = 16;

struct Field {
    unsigned type = 0, offset = 0, null_offset = 0, length = 0;
};

bool read_fields(Status* st, Firebird::IMessageMetadata* m, Field* f, unsigned& n) {
    n = 0;
    if (m == nullptr) return true;
    const unsigned count = m->getCount(st);
    for (unsigned i = 0; i < count && i < kMaxFields; ++i, ++n) {
        f[i].type = m->getType(st, i) & ~1u;
        f[i].offset = m->getOffset(st, i);
        f[i].null_offset = m->getNullOffset(st, i);
        f[i].length = m->getLength(st, i);
    }
    m->release();
    return (st->getState() & Firebird::IStatus::STATE_ERRORS) == 0;
}

bool is_null(const unsigned char* msg, const Field& f) {
    int16_t flag;
    std::memcpy(&flag, msg + f.null_offset, sizeof flag);
    return flag != 0;
}

class Floor final : public Firebird::IExternalFunctionImpl<Floor, Status> {
public:
    explicit Floor(bool blob) : blob_(blob) {}
    bool read(Status* st, IRoutineMetadata* meta) {
        unsigned outs = 0;
        return read_fields(st, meta->getInputMetadata(st), in_, ins_) &&
               read_fields(st, meta->getOutputMetadata(st), &out_, outs) && outs == 1;
    }

    void dispose() override { delete this; }
    void getCharSet(Status*, IExternalContext*, char*, unsigned) override {}

    void execute(Status* st, IExternalContext* context, void* in_msg, void* out_msg) override {
        const auto* in = static_cast<const unsigned char*>(in_msg);
        auto* out = static_cast<unsigned char*>(out_msg);
        const int16_t present = 0;
        std::memcpy(out + out_.null_offset, &present, sizeof present);
        std::memset(out + out_.offset, 0, out_.type == SQL_VARYING ? 2 : out_.length);
        if (blob_) {
            measure(st, context, in, out);
            return;
        }
        if (out_.type != SQL_VARYING) return;
        for (unsigned i = 0; i < ins_; ++i) {
            if (in_[i].type != SQL_VARYING) continue;
            if (is_null(in, in_[i])) break;
            uint16_t n;
            std::memcpy(&n, in + in_[i].offset, sizeof n);
            if (n > out_.length) n = static_cast<uint16_t>(out_.length);
            std::memcpy(out + out_.offset, &n, sizeof n);
            std::memcpy(out + out_.offset + 2, in + in_[i].offset + 2, n);
            break;
        }
    }

private:
    void measure(Status* st, IExternalContext* context, const unsigned char* in, unsigned char* out) {
        if (ins_ == 0 || in_[0].type != SQL_BLOB || is_null(in, in_[0])) return;
        ISC_QUAD id;
        std::memcpy(&id, in + in_[0].offset, sizeof id);
        Firebird::IAttachment* att = context->getAttachment(st);
        Firebird::ITransaction* tra = context->getTransaction(st);
        Firebird::IBlob* b = att != nullptr && tra != nullptr ? att->openBlob(st, tra, &id, 0, nullptr) : nullptr;
        if (b != nullptr) {
            static const unsigned char items[] = {isc_info_blob_total_length, isc_info_end};
            unsigned char buf[32] = {};
            b->getInfo(st, sizeof items, items, sizeof buf, buf);
            int32_t total = 0;
            if (buf[0] == isc_info_blob_total_length) {
                const unsigned n = buf[1] | (buf[2] << 8);
                for (unsigned k = 0; k < n && k < 4; ++k) total |= static_cast<int32_t>(buf[3 + k]) << (8 * k);
            }
            b->close(st);
            if (out_.type == SQL_LONG) std::memcpy(out + out_.offset, &total, sizeof total);
        }
        if (tra != nullptr) tra->release();
        if (att != nullptr) att->release();
    }

    const bool blob_;
    Field in_[kMaxFields], out_;
    unsigned ins_ = 0;
};

class Factory final : public Firebird::IUdrFunctionFactoryImpl<Factory, Status> {
public:
    explicit Factory(bool blob) : blob_(blob) {}
    void dispose() override {}
    void setup(Status*, IExternalContext*, IRoutineMetadata*, Firebird::IMetadataBuilder*,
               Firebird::IMetadataBuilder*) override {}
    Firebird::IExternalFunction* newItem(Status* st, IExternalContext*, IRoutineMetadata* meta) override {
        Floor* f = new (std::nothrow) Floor(blob_);
        if (f != nullptr && !f->read(st, meta)) {
            delete f;
            return nullptr;
        }
        return f;
    }

private:
    const bool blob_;
};

Factory copy_factory(false), blob_factory(true);

}  // namespace

extern "C" __attribute__((visibility("default"))) FB_BOOLEAN* firebird_udr_plugin(Firebird::IStatus* status,
                                                                                 FB_BOOLEAN*,
                                                                                 Firebird::IUdrPlugin* plugin) {
    static FB_BOOLEAN unloaded = FB_FALSE;
    Status st(status);
    plugin->registerFunction(&st, "copy", &copy_factory);
    plugin->registerFunction(&st, "blob", &blob_factory);
    return &unloaded;
}
