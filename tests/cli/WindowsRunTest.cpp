// Built into the Windows test program only: orvane-cli.exe run as a Windows user runs it, with
// UTF-16 arguments, on a tree with names outside any ANSI code page and a path longer than
// the 260 characters of the old Windows limit.

#include "common/System.h"
#include "common/WindowsFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace orvane {

using test::holds;
using test::win::exists;
using test::win::longPath;
using test::win::makeFolder;
using test::win::readFile;
using test::win::wide;
using test::win::writeFile;

class WindowsRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A copy of the program of its own: its logs folder is beside it.
        ASSERT_TRUE(makeFolder(temp / "bin"));
        ASSERT_TRUE(::CopyFileW(programBuilt().c_str(), longPath(program()).c_str(), TRUE));
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

    std::string program() const { return temp / "bin\\orvane-cli.exe"; }

    // Runs the program with the arguments; its standard output and error are kept. Each run
    // writes files of its own: Wine may still hold the last run's files for a moment after
    // its process ended, and a stale file must never pass for this run's output.
    int run(const std::vector<std::string>& arguments) {
        ++runs;
        const std::string outputFile = temp / ("out-" + std::to_string(runs) + ".txt");
        const std::string errorFile = temp / ("err-" + std::to_string(runs) + ".txt");
        std::wstring line = L"\"" + wide(program()) + L"\"";
        for (const auto& argument : arguments) {
            line += L" \"" + wide(argument) + L"\"";
        }
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        const auto create = [&](const std::string& path) {
            return ::CreateFileW(longPath(path).c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        };
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = nullptr;
        start.hStdOutput = create(outputFile);
        start.hStdError = create(errorFile);
        EXPECT_NE(start.hStdOutput, INVALID_HANDLE_VALUE) << ::GetLastError();
        EXPECT_NE(start.hStdError, INVALID_HANDLE_VALUE) << ::GetLastError();
        PROCESS_INFORMATION process{};
        DWORD status = 255;
        if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                             nullptr, nullptr, &start, &process)) {
            ::WaitForSingleObject(process.hProcess, INFINITE);
            ::GetExitCodeProcess(process.hProcess, &status);
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
        ::CloseHandle(start.hStdOutput);
        ::CloseHandle(start.hStdError);
        output = readFile(outputFile);
        errors = readFile(errorFile);
        return static_cast<int>(status);
    }

    std::string dayLog() const {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        char name[40];
        std::snprintf(name, sizeof name, "\\log_%02u_%02u_%04u.txt", now.wDay, now.wMonth,
                      now.wYear);
        return readFile(temp / "bin\\logs" + name);
    }

    test::win::WindowsTempFolder temp;
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

} // namespace orvane
