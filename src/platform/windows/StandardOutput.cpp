#include "platform/StandardOutput.h"

#include "platform/windows/SystemPath.h"

#include <string>

namespace orvane::platform {

namespace {

// A console is told that the bytes are UTF-8; a pipe or a file takes them as they are. Lines
// end with CR LF there, as in every Windows text and as the C++ streams write them.
bool writeLines(HANDLE output, std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        if (c == '\n' && (text.empty() || text.back() != '\r')) {
            text += '\r';
        }
        text += c;
    }
    return writeAll(output, text);
}

} // namespace

bool writeStandardOutput(std::string_view bytes) {
    static bool failed = false;
    static const bool utf8Console = [] {
        DWORD mode = 0;
        return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) &&
               ::SetConsoleOutputCP(CP_UTF8);
    }();
    (void)utf8Console;
    if (!failed && !writeLines(::GetStdHandle(STD_OUTPUT_HANDLE), bytes)) {
        failed = true;
    }
    return !failed;
}

bool writeStandardOutputLine(std::string_view line) {
    thread_local std::string written;
    written.assign(line);
    written += '\n';
    return writeStandardOutput(written);
}

void openClosedStandardStreams() {
    // Windows gives a file the program opens a handle of its own, never the place of a missing
    // standard handle: a write to one that is missing fails, and nothing else receives it.
}

} // namespace orvane::platform
