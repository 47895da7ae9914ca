// Blobs of the server behind the routines' segment interface, and the BlobHost of one call.
#pragma once

#include <firebird/Interface.h>

#include <optional>

#include "udr/adapter.h"

namespace brindle::udr {

using Status = Firebird::CheckStatusWrapper;

// The status every blob operation of a call reports into. After the first failure no
// further operation runs, so the server's errors stay as that failure left them.
struct BlobStatus {
    Status* status = nullptr;
    bool failed = false;
    // True (and the failure noted) when the last operation left errors.
    bool check() noexcept {
        if ((status->getState() & Firebird::IStatus::STATE_ERRORS) != 0) failed = true;
        return failed;
    }
};

// An open IBlob to read. The counts come from one IBlob::getInfo, asked on first use.
class FbBlobIn final : public frame::BlobIn {
public:
    FbBlobIn() noexcept = default;
    FbBlobIn(const FbBlobIn&) = delete;
    FbBlobIn& operator=(const FbBlobIn&) = delete;
    ~FbBlobIn() { close(); }

    // Takes over an open blob; status serves every later operation.
    void attach(Firebird::IBlob* blob, BlobStatus* status) noexcept {
        close();
        blob_ = blob;
        status_ = status;
        info_ = false;
    }
    // Closes the blob (releasing it); false when closing failed.
    bool close() noexcept;

    bool is_null() const noexcept override { return blob_ == nullptr; }
    int64_t total_length() const noexcept override { return info().total; }
    int64_t segment_count() const noexcept override { return info().segments; }
    int64_t max_segment() const noexcept override { return info().max_segment; }
    bool read(char* buf, std::size_t cap, std::size_t& got) noexcept override;

private:
    struct Info {
        int64_t total = 0, segments = 0, max_segment = 0;
    };
    const Info& info() const noexcept;

    Firebird::IBlob* blob_ = nullptr;
    BlobStatus* status_ = nullptr;
    mutable Info counts_;
    mutable bool info_ = false;
};

// A blob to write, created in the call's attachment and transaction on its first segment.
class FbBlobOut final : public frame::BlobOut {
public:
    FbBlobOut() noexcept = default;
    FbBlobOut(const FbBlobOut&) = delete;
    FbBlobOut& operator=(const FbBlobOut&) = delete;
    ~FbBlobOut() { finish(nullptr); }

    void attach(Firebird::IAttachment* att, Firebird::ITransaction* tra, BlobStatus* status) noexcept {
        att_ = att;
        tra_ = tra;
        status_ = status;
    }
    bool write(const char* data, std::size_t n) noexcept override;
    // Closes the blob and gives its id in *id, or cancels it when id is nullptr. False on a
    // failure.
    bool finish(BlobId* id) noexcept;

private:
    bool open() noexcept;

    Firebird::IAttachment* att_ = nullptr;
    Firebird::ITransaction* tra_ = nullptr;
    BlobStatus* status_ = nullptr;
    Firebird::IBlob* blob_ = nullptr;
    ISC_QUAD id_{};
};

// The blobs of one call, in the context's attachment and transaction, obtained on first use.
class FbBlobHost final : public BlobHost {
public:
    explicit FbBlobHost(Firebird::IExternalContext* context) noexcept : context_(context) {}
    FbBlobHost(const FbBlobHost&) = delete;
    FbBlobHost& operator=(const FbBlobHost&) = delete;
    ~FbBlobHost();

    frame::BlobIn* open(const BlobId& id) noexcept override;
    frame::BlobOut* create() noexcept override;
    bool finish_out(bool keep, BlobId& id) noexcept override;
    bool failed() const noexcept override;

    // Closes every blob of the call (cancelling an output blob not handed back).
    void close_all() noexcept;
    // The server's errors of the failed operation, or nullptr.
    const intptr_t* errors() const noexcept;

private:
    bool start() noexcept;

    Firebird::IExternalContext* context_;
    Firebird::IStatus* raw_ = nullptr;
    std::optional<Status> wrapper_;
    BlobStatus status_;
    Firebird::IAttachment* att_ = nullptr;
    Firebird::ITransaction* tra_ = nullptr;
    FbBlobIn in_[kMaxArgs];
    std::size_t in_count_ = 0;
    FbBlobOut out_;
    bool out_open_ = false;
};

}  // namespace brindle::udr
