#include "state/KnownFreeSpace.h"

#include <gtest/gtest.h>

namespace orvane {

constexpr std::int64_t kMiB = 1024 * 1024;

// The free space is asked once for the files of a folder while the answer is young and far
// from the limit, counting what the run's copies have taken since; it is asked again for
// another folder, after a second, and close to the limit, where a refusal must rest on a
// fresh answer.
TEST(KnownFreeSpace, KeptAnswerServesOnlyWhileYoungAndFarFromTheLimit) {
    // A drive that counts how often it is asked, with the free space the test sets.
    std::int64_t freeBytes = 500 * kMiB;
    int asked = 0;
    const KnownFreeSpace::Ask ask = [&](const std::string&) {
        ++asked;
        return platform::DriveSpace{"/drive", freeBytes, 1000 * kMiB};
    };
    KnownFreeSpace space;
    EXPECT_EQ(space.spaceFor("/d/a", "/d/a/1", kMiB, 0, ask).freeBytes, 500 * kMiB);
    space.spend(100 * kMiB);
    freeBytes = 10 * kMiB; // another writer filled the drive meanwhile
    EXPECT_EQ(space.spaceFor("/d/a", "/d/a/2", kMiB, 999, ask).freeBytes, 400 * kMiB);
    EXPECT_EQ(asked, 1);
    // A second later the drive is asked again, and its answer stands.
    EXPECT_EQ(space.spaceFor("/d/a", "/d/a/3", kMiB, 1000, ask).freeBytes, 10 * kMiB);
    EXPECT_EQ(asked, 2);

    freeBytes = 200 * kMiB;
    KnownFreeSpace fresh;
    fresh.spaceFor("/d/a", "/d/a/1", kMiB, 0, ask);
    fresh.spaceFor("/d/b", "/d/b/1", kMiB, 1, ask);
    EXPECT_EQ(asked, 4) << "another folder may be another drive";
    // 200 MiB known: a file that would leave less than the margin is asked about afresh.
    fresh.spaceFor("/d/b", "/d/b/2", 200 * kMiB - KnownFreeSpace::kMarginBytes, 2, ask);
    EXPECT_EQ(asked, 4);
    fresh.spaceFor("/d/b", "/d/b/3", 200 * kMiB - KnownFreeSpace::kMarginBytes + 1, 3, ask);
    EXPECT_EQ(asked, 5);
    // The clock wraps after 49 days; an answer from before the wrap is old, not young.
    fresh.spaceFor("/d/b", "/d/b/4", kMiB, 0xFFFFFFF0U, ask);
    EXPECT_EQ(asked, 6);
    fresh.spaceFor("/d/b", "/d/b/5", kMiB, 5, ask);
    EXPECT_EQ(asked, 6);
}

} // namespace orvane
