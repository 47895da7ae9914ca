// A server in memory for the UDR front end, as far as one call sees it: the plugin's
// registration, a routine's metadata, the call's context, attachment and transaction, and
// blobs that fail, throw or lie as the fuzz input says. The message metadata and messages
// are the unit tests' (tests/udr/fakes.h).
//
// Every object counts its references: after a call, each blob the adapter opened or created
// must have been released exactly once, and the attachment and transaction given back.
#pragma once

#include <firebird/Interface.h>
#include <ibase.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "udr/fakes.h"

namespace brindle::fuzz::server {

using Status = Firebird::CheckStatusWrapper;
using udr::fakes::set_error;

// What a blob does wrong; all zero is an honest blob.
struct Lies {
    int fail_at = -1;          // the operation (counted from 1) at which the blob fails
    bool throws = false;       // fails by throwing instead of setting an error
    bool overclaim = false;    // getSegment reports more bytes than it was asked for
    bool empty_forever = false;  // after its segments, zero-length segments without end
    uint8_t code = 0;          // 0 honest; 1 always RESULT_OK; 2 any code; 3 RESULT_NO_DATA early
    uint8_t info = 0;          // 0 honest; 1 wrong counts; 2 truncated; 3 garbage; 4 error
    int32_t claimed = 0;       // the wrong count given
    uint32_t any_code = 0;
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
            if (at + 7 >= cap) break;
            buf[at++] = items[i];
            buf[at++] = 4;
            buf[at++] = 0;
            for (int k = 0; k < 4; ++k) buf[at++] = static_cast<unsigned char>(v >> (8 * k));
            if (lies_.info == 2) {
                buf[at++] = isc_info_truncated;
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

// How the call's attachment fails: at open, at create, or by handing back nothing.
struct AttachmentLies {
    bool open_fails = false, open_throws = false, open_null = false;
    bool create_fails = false, create_null = false;
    Lies created;  // what the created blob does wrong
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
            return nullptr;
        }
        opened[at] = true;
        return inputs[at].get();
    }
    Firebird::IBlob* createBlob(Status* status, Firebird::ITransaction*, ISC_QUAD* id, unsigned, const unsigned char*) override {
        if (lies.create_fails) {
            set_error(status);
            return nullptr;
        }
        if (lies.create_null) return nullptr;
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

class Context final : public Firebird::IExternalContextImpl<Context, Status> {
public:
    Attachment attachment;
    Transaction transaction;
    bool fails = false;  // getAttachment fails

    Firebird::IMaster* getMaster() override { return Firebird::fb_get_master_interface(); }
    Firebird::IExternalEngine* getEngine(Status*) override { return nullptr; }
    Firebird::IAttachment* getAttachment(Status* status) override {
        if (fails) {
            set_error(status);
            return nullptr;
        }
        attachment.addRef();
        return &attachment;
    }
    Firebird::ITransaction* getTransaction(Status*) override {
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
    const char* getName(Status*) const override { return name_; }
    const char* getEntryPoint(Status*) const override { return name_; }
    const char* getBody(Status*) const override { return nullptr; }
    Firebird::IMessageMetadata* getInputMetadata(Status*) const override {
        in_->addRef();
        return in_;
    }
    Firebird::IMessageMetadata* getOutputMetadata(Status*) const override {
        out_->addRef();
        return out_;
    }
    Firebird::IMessageMetadata* getTriggerMetadata(Status*) const override { return nullptr; }
    const char* getTriggerTable(Status*) const override { return nullptr; }
    unsigned getTriggerType(Status*) const override { return 0; }

private:
    const char* name_;
    Firebird::IMessageMetadata* in_;
    Firebird::IMessageMetadata* out_;
};

// The UDR engine's side of registration: keeps each function factory by its entry point.
class Plugin final : public Firebird::IUdrPluginImpl<Plugin, Status> {
public:
    std::map<std::string, Firebird::IUdrFunctionFactory*> functions;

    Firebird::IMaster* getMaster() override { return Firebird::fb_get_master_interface(); }
    void registerFunction(Status*, const char* name, Firebird::IUdrFunctionFactory* factory) override {
        functions[name] = factory;
    }
    void registerProcedure(Status*, const char*, Firebird::IUdrProcedureFactory*) override {}
    void registerTrigger(Status*, const char*, Firebird::IUdrTriggerFactory*) override {}
};

}  // namespace brindle::fuzz::server
