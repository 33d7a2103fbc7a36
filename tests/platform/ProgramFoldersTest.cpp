#include "platform/ProgramFolders.h"
#include "platform/RunningProgramFolders.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

using namespace orvane::platform;
using std::nullopt;

// The INI file's folder, the logs folder and the data folder of each layout. Without the marker
// everything stays beside the executable, whatever the environment says. Installed, the data
// is read from the prefix and the rest goes to the user's XDG folders: a variable counts only
// when it holds an absolute path, used without its trailing separators, and each stands alone.
// The home folder is $HOME when absolute, else the account's home, else the root.
TEST(ProgramFolders, EachLayoutAndEnvironmentGivesItsFolders) {
    const struct {
        std::string program;
        bool installed;
        std::optional<std::string> home, config, state;
        std::string account, settings, logs, data;
    } cases[] = {
        // Home /h, the account's home /a, an XDG folder /s, prefix /u.
        {"/h/tools", false, "/h", "/h/cfg", "/h/state", "/a", "/h/tools", "/h/tools/logs",
         "/h/tools"},
        {"/", false, "/h", nullopt, nullopt, "", "/", "/logs", "/"},
        {"/bin", true, "/h/", "", "x", "", "/h/.config/orvane", "/h/.local/state/orvane/logs",
         "/share/orvane"},
        {"/u/bin", true, "/h", "./x", "/s//", "", "/h/.config/orvane", "/s/orvane/logs",
         "/u/share/orvane"},
        {"/u/bin", true, "/h", "/", "/s", "", "/orvane", "/s/orvane/logs", "/u/share/orvane"},
        {"/u/bin", true, nullopt, nullopt, nullopt, "/a", "/a/.config/orvane",
         "/a/.local/state/orvane/logs", "/u/share/orvane"},
        {"/u/bin", true, "", nullopt, "/s", "/a", "/a/.config/orvane", "/s/orvane/logs",
         "/u/share/orvane"},
        {"/u/bin", true, "h", nullopt, nullopt, "a", "/.config/orvane", "/.local/state/orvane/logs",
         "/u/share/orvane"},
        {"/u/bin", true, "/", nullopt, nullopt, "/a", "/.config/orvane",
         "/.local/state/orvane/logs", "/u/share/orvane"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " home " + c.home.value_or("(unset)") + " XDG " +
                     c.config.value_or("(unset)") + " " + c.state.value_or("(unset)"));
        const ProgramFolders folders = chooseProgramFolders(
            {{c.program, "orvane"}, c.installed, c.home, c.config, c.state, c.account});
        EXPECT_EQ(folders.layout, c.installed ? ProgramLayout::Installed : ProgramLayout::Portable);
        EXPECT_EQ(std::tie(folders.settings, folders.logs, folders.data),
                  std::tie(c.settings, c.logs, c.data));
        EXPECT_EQ(folders.settingsLocation().executableName, "orvane");
    }
    EXPECT_EQ(installedMarkerPath("/opt/o/bin"), "/opt/o/share/orvane/installed-layout");
    EXPECT_EQ(installedMarkerPath("/"), "/share/orvane/installed-layout");
}

TEST(RunningProgramFolders, PreparingMakesTheMissingUserFoldersPrivateButNotTheLogsFolder) {
    orvane::test::TempFolder temp;
    ProgramFolders folders{ProgramLayout::Installed, "orvane", temp / "home/.config/orvane",
                           temp / "home/.local/state/orvane/logs", "/usr/share/orvane"};
    prepareProgramFolders(folders);
    const auto modeOf = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? info.st_mode & 0777
                                                                         : 01000U;
    };
    EXPECT_EQ(modeOf(temp / "home/.config"), 0700U);
    EXPECT_EQ(modeOf(temp / "home/.config/orvane"), 0700U);
    EXPECT_EQ(modeOf(temp / "home/.local/state/orvane"), 0700U);
    EXPECT_EQ(modeOf(folders.logs), 01000U); // made by the log save
    // Existing folders keep their mode; the portable layout makes nothing.
    ASSERT_EQ(::chmod((temp / "home/.config").c_str(), 0755), 0);
    prepareProgramFolders(folders);
    EXPECT_EQ(modeOf(temp / "home/.config"), 0755U);
    folders.layout = ProgramLayout::Portable;
    folders.settings = temp / "portable";
    prepareProgramFolders(folders);
    EXPECT_EQ(modeOf(folders.settings), 01000U);
}
