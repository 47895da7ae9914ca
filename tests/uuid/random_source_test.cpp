// Version-4 UUIDs when the kernel's random source fails: still version 4 of the RFC variant,
// and still distinct from one another.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "uuid/generator.h"

namespace brindle::test {
namespace {

bool failing_source(void*, std::size_t) noexcept { return false; }

TEST(UuidV4, FallsBackWhenTheRandomSourceFails) {
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        const uuid::Uuid u = uuid::uuid_v4_from(&failing_source);
        EXPECT_EQ(u.time_hi_and_version >> 12, 4);
        EXPECT_EQ(u.clock_seq_hi_and_reserved & 0xC0, 0x80);
        seen.insert(std::string(reinterpret_cast<const char*>(&u), sizeof u));
    }
    EXPECT_EQ(seen.size(), 200u);
}

}  // namespace
}  // namespace brindle::test
