#include "common/EngineHarness.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace orvane::test {
namespace {

// What happens to a destination folder while the second of its three files is copied.
struct FolderChange {
    const char* what;
    std::function<void(const std::string& folder, const std::string& outside)> change;
    // Where the files end up: in the folder now at the folder's path, in the folder as moved
    // away (the first, and the second, whose copy was under way there), or nowhere (failed).
    int inFolderAtPath;
    int inMovedFolder;
    int failed;
};

// The run keeps each destination folder open for its files, but only while the folder's path
// still leads to it: a folder renamed, removed or replaced by a link meanwhile is never
// written to again, and nothing ever goes through the link.
TEST(KeptDestinationFolders, FollowTheFolderAtTheirPathAfterItChanges) {
    const std::vector<FolderChange> changes{
        {"left alone", [](const std::string&, const std::string&) {}, 3, 0, 0},
        {"removed and made again",
         [](const std::string& folder, const std::string&) {
             std::filesystem::rename(folder, folder + ".moved");
             std::filesystem::create_directory(folder);
         },
         1, 2, 0},
        {"replaced by a link to a folder outside",
         [](const std::string& folder, const std::string& outside) {
             std::filesystem::rename(folder, folder + ".moved");
             std::filesystem::create_directory_symlink(outside, folder);
         },
         0, 2, 1},
    };
    for (const bool direct : {false, true}) {
        for (const FolderChange& change : changes) {
            SCOPED_TRACE(std::string(direct ? "direct: " : "survey: ") + change.what);
            TempFolder t;
            const std::string from = t.makeFolder("data"), to = t.makeFolder("backup/data");
            for (const char* name : {"a", "b", "c"}) {
                t.write(std::string("data/sub/") + name, name);
            }
            const std::string outside = t.makeFolder("outside");
            EngineHarness run(from, to);
            bool changed = false;
            std::string first;
            run.onYield = [&](int) {
                if (changed || run.state.outcome.filesCopied != 1) {
                    return;
                }
                if (first.empty()) { // "File a copied in ..."
                    first = run.log.line(run.log.count()).substr(5, 1);
                }
                // The next file is shown before it is looked at; this is its copy's report.
                if (run.window.lblInfo[1].caption().find("Copying file " + first) ==
                    std::string::npos) {
                    changed = true;
                    change.change(to + "/sub", outside);
                }
            };
            direct ? run.runDirectMode() : run.runSurveyMode();

            EXPECT_TRUE(namesIn(outside).empty());
            const bool linked = std::filesystem::is_symlink(to + "/sub");
            EXPECT_EQ(linked ? 0 : namesIn(to + "/sub").size(), change.inFolderAtPath);
            EXPECT_EQ(exists(to + "/sub.moved") ? namesIn(to + "/sub.moved").size() : 0,
                      change.inMovedFolder);
            EXPECT_EQ(run.state.outcome.filesFailed, change.failed);
        }
    }
}

struct ModeCase {
    const char* name;
    mode_t mode;
    uid_t owner;
};

// A copy is made with its source's permission bits and may then need no change of mode, and
// the system's answer for one file teaches what the next files in its folder get: neither
// may leave a copy with other bits or another owner than its source, whatever the umask
// takes from new files and in whatever order the files come.
TEST(KeptDestinationFolders, EveryCopyHasItsSourcesModeAndOwnerUnderAnyUmask) {
    const bool root = ::geteuid() == 0;
    const std::vector<ModeCase> cases{
        {"plain", 0644, 0},        {"private", 0600, 0},        {"program", 0755, 0},
        {"read-only", 0444, 0},    {"no bits", 0000, 0},        {"group", 0660, 0},
        {"set-user-ID", 04755, 0}, {"other owner", 0644, 4321}, {"open", 0777, 0},
    };
    for (const mode_t umaskBits : {mode_t{022}, mode_t{077}, mode_t{0}}) {
        SCOPED_TRACE("umask " + std::to_string(umaskBits));
        TempFolder t;
        const std::string from = t.makeFolder("data"), to = t.makeFolder("backup/data");
        for (const ModeCase& file : cases) {
            const std::string path = t.write(std::string("data/") + file.name, file.name);
            if (file.owner != 0 && root) {
                ASSERT_EQ(::chown(path.c_str(), file.owner, file.owner), 0);
            }
            ASSERT_EQ(::chmod(path.c_str(), file.mode), 0);
        }
        const mode_t saved = ::umask(umaskBits);
        EngineHarness run(from, to);
        run.runDirectMode();
        ::umask(saved);
        for (const ModeCase& file : cases) {
            struct stat source {};
            struct stat copy {};
            ASSERT_EQ(::stat((from + "/" + file.name).c_str(), &source), 0);
            ASSERT_EQ(::stat((to + "/" + file.name).c_str(), &copy), 0) << file.name;
            EXPECT_EQ(copy.st_mode & 07777, source.st_mode & 07777) << file.name;
            EXPECT_EQ(copy.st_uid, source.st_uid) << file.name;
            EXPECT_EQ(copy.st_gid, source.st_gid) << file.name;
        }
    }
}

} // namespace
} // namespace orvane::test
