// UUID test support: a private temporary directory as TMP, a time zone set for one test,
// and the fields of a version-1 UUID.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "legacy/prototypes.h"
#include "support/blocks.h"
#include "uuid/uuid.h"

namespace brindle::test {

// The environment variable set for the lifetime of the guard, then restored.
class EnvGuard {
public:
    EnvGuard(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
        tzset();
    }
    ~EnvGuard() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
        tzset();
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Central European time with its daylight-saving rule, written out so that no zone files
// are needed.
inline constexpr char kCet[] = "CET-1CEST,M3.5.0,M10.5.0/3";

// TMP is a fresh private directory for each test, removed afterwards.
class PrivateTmp : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/brindle_uuid_XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
        tmp_.emplace("TMP", dir_);
    }
    void TearDown() override {
        tmp_.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string state_path() const { return dir_ + "/uuid.state"; }

    std::string dir_;
    std::optional<EnvGuard> tmp_;
};

inline uint64_t time_of(const uuid::Uuid& u) {
    return (uint64_t{u.time_hi_and_version & 0x0FFFu} << 48) | (uint64_t{u.time_mid} << 32) | u.time_low;
}
inline uint16_t seq_of(const uuid::Uuid& u) {
    return static_cast<uint16_t>((u.clock_seq_hi_and_reserved & 0x3F) << 8 | u.clock_seq_low);
}

// A TIMESTAMP built from the civil calendar, independently of the library.
inline frame::Timestamp at(int y, unsigned m, unsigned d, unsigned h, unsigned mi, unsigned s) {
    namespace c = std::chrono;
    const auto days = c::sys_days{c::year{y} / m / d} - c::sys_days{c::year{1858} / 11 / 17};
    return {static_cast<int32_t>(days.count()), ((h * 60 + mi) * 60 + s) * 10000};
}

inline std::string str(char* block) { return text(block).value_or("<null>"); }

}  // namespace brindle::test
