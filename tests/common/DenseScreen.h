#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

namespace orvane::test {

// A test of a screen of 144 dots per inch runs in a process of its own, as Wine reads the
// prefix's LogPixels when a process starts: the parent sets it, runs the tests `filter` names
// in a child, which learns its part from IsDenseScreenChild, and removes it again.
inline constexpr const wchar_t* kDenseScreenChild = L"ORVANE_DENSE_SCREEN_CHILD";

inline bool IsDenseScreenChild() {
    return ::GetEnvironmentVariableW(kDenseScreenChild, nullptr, 0) != 0;
}

// The child's exit status, or -1 when LogPixels cannot be set.
inline int RunOnADenseScreen(const std::wstring& filter) {
    const DWORD dpi = 144;
    if (::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD,
                          &dpi, sizeof(dpi)) != ERROR_SUCCESS) {
        return -1;
    }
    ::SetEnvironmentVariableW(kDenseScreenChild, L"1");
    wchar_t program[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    const int status = ::_wsystem(
        (L"\"\"" + std::wstring(program) + L"\" --gtest_filter=" + filter + L"\"").c_str());
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    ::SetEnvironmentVariableW(kDenseScreenChild, nullptr);
    return status;
}

} // namespace orvane::test
