#include "win32/Text.h"

#include "progressbar/TextCodec.h"

namespace orvane::win32 {

// A wchar_t of Windows is a UTF-16 code unit.
std::wstring Wide(std::string_view text) {
    const std::u16string wide = ToUtf16(text);
    return {wide.begin(), wide.end()};
}

std::string Narrow(std::wstring_view text) {
    return ToUtf8(std::u16string(text.begin(), text.end()));
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void SetText(HWND window, const std::string& text) {
    ::SetWindowTextW(window, Wide(text).c_str());
}

} // namespace orvane::win32
