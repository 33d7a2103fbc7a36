#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/FuseDrive.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>

namespace orvane {

using test::FuseDrive;

// The destinations people copy to most: a stick's FAT, exFAT or NTFS, mounted through FUSE,
// with the built program run on it as a user would.
class UsbStickTest : public ::testing::TestWithParam<FuseDrive::Kind>, protected test::CliProgram {
protected:
    FuseDrive stick{GetParam(), temp / "stick.img", temp / "stick"};
};

// Moved to the stick and back, every file is found once with its bytes. Regressions: on fusefat
// every file failed with "Function not implemented" (no chmod), then its placement failed (no
// rename that refuses to replace, no hard links). And `notes.txt` found `Notes.txt` as
// "allready there, filesize wrong", replaced it, and a move deleted both sources with exit
// status 0: one file's data existed nowhere. Where names that differ in case are one name, one
// of each pair is refused and its source kept; the same for files of two folders whose names
// differ in case, which share one folder there. And moved back, every source was kept as
// "changed since it was copied" whenever fusefat's rename, which restamps a file's write time,
// hid it for its deletion in another second than the file's own.
TEST_P(UsbStickTest, MovedThereAndBackEveryFileIsFoundOnceWithItsBytes) {
    if (!stick.mounted()) {
        GTEST_SKIP() << stick.why();
    }
    const std::map<std::string, std::string> files{
        {"Notes.txt", std::string(33, 'N')},        {"notes.txt", "little"},
        {"Sub/a.txt", std::string(40, 'S')},        {"sub/a.txt", "s"},
        {"sub/b.bin", test::patterned(300 * 1024)}, {"sub/empty", ""}};
    std::multiset<std::string> expected, found;
    for (const auto& [name, bytes] : files) {
        temp.write("data/" + name, bytes);
        expected.insert(bytes);
    }
    const bool caseBlind = GetParam() != FuseDrive::Kind::Ntfs; // ntfs-3g tells case apart
    EXPECT_EQ(run({"--move", temp / "data", temp / "stick"}), caseBlind ? 1 : 0) << errors;
    // Both times: fusefat ignores a write time set without the access time.
    const timespec lastYear{::time(nullptr) - 365 * 86400, 0};
    const timespec bothTimes[2] = {lastYear, lastYear};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp / "stick/data")) {
        ASSERT_EQ(::utimensat(AT_FDCWD, entry.path().c_str(), bothTimes, 0), 0) << entry.path();
    }
    EXPECT_EQ(run({"--move", "--direct", temp / "stick/data", temp.makeFolder("home")}), 0)
        << errors;
    for (const std::string& folder : {temp / "data", temp / "stick/data", temp / "home/data"}) {
        std::error_code gone;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, gone)) {
            if (entry.is_regular_file()) {
                found.insert(test::readFile(entry.path()));
            }
        }
    }
    EXPECT_TRUE(found == expected) << found.size() << " files found of " << expected.size();
}

std::string stickName(const ::testing::TestParamInfo<FuseDrive::Kind>& info) {
    const char* const names[] = {"Fat", "ExFat", "Ntfs"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Sticks, UsbStickTest,
                         ::testing::Values(FuseDrive::Kind::Fat, FuseDrive::Kind::ExFat,
                                           FuseDrive::Kind::Ntfs),
                         stickName);

} // namespace orvane
