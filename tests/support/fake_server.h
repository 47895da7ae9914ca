// A server in memory for the UDR front end, as far as one call sees it, for the unit tests and
// the fuzz targets alike: message metadata and messages laid out as the server lays them out,
// the plugin's registration, a routine's metadata, the call's context, attachment and
// transaction, IBlob objects that fail, throw or lie as they are told, and a BlobHost over
// blobs in memory.
//
// Every object counts its references: after a call, each blob the adapter opened or created
// must have been released exactly once, and the attachment and transaction given back.
#pragma once

#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/fake_blob.h"
#include "udr/adapter.h"

namespace brindle::test::server {

using udr::BlobHost;
using udr::BlobId;
using udr::Field;
using udr::kSqlDate;
using udr::kSqlLong;
using udr::kSqlShort;
using udr::kSqlTime;
using udr::kSqlVarying;
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

// Sets an error in a status, as a failing server call does.
inline void set_error(Status* status) {
    static const intptr_t v[] = {isc_arg_gds, isc_io_error, isc_arg_end};
    status->setErrors(v);
}

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
    unsigned getCount(Status* s) override { return fail(s) ? 0 : static_cast<unsigned>(decls_.size()); }
    const char* getField(Status*, unsigned) override { return ""; }
    const char* getRelation(Status*, unsigned) override { return ""; }
    const char* getOwner(Status*, unsigned) override { return ""; }
    const char* getAlias(Status*, unsigned) override { return ""; }
    // The type with its nullable bit set.
    unsigned getType(Status* s, unsigned i) override { return fail(s) ? 0 : decls_.at(i).type + 1; }
    FB_BOOLEAN isNullable(Status*, unsigned) override { return FB_TRUE; }
    int getSubType(Status* s, unsigned) override { return fail(s) ? -1 : 0; }
    unsigned getLength(Status* s, unsigned i) override { return fail(s) ? 0 : size_of(decls_.at(i)); }
    int getScale(Status* s, unsigned i) override { return fail(s) ? 0 : decls_.at(i).scale; }
    unsigned getCharSet(Status* s, unsigned i) override { return fail(s) ? 0 : decls_.at(i).charset; }
    unsigned getOffset(Status* s, unsigned i) override { return fail(s) ? 0 : offsets_.at(i); }
    unsigned getNullOffset(Status* s, unsigned i) override { return fail(s) ? 0 : nulls_.at(i); }
    Firebird::IMetadataBuilder* getBuilder(Status*) override { return nullptr; }
    unsigned getMessageLength(Status* s) override { return fail(s) ? 0 : length_; }
#if FB_API_VER >= 40  // Firebird 4's interface adds these
    unsigned getAlignment(Status*) override { return 8; }
    unsigned getAlignedLength(Status*) override { return (length_ + 7) / 8 * 8; }
#endif

    int refs() const { return refs_; }
    int fail_at = -1, calls = 0;  // the call (counted from 1) that fails, and the calls so far

private:
    bool fail(Status* status) {
        if (++calls != fail_at) return false;
        set_error(status);
        return true;
    }
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

// A status from the client library's master interface, for calls on the fakes.
struct LocalStatus {
    Firebird::IStatus* raw = Firebird::fb_get_master_interface()->getStatus();
    Status wrapper{raw};
    LocalStatus() = default;
    LocalStatus(const LocalStatus&) = delete;
    LocalStatus& operator=(const LocalStatus&) = delete;
    ~LocalStatus() { raw->dispose(); }
    bool errors() const { return (wrapper.getState() & Firebird::IStatus::STATE_ERRORS) != 0; }
};

// True when the status vector holds the engine code.
inline bool says(const intptr_t* v, intptr_t code) noexcept {
    for (int n = 0; n < 64 && *v != isc_arg_end; ++n, v += 2) {
        if (*v == isc_arg_gds && v[1] == code) return true;
        if (*v == isc_arg_cstring) ++v;
    }
    return false;
}

// What a blob does wrong; all zero is an honest blob.
struct Lies {
    int fail_at = -1;          // the operation (counted from 1) at which the blob fails
    bool throws = false;       // fails by throwing instead of setting an error
    bool overclaim = false;    // getSegment reports more bytes than it was asked for
    bool empty_forever = false;  // after its segments, zero-length segments without end
    uint8_t code = 0;          // 0 honest; 1 always RESULT_OK; 2 any code; 3 RESULT_NO_DATA early
    uint8_t info = 0;          // 0 honest; 1 wrong counts; 2 truncated; 3 garbage; 4 error;
                               // 5 an error item after the first count
    int32_t claimed = 0;       // the wrong count given
    uint32_t any_code = 0;
    uint8_t width = 4;         // the bytes each count is written in (past 8, the last repeated)
};

class Blob final : public Firebird::IBlobImpl<Blob, Status> {
public:
    Blob(std::vector<std::string> segments, Lies lies) : segments_(std::move(segments)), lies_(lies) {}

    void addRef() override { ++refs_; }
    int release() override { return --refs_; }

    void getInfo(Status* status, unsigned n, const unsigned char* items, unsigned cap, unsigned char* buf) override {
        if (fail(status)) return;
        if (lies_.info == 4) {
            set_error(status);
            return;
        }
        if (lies_.info == 3) {
            for (unsigned i = 0; i < cap; ++i) buf[i] = static_cast<unsigned char>(lies_.claimed >> (i % 4 * 8) ^ i);
            return;
        }
        unsigned at = 0;
        for (unsigned i = 0; i < n && items[i] != isc_info_end; ++i) {
            int64_t v = 0;
            for (const auto& s : segments_) {
                if (items[i] == isc_info_blob_total_length) v += static_cast<int64_t>(s.size());
                if (items[i] == isc_info_blob_max_segment) v = std::max<int64_t>(v, static_cast<int64_t>(s.size()));
            }
            if (items[i] == isc_info_blob_num_segments) v = static_cast<int64_t>(segments_.size());
            if (lies_.info == 1 && (lies_.claimed & (1 << i)) != 0) v = lies_.claimed;
            if (at + 3 + lies_.width >= cap) break;
            buf[at++] = items[i];
            buf[at++] = lies_.width;
            buf[at++] = 0;
            for (int k = 0; k < lies_.width; ++k) buf[at++] = static_cast<unsigned char>(v >> (8 * std::min(k, 7)));
            if (lies_.info == 2 || lies_.info == 5) {
                buf[at++] = lies_.info == 2 ? isc_info_truncated : isc_info_error;
                break;
            }
        }
        if (at < cap) buf[at] = isc_info_end;
    }

    int getSegment(Status* status, unsigned cap, void* buf, unsigned* got) override {
        if (fail(status)) return Firebird::IStatus::RESULT_ERROR;
        *got = 0;
        if (lies_.code == 2) return static_cast<int>(lies_.any_code);
        if (seg_ == segments_.size() || (lies_.code == 3 && seg_ * 2 >= segments_.size())) {
            return lies_.empty_forever ? Firebird::IStatus::RESULT_SEGMENT : Firebird::IStatus::RESULT_NO_DATA;
        }
        const std::string& s = segments_[seg_];
        const std::size_t n = std::min<std::size_t>(cap, s.size() - pos_);
        if (n != 0) std::memcpy(buf, s.data() + pos_, n);
        *got = static_cast<unsigned>(lies_.overclaim ? n + 1 + (lies_.any_code & 0xFFFF) : n);
        pos_ += n;
        if (pos_ < s.size()) return lies_.code == 1 ? Firebird::IStatus::RESULT_OK : Firebird::IStatus::RESULT_SEGMENT;
        ++seg_;
        pos_ = 0;
        return Firebird::IStatus::RESULT_OK;
    }

    void putSegment(Status* status, unsigned n, const void* data) override {
        if (fail(status)) return;
        written_.append(static_cast<const char*>(data), n);
        ++puts_;
    }
    void cancel(Status* status) override {
        if (fail(status)) return;
        cancelled_ = true;
        release();
    }
    void close(Status* status) override {
        if (fail(status)) return;
        closed_ = true;
        release();
    }
    int seek(Status*, int, int) override { return 0; }
#if FB_API_VER >= 40  // Firebird 4's interface keeps the old entries under these names
    void deprecatedCancel(Status* status) override { cancel(status); }
    void deprecatedClose(Status* status) override { close(status); }
#endif

    int refs() const { return refs_; }
    bool closed() const { return closed_; }
    bool cancelled() const { return cancelled_; }
    long puts() const { return puts_; }

private:
    // True when this operation fails (the error set, or an exception thrown).
    bool fail(Status* status) {
        if (lies_.fail_at < 0 || ++ops_ < lies_.fail_at) return false;
        if (lies_.throws) throw std::runtime_error("the blob throws");
        set_error(status);
        return true;
    }

    std::vector<std::string> segments_;
    Lies lies_;
    std::size_t seg_ = 0, pos_ = 0;
    int ops_ = 0;
    int refs_ = 1;
    bool closed_ = false, cancelled_ = false;
    long puts_ = 0;
    std::string written_;
};

// How the call's attachment fails: at open, at create, or by handing back nothing (or a blob
// with its error).
struct AttachmentLies {
    bool open_fails = false, open_throws = false, open_null = false;
    bool create_fails = false, create_null = false;
    bool hand_back = false;  // a failing open or create hands back a blob all the same
    Lies created{};  // what the created blob does wrong
};

class Transaction final : public Firebird::ITransactionImpl<Transaction, Status> {
public:
    void addRef() override { ++refs_; }
    int release() override { return --refs_; }
    void getInfo(Status*, unsigned, const unsigned char*, unsigned, unsigned char*) override {}
    void prepare(Status*, unsigned, const unsigned char*) override {}
    void commit(Status*) override {}
    void commitRetaining(Status*) override {}
    void rollback(Status*) override {}
    void rollbackRetaining(Status*) override {}
    void disconnect(Status*) override {}
    Firebird::ITransaction* join(Status*, Firebird::ITransaction*) override { return nullptr; }
    Firebird::ITransaction* validate(Status*, Firebird::IAttachment*) override { return nullptr; }
    Firebird::ITransaction* enterDtc(Status*) override { return nullptr; }
#if FB_API_VER >= 40  // Firebird 4's interface adds these
    void deprecatedCommit(Status*) override {}
    void deprecatedRollback(Status*) override {}
    void deprecatedDisconnect(Status*) override {}
#endif
    int refs() const { return refs_; }

private:
    int refs_ = 1;
};

// The input blobs of a call by id (the id's low word is the index plus one), and the blobs
// created during it.
class Attachment final : public Firebird::IAttachmentImpl<Attachment, Status> {
public:
    std::vector<std::unique_ptr<Blob>> inputs, created;
    std::vector<bool> opened;
    AttachmentLies lies;

    void addRef() override { ++refs_; }
    int release() override { return --refs_; }
    int refs() const { return refs_; }

    Firebird::IBlob* openBlob(Status* status, Firebird::ITransaction*, ISC_QUAD* id, unsigned, const unsigned char*) override {
        if (lies.open_throws) throw std::runtime_error("openBlob throws");
        if (lies.open_null) return nullptr;
        const auto at = static_cast<std::size_t>(id->gds_quad_low) - 1;
        if (lies.open_fails || id->gds_quad_high != 0 || at >= inputs.size() || opened[at]) {
            set_error(status);
            return lies.hand_back && at < inputs.size() ? inputs[at].get() : nullptr;
        }
        opened[at] = true;
        return inputs[at].get();
    }
    Firebird::IBlob* createBlob(Status* status, Firebird::ITransaction*, ISC_QUAD* id, unsigned, const unsigned char*) override {
        if (lies.create_fails) set_error(status);
        if (lies.create_null || (lies.create_fails && !lies.hand_back)) return nullptr;
        created.push_back(std::make_unique<Blob>(std::vector<std::string>{}, lies.created));
        id->gds_quad_high = 0x7FFF;
        id->gds_quad_low = static_cast<ISC_ULONG>(created.size());
        return created.back().get();
    }

    void getInfo(Status*, unsigned, const unsigned char*, unsigned, unsigned char*) override {}
    Firebird::ITransaction* startTransaction(Status*, unsigned, const unsigned char*) override { return nullptr; }
    Firebird::ITransaction* reconnectTransaction(Status*, unsigned, const unsigned char*) override { return nullptr; }
    Firebird::IRequest* compileRequest(Status*, unsigned, const unsigned char*) override { return nullptr; }
    void transactRequest(Status*, Firebird::ITransaction*, unsigned, const unsigned char*, unsigned,
                         const unsigned char*, unsigned, unsigned char*) override {}
    int getSlice(Status*, Firebird::ITransaction*, ISC_QUAD*, unsigned, const unsigned char*, unsigned,
                 const unsigned char*, int, unsigned char*) override {
        return 0;
    }
    void putSlice(Status*, Firebird::ITransaction*, ISC_QUAD*, unsigned, const unsigned char*, unsigned,
                  const unsigned char*, int, unsigned char*) override {}
    void executeDyn(Status*, Firebird::ITransaction*, unsigned, const unsigned char*) override {}
    Firebird::IStatement* prepare(Status*, Firebird::ITransaction*, unsigned, const char*, unsigned, unsigned) override {
        return nullptr;
    }
    Firebird::ITransaction* execute(Status*, Firebird::ITransaction*, unsigned, const char*, unsigned,
                                    Firebird::IMessageMetadata*, void*, Firebird::IMessageMetadata*, void*) override {
        return nullptr;
    }
    Firebird::IResultSet* openCursor(Status*, Firebird::ITransaction*, unsigned, const char*, unsigned,
                                     Firebird::IMessageMetadata*, void*, Firebird::IMessageMetadata*, const char*,
                                     unsigned) override {
        return nullptr;
    }
    Firebird::IEvents* queEvents(Status*, Firebird::IEventCallback*, unsigned, const unsigned char*) override {
        return nullptr;
    }
    void cancelOperation(Status*, int) override {}
    void ping(Status*) override {}
    void detach(Status*) override {}
    void dropDatabase(Status*) override {}
#if FB_API_VER >= 40  // Firebird 4's interface adds these
    void deprecatedDetach(Status*) override {}
    void deprecatedDropDatabase(Status*) override {}
    unsigned getIdleTimeout(Status*) override { return 0; }
    void setIdleTimeout(Status*, unsigned) override {}
    unsigned getStatementTimeout(Status*) override { return 0; }
    void setStatementTimeout(Status*, unsigned) override {}
    Firebird::IBatch* createBatch(Status*, Firebird::ITransaction*, unsigned, const char*, unsigned,
                                  Firebird::IMessageMetadata*, unsigned, const unsigned char*) override {
        return nullptr;
    }
    Firebird::IReplicator* createReplicator(Status*) override { return nullptr; }
#endif

private:
    int refs_ = 1;
};

// The master interface as a call sees it: statuses from the client library's, or none when
// told; nothing else is asked of it.
class Master final : public Firebird::IMasterImpl<Master, Status> {
public:
    bool no_status = false;

    Firebird::IStatus* getStatus() override {
        return no_status ? nullptr : Firebird::fb_get_master_interface()->getStatus();
    }
    Firebird::IProvider* getDispatcher() override { return nullptr; }
    Firebird::IPluginManager* getPluginManager() override { return nullptr; }
    Firebird::ITimerControl* getTimerControl() override { return nullptr; }
    Firebird::IDtc* getDtc() override { return nullptr; }
    Firebird::IAttachment* registerAttachment(Firebird::IProvider*, Firebird::IAttachment*) override { return nullptr; }
    Firebird::ITransaction* registerTransaction(Firebird::IAttachment*, Firebird::ITransaction*) override {
        return nullptr;
    }
    Firebird::IMetadataBuilder* getMetadataBuilder(Status*, unsigned) override { return nullptr; }
    int serverMode(int) override { return 0; }
    Firebird::IUtil* getUtilInterface() override { return nullptr; }
    Firebird::IConfigManager* getConfigManager() override { return nullptr; }
    FB_BOOLEAN getProcessExiting() override { return FB_FALSE; }
};

class Context final : public Firebird::IExternalContextImpl<Context, Status> {
public:
    Master master;
    Attachment attachment;
    Transaction transaction;
    bool fails = false;               // getAttachment fails
    bool transaction_fails = false;   // getTransaction fails
    bool no_transaction = false;      // getTransaction hands back nothing, without an error
    bool no_attachment = false;       // getAttachment hands back nothing, without an error

    Firebird::IMaster* getMaster() override { return &master; }
    Firebird::IExternalEngine* getEngine(Status*) override { return nullptr; }
    Firebird::IAttachment* getAttachment(Status* status) override {
        if (fails) set_error(status);
        if (fails || no_attachment) return nullptr;
        attachment.addRef();
        return &attachment;
    }
    Firebird::ITransaction* getTransaction(Status* status) override {
        if (transaction_fails) set_error(status);
        if (transaction_fails || no_transaction) return nullptr;
        transaction.addRef();
        return &transaction;
    }
    const char* getUserName() override { return "SYSDBA"; }
    const char* getDatabaseName() override { return "fuzz.fdb"; }
    const char* getClientCharSet() override { return "NONE"; }
    int obtainInfoCode() override { return 0; }
    void* getInfo(int) override { return nullptr; }
    void* setInfo(int, void*) override { return nullptr; }
};

// A routine as the server describes it when it makes the function's instance.
class Routine final : public Firebird::IRoutineMetadataImpl<Routine, Status> {
public:
    Routine(const char* name, Firebird::IMessageMetadata* in, Firebird::IMessageMetadata* out)
        : name_(name), in_(in), out_(out) {}
    const char* getPackage(Status*) const override { return nullptr; }
    const char* getName(Status* status) const override {
        if (name_fails && status != nullptr) set_error(status);
        return name_fails || name_null ? nullptr : name_;
    }
    const char* getEntryPoint(Status*) const override { return name_; }
    const char* getBody(Status*) const override { return nullptr; }
    Firebird::IMessageMetadata* getInputMetadata(Status* status) const override {
        return handed(status, metadata_fails, in_);
    }
    Firebird::IMessageMetadata* getOutputMetadata(Status* status) const override {
        return handed(status, output_fails, out_);
    }
    // A message's metadata with a reference for the caller, or the error when it fails.
    template <typename M> static M* handed(Status* status, bool fails, M* m) {
        if (fails) {
            set_error(status);
            return nullptr;
        }
        m->addRef();
        return m;
    }
    Firebird::IMessageMetadata* getTriggerMetadata(Status*) const override { return nullptr; }
    const char* getTriggerTable(Status*) const override { return nullptr; }
    unsigned getTriggerType(Status*) const override { return 0; }

    bool name_fails = false, name_null = false, metadata_fails = false, output_fails = false;

private:
    const char* name_;
    Firebird::IMessageMetadata* in_;
    Firebird::IMessageMetadata* out_;
};

// The UDR engine's side of registration: keeps each function factory by its entry point, and
// refuses the `refuse_at`-th registration (counted from 1) when told to.
class Plugin final : public Firebird::IUdrPluginImpl<Plugin, Status> {
public:
    std::map<std::string, Firebird::IUdrFunctionFactory*> functions;
    int refuse_at = -1, calls = 0;

    Firebird::IMaster* getMaster() override { return Firebird::fb_get_master_interface(); }
    void registerFunction(Status* status, const char* name, Firebird::IUdrFunctionFactory* factory) override {
        if (++calls == refuse_at) {
            set_error(status);
            return;
        }
        functions[name] = factory;
    }
    void registerProcedure(Status*, const char*, Firebird::IUdrProcedureFactory*) override {}
    void registerTrigger(Status*, const char*, Firebird::IUdrTriggerFactory*) override {}
};

// A BlobHost over blobs held in memory by id: the adapter's view of the server's blobs.
class MemoryHost final : public BlobHost {
public:
    class Out final : public frame::BlobOut {
    public:
        bool write(const char* data, std::size_t n) noexcept override {
            text.append(data, n);
            return true;
        }
        std::string text;
    };

    std::map<uint32_t, std::string> blobs;  // by the id's low word
    std::deque<FakeBlobIn> opened;
    Out out;
    bool fail_open = false, fail_create = false, fail = false;
    bool out_kept = false, out_cancelled = false;

    frame::BlobIn* open(const BlobId& id) noexcept override {
        auto it = blobs.find(id.low);
        if (fail_open || it == blobs.end()) return nullptr;
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

}  // namespace brindle::test::server
