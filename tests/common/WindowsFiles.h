#pragma once

// For the tests built into the Windows test program only: files made and read through the
// system's own wide calls, with the long-path prefix, as a Windows user's tools would. In a
// namespace of their own: the portable helpers of the same names read and write through the
// C++ library, and one program holding both under one name would run either of them.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvane::test::win {

inline std::wstring wide(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
    return result;
}

inline std::string narrow(const wchar_t* text) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
    return result;
}

// An absolute path as the system takes it beyond 260 characters.
inline std::wstring longPath(const std::string& path) {
    return L"\\\\?\\" + wide(path);
}

inline bool makeFolder(const std::string& path) {
    return ::CreateDirectoryW(longPath(path).c_str(), nullptr) != 0;
}

inline bool writeFile(const std::string& path, const std::string& bytes) {
    const HANDLE file = ::CreateFileW(longPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool done =
        file != INVALID_HANDLE_VALUE &&
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    ::CloseHandle(file);
    return done;
}

// The bytes of a file; empty when it cannot be opened.
inline std::string readFile(const std::string& path) {
    const HANDLE file = ::CreateFileW(longPath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (file != INVALID_HANDLE_VALUE && ::ReadFile(file, chunk, sizeof chunk, &got, nullptr) &&
           got > 0) {
        bytes.append(chunk, got);
    }
    ::CloseHandle(file);
    return bytes;
}

inline bool exists(const std::string& path) {
    return ::GetFileAttributesW(longPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Under Wine: the Linux path of a Windows path, for the Linux programs a test runs. Empty
// outside Wine.
inline std::string unixPath(const std::string& path) {
    using Convert = char* (*)(const wchar_t*);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* const converted = convert ? convert(wide(path).c_str()) : nullptr;
    const std::string result = converted ? converted : "";
    ::HeapFree(::GetProcessHeap(), 0, converted);
    return result;
}

// Under Wine, which starts a Linux program as a program of its own: runs one of /bin, and
// waits up to five seconds for `done` to hold. Wine gives no handle of such a program to wait
// for, nor its exit status.
template <typename Done> bool runOnLinux(std::wstring line, Done done) {
    line = L"Z:\\bin\\" + line;
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &start, &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    for (int wait = 0; wait < 500 && !done(); ++wait) {
        ::Sleep(10);
    }
    return done();
}

// Under Wine: a Linux symbolic link at `link` to `target` (both Windows paths), which no
// Windows call makes there, and which Wine shows as what it leads to.
inline bool makeLinuxLink(const std::string& target, const std::string& link) {
    return runOnLinux(L"ln -s \"" + wide(unixPath(target)) + L"\" \"" + wide(unixPath(link)) +
                          L"\"",
                      [&link] { return exists(link); });
}

// Removes such a link itself, which a Windows call would take for what it leads to.
inline bool removeLinuxLink(const std::string& link) {
    return runOnLinux(L"rm \"" + wide(unixPath(link)) + L"\"", [&link] { return !exists(link); });
}

// Removes a folder and everything in it, at any depth.
inline void removeTree(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((longPath(folder) + L"\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        const std::string path = folder + "\\" + narrow(name.c_str());
        if (name == L"." || name == L"..") {
            continue;
        }
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            removeTree(path);
        } else {
            ::SetFileAttributesW(longPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(longPath(path).c_str());
        }
    }
    ::FindClose(search);
    ::RemoveDirectoryW(longPath(folder).c_str());
}

// A scratch folder in the user's temporary folder, with a Windows path; removed at the end
// unless ORVANE_KEEP_TEMP is set, so a failing run can be inspected.
class WindowsTempFolder {
public:
    WindowsTempFolder() {
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        static unsigned serial = 0;
        char name[64];
        std::snprintf(name, sizeof name, "orvane-test-%lu-%u", ::GetCurrentProcessId(), ++serial);
        path_ = narrow(folder) + name;
        makeFolder(path_);
    }
    ~WindowsTempFolder() {
        if (std::getenv("ORVANE_KEEP_TEMP") != nullptr) {
            return;
        }
        removeTree(path_);
    }
    WindowsTempFolder(const WindowsTempFolder&) = delete;
    WindowsTempFolder& operator=(const WindowsTempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

private:
    std::string path_;
};

} // namespace orvane::test::win
