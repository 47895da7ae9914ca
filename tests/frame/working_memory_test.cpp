// Routines without working memory: the search falls back to its plain walk with the same
// answers, and a routine that cannot do without memory ends the call as "no memory", which the
// legacy front end can only answer with NULL (it has no way to raise an error).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "legacy/prototypes.h"
#include "string/search.h"
#include "support/blocks.h"
#include "support/fake_blob.h"
#include "support/memory.h"

namespace brindle::test {
namespace {

TEST(WorkingMemory, SearchWithoutItsTableFindsTheSame) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        // Needles beyond the inline table (64 bytes) over a small alphabet, so matches overlap.
        std::string needle(65 + rng() % 40, 'a'), hay(rng() % 600, 'a');
        for (char& c : needle) c = "aAb"[rng() % 3];
        for (char& c : hay) c = "aAb"[rng() % 3];
        if (round % 3 == 0) hay.insert(rng() % (hay.size() + 1), needle);
        const bool nocase = round % 2 == 0;
        const string::Finder table(needle, nocase);
        RefuseMemory refuse;
        const string::Finder plain(needle, nocase);
        for (std::size_t from : {std::size_t{0}, std::size_t{1}, hay.size() / 2, hay.size() + 1})
            EXPECT_EQ(plain.find(hay, from), table.find(hay, from)) << needle << " in " << hay << " from " << from;
    }
}

TEST(WorkingMemory, LegacyAnswersNullWhereItCannotRaiseAnError) {
    reset_blocks();
    FakeRecord blob;
    blob.segs = {"one\ntwo"};
    const int32_t line = 2;
    EXPECT_EQ(text(blobline(&blob.record(), &line)), "two");
    const long blocks = stats().count;
    {
        RefuseMemory refuse;
        blob.seg = blob.off = 0;
        EXPECT_EQ(blobline(&blob.record(), &line), nullptr);
        blob.seg = blob.off = 0;
        EXPECT_EQ(bloblinecount(&blob.record()), nullptr);
        EXPECT_EQ(stringlistitem("\"a=1\"", "a"), nullptr);
    }
    EXPECT_EQ(stats().count, blocks);  // and no block was taken for it
    EXPECT_EQ(text(stringlistitem("\"a=1\"", "a")), "a=1");
}

}  // namespace
}  // namespace brindle::test
