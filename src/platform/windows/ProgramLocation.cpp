#include "platform/ProgramLocationSystem.h"

#include "platform/windows/SystemPath.h"

namespace orvane::platform {

std::string executablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the name was cut: try again with a larger one.
        if (length < buffer.size()) {
            buffer.resize(length);
            return userPath(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace orvane::platform
