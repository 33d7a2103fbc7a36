#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/FuseDrive.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane {

using test::FuseDrive;

// The destinations people copy to most: a stick's FAT, exFAT or NTFS, mounted through FUSE,
// with the built program run on it as a user would.
class UsbStickTest : public ::testing::TestWithParam<FuseDrive::Kind>, protected test::CliProgram {
protected:
    void SetUp() override {
        if (!stick.mounted()) {
            GTEST_SKIP() << stick.why();
        }
    }
    bool same(const std::string& expected, const std::string& actual) const {
        return std::system(("diff -r '" + expected + "' '" + actual + "' >&2").c_str()) == 0;
    }

    FuseDrive stick{GetParam(), temp / "stick.img", temp / "stick"};
};

// Regression: on fusefat every file failed with "Function not implemented" (no chmod), then
// its placement failed (no rename that refuses to replace, no hard links).
TEST_P(UsbStickTest, CopyAndMoveThereAndBack) {
    temp.write("data/a.txt", "hello");
    temp.write("data/sub/b.bin", test::patterned(300 * 1024));
    temp.write("data/sub/empty", "");
    std::filesystem::copy(temp / "data", temp / "original",
                          std::filesystem::copy_options::recursive);
    const std::string stick = temp / "stick";
    struct Step {
        std::vector<std::string> arguments;
        std::string copy;
        std::string gone; // the source of a move, emptied
    };
    const Step steps[] = {
        {{temp / "data", stick}, stick + "/data", ""},
        {{stick + "/data", temp / "back"}, temp / "back/data", ""},
        {{"--move", temp / "back/data", stick + "/moved"},
         stick + "/moved/data",
         temp / "back/data"},
        {{"--move", "--direct", stick + "/moved/data", temp / "home"},
         temp / "home/data",
         stick + "/moved/data"},
    };
    for (const auto& folder : {stick + "/moved", temp / "back", temp / "home"}) {
        std::filesystem::create_directories(folder);
    }
    for (const auto& step : steps) {
        SCOPED_TRACE(step.copy);
        EXPECT_EQ(run(step.arguments), 0) << output << errors;
        EXPECT_TRUE(same(temp / "original", step.copy));
        if (!step.gone.empty()) {
            EXPECT_FALSE(test::exists(step.gone + "/sub/b.bin"));
        }
    }
}

// Regression: `notes.txt` found `Notes.txt` as "allready there, filesize wrong", replaced it,
// and a move deleted both sources with exit status 0: one file's data existed nowhere. The
// same for files of two folders whose names differ in case, which share one folder there.
TEST_P(UsbStickTest, NamesThatDifferInCaseNeverReplaceEachOther) {
    if (GetParam() == FuseDrive::Kind::Ntfs) {
        GTEST_SKIP() << "ntfs-3g tells letter case apart";
    }
    const std::map<std::string, std::string> files{{"Notes.txt", std::string(33, 'N')},
                                                   {"notes.txt", "little"},
                                                   {"Sub/a.txt", std::string(40, 'S')},
                                                   {"sub/a.txt", "s"}};
    for (const auto& [name, bytes] : files) {
        temp.write("data/" + name, bytes);
    }
    const std::string copy = temp / "stick/data";
    for (const int pass : {1, 2}) {
        SCOPED_TRACE(pass);
        EXPECT_EQ(run({"--move", temp / "data", temp / "stick"}), 1) << output;
        EXPECT_EQ(test::namesIn(copy).size(), 2U);
        for (const auto& [one, other] :
             {std::pair{"Notes.txt", "notes.txt"}, std::pair{"Sub/a.txt", "sub/a.txt"}}) {
            // One source was placed (and deleted), the other kept with its bytes and refused.
            const bool oneKept = test::exists(temp / "data/" + one);
            EXPECT_NE(oneKept, test::exists(temp / "data/" + other));
            const std::string kept = oneKept ? one : other;
            const std::string placed = oneKept ? other : one;
            EXPECT_EQ(test::readFile(temp / "data/" + kept), files.at(kept));
            EXPECT_EQ(test::readFile(copy + "/" + placed), files.at(placed));
            const std::string name = std::filesystem::path(kept).filename();
            EXPECT_TRUE(test::holds(output, ". File " + name + " reported err: 0\n"));
            EXPECT_TRUE(
                test::holds(errors, "orvane-cli: " + temp / "data/" + kept + ": not copied"));
        }
    }
}

std::string stickName(const ::testing::TestParamInfo<FuseDrive::Kind>& info) {
    static const char* const names[] = {"Fat", "ExFat", "Ntfs"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Sticks, UsbStickTest,
                         ::testing::Values(FuseDrive::Kind::Fat, FuseDrive::Kind::ExFat,
                                           FuseDrive::Kind::Ntfs),
                         stickName);

} // namespace orvane
