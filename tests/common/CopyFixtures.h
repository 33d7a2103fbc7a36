#pragma once

#include "common/TempFolder.h"
#include "platform/FileCopy.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>

namespace orvane::test {

// Within its scope every copy writes to an unnamed temporary, or to a named one as on file
// systems that offer no unnamed files.
class TemporaryKind {
public:
    explicit TemporaryKind(bool unnamed) { platform::setUnnamedTemporariesForTests(unnamed); }
    ~TemporaryKind() { platform::setUnnamedTemporariesForTests(true); }
    TemporaryKind(const TemporaryKind&) = delete;
    TemporaryKind& operator=(const TemporaryKind&) = delete;
};

// Bytes that differ from chunk to chunk, so a chunk written at the wrong offset shows.
inline std::string patterned(std::size_t size, std::uint32_t seed = 1) {
    std::string bytes(size, '\0');
    for (auto& byte : bytes) {
        seed = seed * 1664525U + 1013904223U;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

inline void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Inverts one byte in place, as a disk or an editor may change a file without changing its size.
inline void flipByte(const std::string& path, std::int64_t offset) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(offset);
    const auto byte = static_cast<char>(file.get());
    file.seekp(offset);
    file.put(static_cast<char>(~byte));
}

inline std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// True when any entry stands at the path, a dangling link included.
inline bool exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::symlink_status(path));
}

} // namespace orvane::test
