// Built into the Windows test program only: orvane-cli.exe run as a Windows user runs it, with
// UTF-16 arguments, on a tree with names outside any ANSI code page and a path longer than
// the 260 characters of the old Windows limit.

#include "common/System.h"
#include "common/WindowsFiles.h"
#include "platform/PartialRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

using test::holds;
using test::win::exists;
using test::win::longPath;
using test::win::makeFolder;
using test::win::readFile;
constexpr DWORD kShareEverything = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
using test::win::wide;
using test::win::writeFile;

class WindowsRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A copy of the program of its own: its logs folder is beside it.
        ASSERT_TRUE(makeFolder(temp / "bin"));
        ASSERT_TRUE(::CopyFileW(programBuilt().c_str(), longPath(program).c_str(), TRUE));
    }

    // Beside the test program's folder, as the build puts it.
    static std::wstring programBuilt() {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path = self;
        path.erase(path.rfind(L'\\'));
        path.erase(path.rfind(L'\\') + 1);
        return path + L"src\\orvane-cli.exe";
    }

    // Runs the program with the arguments; its standard output and error are kept. Each run
    // writes files of its own: Wine may still hold the last run's files for a moment after
    // its process ended, and a stale file must never pass for this run's output.
    int run(const std::vector<std::string>& arguments) { return finish(start(arguments)); }

    // Starts the program; `finish` waits for it, or ends it first (as a kill would) when
    // `whenEnded` holds at a look every few milliseconds.
    PROCESS_INFORMATION start(const std::vector<std::string>& arguments) {
        ++runs;
        std::wstring line = L"\"" + wide(program) + L"\"";
        for (const auto& argument : arguments) {
            line += L" \"" + wide(argument) + L"\"";
        }
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        const auto create = [&](const std::string& kind) {
            return ::CreateFileW(longPath(runFile(kind)).c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        };
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = nullptr;
        start.hStdOutput = create("out");
        start.hStdError = create("err");
        EXPECT_NE(start.hStdOutput, INVALID_HANDLE_VALUE) << ::GetLastError();
        EXPECT_NE(start.hStdError, INVALID_HANDLE_VALUE) << ::GetLastError();
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                              nullptr, nullptr, &start, &process)) {
            process = {};
        }
        ::CloseHandle(start.hStdOutput);
        ::CloseHandle(start.hStdError);
        return process;
    }

    int finish(
        const PROCESS_INFORMATION& process,
        const std::function<bool()>& whenEnded = [] { return false; }) {
        DWORD status = 255;
        if (process.hProcess != nullptr) {
            while (::WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT) {
                if (whenEnded()) {
                    ::TerminateProcess(process.hProcess, 137);
                }
            }
            ::GetExitCodeProcess(process.hProcess, &status);
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
        output = readFile(runFile("out"));
        errors = readFile(runFile("err"));
        return static_cast<int>(status);
    }

    std::string runFile(const std::string& kind) const {
        return temp / (kind + "-" + std::to_string(runs) + ".txt");
    }

    std::string dayLog(const std::string& logs = {}) const {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        char name[40];
        std::snprintf(name, sizeof name, "\\log_%02u_%02u_%04u.txt", now.wDay, now.wMonth,
                      now.wYear);
        return readFile((logs.empty() ? temp / "bin\\logs" : logs) + name);
    }

    test::win::WindowsTempFolder temp;
    std::string program = temp / "bin\\orvane-cli.exe";
    std::string output;
    std::string errors;
    int runs = 0;
};

// A move of a tree with names in three scripts and a file 300 characters deep, its source
// typed with slashes: every file reaches the destination and leaves the source, the log
// lines name the files as they are, and the day's log file holds them with CR LF line ends. A
// missing source is reported with its Windows path, each separator once, and the help
// speaks in Windows paths.
TEST_F(WindowsRunTest, MovesATreeWithWideNamesAndLongPathsAndLogsWindowsPaths) {
    const std::string source = temp / "Grüße";
    std::string deep = source;
    for (int level = 0; level < 5; ++level) {
        deep += "\\" + std::string(60, static_cast<char>('a' + level));
    }
    ASSERT_GT(deep.size(), 260U);
    ASSERT_TRUE(makeFolder(source));
    for (std::string folder = source + "\\"; folder.size() < deep.size();) {
        folder = deep.substr(0, deep.find('\\', folder.size() + 1));
        ASSERT_TRUE(makeFolder(folder)) << folder;
    }
    const std::vector<std::pair<std::string, std::string>> files = {
        {source + "\\naïve résumé.txt", "café"},
        {source + "\\日本語.txt", "kanji"},
        {deep + "\\deep.txt", "far down"},
    };
    for (const auto& [path, bytes] : files) {
        ASSERT_TRUE(writeFile(path, bytes)) << path;
    }
    const std::string destination = temp / "backup";
    ASSERT_TRUE(makeFolder(destination));

    // Typed with slashes, as Windows takes them too.
    std::string typed = source;
    std::replace(typed.begin(), typed.end(), '\\', '/');
    EXPECT_EQ(run({"--move", typed, destination}), 0) << errors;
    for (const auto& [path, bytes] : files) {
        SCOPED_TRACE(path);
        const std::string copy = destination + path.substr(temp.path().size());
        EXPECT_EQ(readFile(copy), bytes);
        EXPECT_FALSE(exists(path));
        const std::string name = path.substr(path.rfind('\\') + 1);
        EXPECT_TRUE(holds(output, "File " + name + " copied in "));
        EXPECT_TRUE(holds(output, "Move is on, deleted the file " + name));
    }
    EXPECT_TRUE(holds(output, "Total files to copy: 3 file(s) in "));
    EXPECT_TRUE(holds(output, "Stopped copying on "));
    const std::string saved = dayLog();
    EXPECT_TRUE(holds(saved, "\r\nFile deep.txt copied in "));
    EXPECT_TRUE(holds(saved, std::string(46, '-') + "\r\n"));

    // The help speaks of Windows paths, the logs folder among them.
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(holds(output, "orvane-cli photos\\ D:\\backup "));
    EXPECT_TRUE(holds(output, "\n  " + temp / "bin\\logs\r\n"));

    const std::string missing = temp / "missing";
    EXPECT_EQ(run({missing, destination}), 2) << errors;
    EXPECT_TRUE(holds(output, "Source Path error: " + missing));
}

// Wine shows a link to a file as that file, even to an opening that asks not to follow links.
// A move copies what such a link shows, but deletes neither the link nor its target outside
// the source, and says why; a link to a folder is not gone into, and its files stay where they
// are. Both fail the run.
TEST_F(WindowsRunTest, AMoveDeletesNothingALinkLeadsToOutsideItsSource) {
    const std::string source = temp / "src", outside = temp / "outside";
    for (const auto& folder : {source, outside, outside + "\\folder", temp / "backup"}) {
        ASSERT_TRUE(makeFolder(folder));
    }
    ASSERT_TRUE(writeFile(outside + "\\target.txt", "not the source's"));
    ASSERT_TRUE(writeFile(outside + "\\folder\\inner.txt", "nor this"));
    ASSERT_TRUE(writeFile(source + "\\own.txt", "moved"));
    ASSERT_TRUE(test::win::makeLinuxLink(outside + "\\target.txt", source + "\\link.txt"));
    ASSERT_TRUE(test::win::makeLinuxLink(outside + "\\folder", source + "\\linked"));

    EXPECT_EQ(run({"--move", source, temp / "backup"}), 1) << errors;
    EXPECT_EQ(readFile(outside + "\\target.txt"), "not the source's");
    EXPECT_EQ(readFile(outside + "\\folder\\inner.txt"), "nor this");
    EXPECT_EQ(readFile(source + "\\link.txt"), "not the source's");
    EXPECT_EQ(readFile(temp / "backup\\src\\link.txt"), "not the source's");
    EXPECT_FALSE(exists(source + "\\own.txt"));
    const std::string elsewhere = "it leads to an entry outside the folder it was listed in\r\n";
    EXPECT_TRUE(holds(errors, source + "\\link.txt: source kept: cannot delete it: " + elsewhere))
        << errors;
    EXPECT_TRUE(holds(errors, source + "\\linked: ")) << errors;
    EXPECT_TRUE(test::win::removeLinuxLink(source + "\\link.txt"));
    EXPECT_TRUE(test::win::removeLinuxLink(source + "\\linked"));
}

namespace {

// What a careful Windows copier keeps of an entry: its attributes and its three times.
struct Kept {
    DWORD attributes;
    std::uint64_t created, accessed, written;
    bool operator==(const Kept&) const = default;
};

std::uint64_t ticksOf(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

Kept keptOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(longPath(path).c_str(), GetFileExInfoStandard, &data);
    constexpr DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                           FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                           FILE_ATTRIBUTE_DIRECTORY;
    return {data.dwFileAttributes & kept, ticksOf(data.ftCreationTime),
            ticksOf(data.ftLastAccessTime), ticksOf(data.ftLastWriteTime)};
}

// Sets the attributes and times of a file or folder, times from `year` on: days apart.
void mark(const std::string& path, DWORD attributes, std::int64_t year) {
    const HANDLE entry =
        ::CreateFileW(longPath(path).c_str(), FILE_WRITE_ATTRIBUTES, kShareEverything, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    constexpr std::int64_t day = 864000000000LL;
    FILE_BASIC_INFO basic{};
    basic.CreationTime.QuadPart = (year - 1601) * 365 * day;
    basic.LastAccessTime.QuadPart = basic.CreationTime.QuadPart + 2 * day;
    basic.LastWriteTime.QuadPart = basic.CreationTime.QuadPart + day;
    basic.FileAttributes = attributes;
    EXPECT_TRUE(::SetFileInformationByHandle(entry, FileBasicInfo, &basic, sizeof basic)) << path;
    ::CloseHandle(entry);
}

} // namespace

// A copy keeps what a careful Windows copier keeps by default, of its files and of the folders
// it makes: the attributes read-only, hidden, system, archive and not-content-indexed, and the
// creation, last-write and last-access times as they were before the copy read them; so does
// a move. (Wine keeps neither a creation time nor the not-content-indexed mark: there both
// read back as Wine shows them on the source.)
TEST_F(WindowsRunTest, AttributesAndTimesSurviveACopyAndAMove) {
    const std::string source = temp / "src";
    const std::vector<std::string> entries = {"src\\marked.txt", "src\\plain.txt", "src\\sub",
                                              "src\\sub\\inner.txt", "src"};
    ASSERT_TRUE(makeFolder(source) && makeFolder(temp / "src\\sub"));
    for (const auto& file : {entries[0], entries[1], entries[3]}) {
        ASSERT_TRUE(writeFile(temp / file, file));
    }
    mark(temp / entries[0],
         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
             FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED,
         2001);
    mark(temp / entries[3], FILE_ATTRIBUTE_ARCHIVE, 2002);
    mark(temp / entries[2], FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, 2003);
    mark(temp / entries[4], FILE_ATTRIBUTE_NORMAL, 2004);
    for (const bool move : {false, true}) {
        SCOPED_TRACE(move ? "moved" : "copied");
        std::vector<Kept> before;
        for (const auto& entry : entries) {
            before.push_back(keptOf(temp / entry));
        }
        const std::string destination = temp / (move ? "moved" : "copied");
        ASSERT_TRUE(makeFolder(destination));
        EXPECT_EQ(run(move ? std::vector<std::string>{"--move", source, destination}
                           : std::vector<std::string>{source, destination}),
                  0)
            << errors;
        for (std::size_t at = 0; at < entries.size(); ++at) {
            EXPECT_EQ(keptOf(destination + "\\" + entries[at]), before[at]) << entries[at];
        }
    }
    EXPECT_FALSE(exists(temp / entries[0]) || exists(temp / entries[3]));
}

// Installed (a marker beside the executable, as the installer puts it), the program keeps its
// INI file in the user's roaming folder and its logs in the local one, and writes nothing beside
// itself; a portable copy keeps both beside itself.
TEST_F(WindowsRunTest, AnInstalledProgramKeepsItsFilesInTheUsersFolders) {
    const std::string installed = temp / "Orvane";
    for (const char* folder : {"Orvane", "roaming", "local", "backup", "src"}) {
        ASSERT_TRUE(makeFolder(temp / folder));
    }
    ASSERT_TRUE(::CopyFileW(longPath(program).c_str(),
                            longPath(installed + "\\orvane-cli.exe").c_str(), TRUE));
    ASSERT_TRUE(writeFile(installed + "\\installed-layout", ""));
    ASSERT_TRUE(writeFile(temp / "src\\a.txt", "a"));
    program = installed + "\\orvane-cli.exe";
    ::SetEnvironmentVariableW(L"APPDATA", wide(temp / "roaming").c_str());
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", wide(temp / "local").c_str());
    const int status = run({temp / "src", temp / "backup"});
    ::SetEnvironmentVariableW(L"APPDATA", nullptr);
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
    EXPECT_EQ(status, 0) << errors;
    EXPECT_EQ(readFile(temp / "backup\\src\\a.txt"), "a");
    EXPECT_TRUE(holds(readFile(temp / "roaming\\Orvane\\orvane-cli.ini"), "[Main]\r\nUSE="));
    EXPECT_TRUE(holds(dayLog(temp / "local\\Orvane\\logs"), "File a.txt copied in "));
    EXPECT_FALSE(exists(installed + "\\logs") || exists(installed + "\\orvane-cli.ini"));
}

// A large file whose copy is cut short, by a Stop or by its process ending as a kill ends it,
// is continued by the next run from what the copy recorded before, checked at its end, and
// placed whole; nothing is left beside it.
TEST_F(WindowsRunTest, AKilledCopyOfALargeFileIsContinuedByTheNextRun) {
    const std::string source = temp / "src", destination = temp / "backup";
    ASSERT_TRUE(makeFolder(source) && makeFolder(destination));
    std::string bytes(200 << 20, '\0');
    for (std::size_t at = 0; at < bytes.size(); at += 4096) {
        bytes[at] = static_cast<char>(at >> 12);
    }
    ASSERT_TRUE(writeFile(source + "\\big.bin", bytes));
    const std::string partial = destination + "\\src\\.big.bin.orvane-resume";
    const auto partialSize = [&partial] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        return ::GetFileAttributesExW(longPath(partial).c_str(), GetFileExInfoStandard, &data)
                   ? (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow
                   : 0;
    };
    // Past its first recorded piece, with 8 MiB to spare.
    const auto recorded = static_cast<std::uint64_t>(platform::kWriteEveryBytes) + (8U << 20);
    EXPECT_EQ(finish(start({source, destination}), [&] { return partialSize() > recorded; }), 137);
    ASSERT_TRUE(exists(partial + "-record")) << "the copy ended before it was cut short";
    EXPECT_EQ(run({source, destination}), 0) << errors;
    EXPECT_TRUE(holds(errors, source + "\\big.bin: resumed, ")) << errors;
    EXPECT_TRUE(readFile(destination + "\\src\\big.bin") == bytes);
    EXPECT_FALSE(exists(partial) || exists(partial + "-record"));
}

} // namespace orvane
