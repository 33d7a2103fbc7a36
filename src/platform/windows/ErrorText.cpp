#include "platform/ErrorTextSystem.h"

#include "platform/windows/SystemPath.h"

namespace orvane::platform {

std::string systemErrorText(int code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0 || text == nullptr) {
        return "error " + std::to_string(static_cast<DWORD>(code));
    }
    std::wstring message(text, length);
    ::LocalFree(text);
    // The system's texts end with a full stop and a line break; a log line goes on after them.
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return narrowText(message);
}

} // namespace orvane::platform
