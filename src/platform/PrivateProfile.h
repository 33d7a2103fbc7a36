#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::platform {

// Orvane's own private-profile calls, in place of the Windows ones the settings store was
// written against. The path and all texts are native byte strings.

// The value of the key in the section of the file, or the default when the file, the section
// or the key is missing or the file cannot be read (a link or a FIFO is not read). Like the
// Windows profile call, the result is cut to fit a buffer of bufferSize characters with its
// terminating NUL: at most bufferSize - 1 characters come back.
std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize,
                              const std::string& path);

// Stores key=value in the section, creating the file and the section when needed. An empty
// value deletes the key, an empty key deletes the whole section. The file itself is updated:
// a link or anything else that is not a plain file is neither read nor written (the read gives
// the default, the write fails), a read-only file is left unchanged (the write fails), and
// a file whose folder takes no new file is written in place. Elsewhere the new content goes
// to a temporary file beside the old one, which then takes its place, so a write that fails
// midway leaves the old file whole. False when the file was not changed as asked: it could
// not be read or written, it is read-only, or the texts cannot be stored on one line.
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path);

} // namespace orvane::platform
