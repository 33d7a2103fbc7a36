// Built into the Windows test program only: what the Windows layer must tell that a POSIX
// emulation of the same calls would get wrong.

#include "common/WindowsFiles.h"
#include "platform/AppendFile.h"
#include "platform/DestinationTree.h"
#include "platform/DriveSpace.h"
#include "platform/FileCopy.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/FolderContainment.h"
#include "platform/PrivateProfile.h"
#include "platform/SourceFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

namespace orvane {

// Each folder is itself and no other (MinGW's stat gives every one inode 0), also through
// another spelling of its path, and so is what lies within it; and a file's identity changes
// when it is rewritten.
TEST(WindowsLayerTest, FoldersAndFilesAreToldApartByVolumeAndFileIndex) {
    const test::win::WindowsTempFolder temp;
    ASSERT_TRUE(test::win::makeFolder(temp / "one"));
    ASSERT_TRUE(test::win::makeFolder(temp / "two"));
    EXPECT_FALSE(platform::sameFolder(temp / "one", temp / "two"));
    EXPECT_TRUE(platform::sameFolder(temp / "one", temp / "two\\..\\one"));
    // Nothing of a tree is made outside it, whatever the path's ".." say.
    const std::string root = temp / "one";
    EXPECT_FALSE(platform::makeTreeFolder({root, root + "\\..\\two\\x"}));
    EXPECT_TRUE(platform::makeTreeFolder({root, root + "\\x"}));
    EXPECT_FALSE(test::win::exists(temp / "two\\x"));
    // A destination not made yet lies within the folder it would be made in.
    EXPECT_TRUE(platform::liesWithin(temp / "two\\..\\one\\not\\yet", temp / "one"));
    EXPECT_FALSE(platform::liesWithin(temp / "two\\not\\yet", temp / "one"));
    ASSERT_TRUE(test::win::writeFile(temp / "one\\a.txt", "first"));
    ASSERT_TRUE(test::win::writeFile(temp / "two\\b.txt", "first"));
    const auto a = platform::identityOf(temp / "one\\a.txt");
    const auto b = platform::identityOf(temp / "two\\b.txt");
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->inode, b->inode);
    EXPECT_TRUE(platform::sameFile(temp / "one\\a.txt", temp / "two\\..\\one\\a.txt"));
    ASSERT_TRUE(test::win::writeFile(temp / "one\\a.txt", "other"));
    const auto rewritten = platform::identityOf(temp / "one\\a.txt");
    ASSERT_TRUE(rewritten);
    EXPECT_FALSE(*rewritten == *a);
}

// The drive of a destination not made yet is its volume's root in the drive-root form of
// the log ("C:\"), with the space on it.
TEST(WindowsLayerTest, DriveTextIsTheVolumeRoot) {
    const test::win::WindowsTempFolder temp;
    const auto space = platform::queryDriveSpace(temp / "not\\made\\yet");
    EXPECT_EQ(space.drive, temp.path().substr(0, 3));
    ASSERT_EQ(space.drive.size(), 3U);
    EXPECT_EQ(space.drive.substr(1), ":\\");
    EXPECT_GT(space.totalBytes, 0);
    EXPECT_GT(space.freeBytes, 0);
}

namespace {

using Reports = std::vector<std::tuple<platform::CopyReason, std::int64_t, std::int64_t>>;
constexpr auto Switch = platform::CopyReason::StreamSwitch;
constexpr auto Chunk = platform::CopyReason::ChunkFinished;

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((test::win::longPath(folder) + L"\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found)) {
        names.insert(test::win::narrow(found.cFileName));
    }
    ::FindClose(search);
    names.erase(".");
    names.erase("..");
    return names;
}

} // namespace

// The copy reports its stream switch and every chunk, reads the cancel flag after each report
// but the last, and places the copy, with the source's write time, only when it is whole and
// the destination is still what the caller saw: a cancelled copy, or one whose destination
// someone else made meanwhile, leaves the destination as it was and no temporary behind.
TEST(WindowsLayerTest, CopyReportsChunksStopsBetweenThemAndPlacesOnlyWhatIsWhole) {
    platform::setCopyChunkForTests(4);
    const struct {
        Reports reports;
        platform::CopyReason at = Switch;
        std::int32_t stop = 0;
        bool sawDestination = true;
        bool readOnly = false;
    } cases[] = {
        {{{Switch, 10, 0}, {Chunk, 10, 4}, {Chunk, 10, 8}, {Chunk, 10, 10}}},
        {{{Switch, 0, 0}, {Chunk, 0, 0}}},
        {{{Switch, 10, 0}}, Switch, 1},
        {{{Switch, 10, 0}, {Chunk, 10, 4}}, Chunk, 2},
        {{{Switch, 3, 0}, {Chunk, 3, 3}}, Chunk, 1}, // a stop in the last report
        {{{Switch, 10, 0}, {Chunk, 10, 4}, {Chunk, 10, 8}, {Chunk, 10, 10}}, Switch, 0, false},
        {{{Switch, 3, 0}, {Chunk, 3, 3}}, Switch, 0, false, true}, // a read-only source
        {{{Switch, 3, 0}, {Chunk, 3, 3}}, Switch, 0, true, true},
    };
    for (const auto& c : cases) {
        const std::int64_t size = std::get<1>(c.reports.front());
        SCOPED_TRACE(testing::Message() << size << " stop " << c.stop << " saw " << c.sawDestination
                                        << " read-only " << c.readOnly);
        const test::win::WindowsTempFolder temp;
        const std::string bytes = std::string("0123456789").substr(0, size);
        ASSERT_TRUE(test::win::writeFile(temp / "src", bytes));
        ASSERT_TRUE(test::win::writeFile(temp / "dst", "previous copy"));
        const HANDLE source =
            ::CreateFileW(test::win::longPath(temp / "src").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const FILETIME written{0x12345600, 0x01d00000};
        ASSERT_TRUE(::SetFileTime(source, nullptr, nullptr, &written));
        ::CloseHandle(source);
        if (c.readOnly) {
            ASSERT_TRUE(::SetFileAttributesW(test::win::longPath(temp / "src").c_str(),
                                             FILE_ATTRIBUTE_READONLY));
        }
        Reports reports;
        std::int32_t flag = 0;
        const platform::CopyProgress progress = [&](const platform::CopyReport& report) {
            reports.emplace_back(report.reason, report.totalSize, report.transferred);
            flag = report.reason == c.at ? c.stop : flag;
        };
        platform::CopyOptions options;
        options.replaces = c.sawDestination ? platform::identityOf(temp / "dst") : std::nullopt;
        const auto result =
            platform::copyFileWithProgress(temp / "src", temp / "dst", progress, flag, options);

        EXPECT_EQ(reports, c.reports);
        const bool whole = c.reports.size() > 1 && std::get<2>(c.reports.back()) == size;
        const bool placed = whole && c.sawDestination;
        EXPECT_EQ(result.outcome, placed  ? platform::CopyOutcome::Copied
                                  : whole ? platform::CopyOutcome::Failed
                                          : platform::CopyOutcome::Cancelled);
        if (whole && !placed) {
            EXPECT_EQ(result.error.kind(), platform::ErrorKind::Exists);
        }
        EXPECT_EQ(test::win::readFile(temp / "dst"), placed ? bytes : "previous copy");
        EXPECT_EQ(namesIn(temp.path()), (std::set<std::string>{"src", "dst"}));
        const auto copy = platform::identityOf(temp / "dst");
        const auto original = platform::identityOf(temp / "src");
        ASSERT_TRUE(copy && original);
        EXPECT_EQ(copy->modifiedNs == original->modifiedNs, placed);
        // The copy keeps the source's read-only mark, never the temporary's hidden one.
        const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
        EXPECT_EQ(::GetFileAttributesW(test::win::longPath(temp / "dst").c_str()) & marks,
                  placed && c.readOnly ? FILE_ATTRIBUTE_READONLY : 0U);
    }
    platform::setCopyChunkForTests(0);
}

// A copy whose process is killed midway leaves no temporary behind: the system deletes it.
// The test program runs itself as the copying process, which waits in its first report.
TEST(WindowsLayerTest, KilledCopyLeavesNoTemporary) {
    if (const char* child = std::getenv("ORVANE_KILLED_COPY")) {
        char* folder = nullptr;
        const HANDLE ready = reinterpret_cast<HANDLE>(std::strtoull(child, &folder, 10));
        std::int32_t flag = 0;
        platform::copyFileWithProgress(
            std::string(folder + 1) + "\\src", std::string(folder + 1) + "\\dst",
            [&](const auto&) {
                ::SetEvent(ready);
                ::Sleep(INFINITE);
            },
            flag);
        return;
    }
    const test::win::WindowsTempFolder temp;
    ASSERT_TRUE(test::win::writeFile(temp / "src", "0123456789"));
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE ready = ::CreateEventW(&inherited, TRUE, FALSE, nullptr);
    const auto handleText = std::to_string(reinterpret_cast<std::uintptr_t>(ready));
    ::SetEnvironmentVariableW(L"ORVANE_KILLED_COPY",
                              test::win::wide(handleText + " " + temp.path()).c_str());
    wchar_t program[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring line = L"x --gtest_filter=WindowsLayerTest.KilledCopyLeavesNoTemporary";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(::CreateProcessW(program, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &start, &child));
    ::SetEnvironmentVariableW(L"ORVANE_KILLED_COPY", nullptr);
    const HANDLE ends[] = {ready, child.hProcess};
    EXPECT_EQ(::WaitForMultipleObjects(2, ends, FALSE, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(namesIn(temp.path()).size(), 2U); // the source and the temporary
    ::TerminateProcess(child.hProcess, 1);
    ::WaitForSingleObject(child.hProcess, INFINITE);
    for (const HANDLE handle : {ready, child.hProcess, child.hThread}) {
        ::CloseHandle(handle);
    }
    // Wine may close a killed process's handles a moment after the process ends.
    for (int wait = 0; wait < 100 && namesIn(temp.path()).size() > 1; ++wait) {
        ::Sleep(50);
    }
    EXPECT_EQ(namesIn(temp.path()), std::set<std::string>{"src"});
}

// When every name a temporary could take stands already, the copy fails and deletes none of
// them: the first copy, stopped at its first report, shows which name comes next.
TEST(WindowsLayerTest, CopyDeletesNoNameItDidNotMake) {
    const test::win::WindowsTempFolder temp;
    ASSERT_TRUE(test::win::writeFile(temp / "src", "new"));
    std::set<std::string> names;
    std::int32_t flag = 1;
    const auto list = [&](const auto&) { names = namesIn(temp.path()); };
    platform::copyFileWithProgress(temp / "src", temp / "dst", list, flag);
    names.erase("src");
    ASSERT_EQ(names.size(), 1U);
    const std::string used = *names.begin();
    const std::size_t dash = used.rfind('-');
    names = {"src"};
    for (unsigned n = std::stoul(used.substr(dash + 1)) + 1; names.size() <= 16; ++n) {
        const std::string name = used.substr(0, dash + 1) + std::to_string(n) + ".tmp";
        ASSERT_TRUE(test::win::writeFile(temp / name, "not the copy's"));
        names.insert(name);
    }
    flag = 0;
    const auto result = platform::copyFileWithProgress(
        temp / "src", temp / "dst", [](const auto&) {}, flag);
    EXPECT_EQ(result.outcome, platform::CopyOutcome::Failed);
    EXPECT_EQ(namesIn(temp.path()), names);
}

// A name that Windows' own path parsing would change (a trailing dot or blank, a device
// name) is still the name of an entry below a folder: the copy reads that entry and places
// its copy under the same name, never a device or a sibling without the ending.
TEST(WindowsLayerTest, CopyKeepsNamesThatPathParsingWouldChange) {
    for (const std::string name : {"aux.c", "nul", "notes.", "draft "}) {
        SCOPED_TRACE("[" + name + "]");
        const test::win::WindowsTempFolder temp;
        ASSERT_TRUE(test::win::makeFolder(temp / "one"));
        ASSERT_TRUE(test::win::makeFolder(temp / "two"));
        ASSERT_TRUE(test::win::writeFile(temp / ("one\\" + name), "kept " + name));
        std::int32_t flag = 0;
        const auto result = platform::copyFileWithProgress(
            temp / ("one\\" + name), temp / ("two\\" + name), [](const auto&) {}, flag);
        EXPECT_EQ(result.outcome, platform::CopyOutcome::Copied);
        EXPECT_EQ(test::win::readFile(temp / ("two\\" + name)), "kept " + name);
        EXPECT_EQ(namesIn(temp / "two"), std::set<std::string>{name});
    }
}

// Two sessions saving to the day's log file at once: the second can open the file the first
// is writing and waits on its lock for the first's whole block, rather than failing to open
// it; but not for ever.
TEST(WindowsLayerTest, ASecondSessionWaitsForTheLogFileInsteadOfFailingToOpenIt) {
    const test::win::WindowsTempFolder temp;
    const std::string log = temp / "day.log";
    platform::AppendFile first(log);
    ASSERT_TRUE(first.write("first 1\r\n"));
    const HANDLE other = ::CreateFileW(test::win::longPath(log).c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE) << ::GetLastError();
    OVERLAPPED start{};
    EXPECT_FALSE(::LockFileEx(other, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                              MAXDWORD, MAXDWORD, &start));
    ::CloseHandle(other);
    // A session that never lets go holds up another's save for a while only, which then fails.
    platform::AppendFile stuck(log);
    EXPECT_FALSE(stuck.write("stuck\r\n") && stuck.close());
    EXPECT_TRUE(first.write("first 2\r\n") && first.close());
    platform::AppendFile second(log);
    EXPECT_TRUE(second.write("second\r\n") && second.close());
    EXPECT_EQ(test::win::readFile(log), "first 1\r\nfirst 2\r\nsecond\r\n");
}

// A moved source is deleted only while it is still the file that was copied: one saved over
// it since (as editors save, by a rename) is kept.
TEST(WindowsLayerTest, MovedSourceIsDeletedOnlyWhileItIsTheFileCopied) {
    const test::win::WindowsTempFolder temp;
    ASSERT_TRUE(test::win::writeFile(temp / "a", "copied"));
    const platform::SourceFolder folder(temp.path());
    const auto copied = folder.identityOf("a");
    ASSERT_TRUE(test::win::writeFile(temp / "saved", "saved over"));
    ASSERT_TRUE(::MoveFileExW(test::win::longPath(temp / "saved").c_str(),
                              test::win::longPath(temp / "a").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(folder.deleteFile("a", temp / "a", copied));
    EXPECT_EQ(test::win::readFile(temp / "a"), "saved over");
    EXPECT_FALSE(folder.deleteFile("a", temp / "a", folder.identityOf("a")));
    EXPECT_FALSE(test::win::exists(temp / "a"));
}

// The INI file (its texts and edits run on every system): a read-only file is neither changed
// nor made writable, a folder in the file's place is neither read nor written, and an edit
// leaves no temporary beside the file.
TEST(WindowsLayerTest, ProfileWritesLeaveReadOnlyFilesAndFoldersAlone) {
    const test::win::WindowsTempFolder temp;
    const std::string mine = temp / "mine.ini";
    EXPECT_TRUE(platform::writeProfileString("Main", "USE", "2", mine) &&
                platform::writeProfileString("Main", "USE", "3", mine));
    const std::string locked = temp / "locked.ini";
    ASSERT_TRUE(test::win::writeFile(locked, "[Main]\r\nUSE=7\r\n"));
    ASSERT_TRUE(::SetFileAttributesW(test::win::longPath(locked).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(platform::writeProfileString("Main", "USE", "8", locked));
    EXPECT_EQ(test::win::readFile(locked), "[Main]\r\nUSE=7\r\n");
    EXPECT_NE(::GetFileAttributesW(test::win::longPath(locked).c_str()) & FILE_ATTRIBUTE_READONLY,
              0U);
    ::SetFileAttributesW(test::win::longPath(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string folder = temp / "folder.ini";
    ASSERT_TRUE(test::win::makeFolder(folder));
    EXPECT_FALSE(platform::writeProfileString("Main", "USE", "3", folder));
    EXPECT_EQ(platform::readProfileString("Main", "USE", "1", 2048, folder), "1");
    EXPECT_EQ(namesIn(temp.path()),
              (std::set<std::string>{"mine.ini", "locked.ini", "folder.ini"}));
}

} // namespace orvane
