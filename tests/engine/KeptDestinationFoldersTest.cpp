#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"

#include <chrono>

namespace orvane::test {
namespace {

// The run keeps each destination folder open for its files, but only while the folder's path
// still leads to it: a folder renamed, removed or replaced by a link meanwhile is never
// written to again, and nothing ever goes through the link. Each case changes the folder while
// the second of its three files is copied.
TEST(KeptDestinationFolders, FollowTheFolderAtTheirPathAfterItChanges) {
    const struct {
        const char* what;
        const char* placed; // what the change puts at the folder's path after moving it away
        std::size_t inFolderAtPath, inMovedFolder; // the first two files went to the moved one
        int failed;
    } cases[] = {{"left alone", "", 3, 0, 0},
                 {"moved away and made again", "folder", 1, 2, 0},
                 {"replaced by a link to a folder outside", "link", 0, 2, 1}};
    for (const auto& change : cases) {
        SCOPED_TRACE(change.what);
        if (*change.placed != '\0') { // the last cases
            SKIP_ON_WINDOWS("a destination folder held open while its files are copied, which "
                            "the Windows layer does not do yet, and symbolic links");
        }
        inBothModes(false, [&change](Scene& s, bool direct) {
            const std::string folder = s.dst("sub"), outside = s.temp.makeFolder("outside");
            s.plant({"data/sub/a = a", "data/sub/b = b", "data/sub/c = c"});
            auto& run = s.harness;
            std::string first;
            run.onceWhen(
                [&] {
                    if (first.empty() && run.state.outcome.filesCopied == 1) {
                        first = run.log.line(run.log.count()).substr(5, 1); // "File a copied in"
                    }
                    // The next file is shown before it is looked at; this is its copy's report.
                    return !first.empty() &&
                           !run.window.lblInfo[1].caption().starts_with("Copying file " + first);
                },
                [&] {
                    if (*change.placed != '\0') {
                        std::filesystem::rename(folder, folder + ".moved");
                    }
                    if (change.placed == std::string("folder")) {
                        std::filesystem::create_directory(folder);
                    } else if (change.placed == std::string("link")) {
                        std::filesystem::create_directory_symlink(outside, folder);
                    }
                });
            run.runIn(direct);
            EXPECT_TRUE(namesIn(outside).empty());
            const bool linked = std::filesystem::is_symlink(folder);
            EXPECT_EQ(linked ? 0 : namesIn(folder).size(), change.inFolderAtPath);
            EXPECT_EQ(exists(folder + ".moved") ? namesIn(folder + ".moved").size() : 0,
                      change.inMovedFolder);
            EXPECT_EQ(run.state.outcome.filesFailed, change.failed);
        });
    }
}

// A copy is made with its source's permission bits and may then need no change of mode, and
// the system's answer for one file teaches what the next files in its folder get: neither
// may leave a copy with other bits or another owner than its source, whatever the umask
// takes from new files and in whatever order the files come.
TEST(KeptDestinationFolders, EveryCopyHasItsSourcesModeAndOwnerUnderAnyUmask) {
    SKIP_ON_WINDOWS("POSIX modes, owners and the umask");
    const struct {
        const char* name;
        unsigned mode;
        unsigned owner;
    } cases[] = {
        {"plain", 0644, 0},        {"private", 0600, 0},        {"program", 0755, 0},
        {"read-only", 0444, 0},    {"no bits", 0000, 0},        {"group", 0660, 0},
        {"set-user-ID", 04755, 0}, {"other owner", 0644, 4321}, {"open", 0777, 0},
    };
    for (const unsigned umaskBits : {022U, 077U, 0U}) {
        SCOPED_TRACE("umask " + std::to_string(umaskBits));
        TempFolder t;
        const std::string from = t.makeFolder("data"), to = t.makeFolder("backup/data");
        for (const auto& file : cases) {
            const std::string path = t.write(std::string("data/") + file.name, file.name);
            if (file.owner != 0 && runningAsRoot()) {
                ASSERT_TRUE(giveToAnotherUser(path, file.owner));
            }
            std::filesystem::permissions(path, std::filesystem::perms(file.mode));
        }
        {
            const Umask only(umaskBits);
            EngineHarness(from, to).runDirectMode();
        }
        for (const auto& file : cases) {
            const auto source = statOf(from + "/" + file.name), copy = statOf(to + "/" + file.name);
            // A link count of 0: no copy.
            EXPECT_EQ(std::tuple(copy.st_mode & 07777, copy.st_uid, copy.st_gid, copy.st_nlink),
                      std::tuple(source.st_mode & 07777, source.st_uid, source.st_gid, 1UL))
                << file.name;
        }
    }
}

// A run killed before it finished its folders leaves them owner-only, with the times of their
// filling; the next run finishes them as it finishes the folders it makes itself, with their
// source's mode and times. A folder the user made owner-only stays as it is.
TEST(KeptDestinationFolders, FoldersAKilledRunLeftUnfinishedAreFinishedByTheNextRun) {
    SKIP_ON_WINDOWS("POSIX modes, and a run killed by a signal");
    inBothModes(false, [](Scene& s, bool direct) {
        namespace fs = std::filesystem;
        s.plant({"data/sub/a = a", "data/own/b = b", "backup/data/own/"});
        fs::permissions(s.src("sub"), fs::perms(0755));
        fs::permissions(s.src("own"), fs::perms(0755));
        fs::permissions(s.dst("own"), fs::perms(0700));
        const auto long_ago = fs::last_write_time(s.src("sub")) - std::chrono::hours(24 * 365);
        fs::last_write_time(s.src("sub"), long_ago);
        ASSERT_TRUE(killedInChild([&](const std::function<void()>& kill) {
            s.harness.onYield = [&](int) {
                if (exists(s.dst("sub"))) {
                    kill();
                }
            };
            s.harness.runIn(direct);
        }));
        ASSERT_NE(statOf(s.dst("sub")).st_mode & 07777, 0755U);

        EngineHarness(s.source, s.destination).runIn(direct);
        EXPECT_EQ(statOf(s.dst("sub")).st_mode & 07777, 0755U);
        EXPECT_EQ(fs::last_write_time(s.dst("sub")), long_ago);
        EXPECT_EQ(statOf(s.dst("own")).st_mode & 07777, 0700U);
    });
}

} // namespace
} // namespace orvane::test
