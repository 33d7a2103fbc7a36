#pragma once

#include "common/System.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace orvane::test {

// A scratch folder under the system's temporary folder, removed when the test ends unless
// ORVANE_KEEP_TEMP is set, so a failing run can be inspected.
class TempFolder {
public:
    // A name nobody has: a folder that exists already is never taken over. Only its owner
    // may enter it, as others could otherwise plant entries in a test's tree.
    TempFolder() {
        namespace fs = std::filesystem;
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const fs::path candidate =
                fs::temp_directory_path() / ("orvane-test-" + std::to_string(random()));
            if (fs::create_directory(candidate)) {
                fs::permissions(candidate, fs::perms::owner_all);
                path_ = candidate.string();
            }
        }
        if (path_.empty()) {
            throw std::runtime_error("cannot create a temporary folder");
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (std::getenv("ORVANE_KEEP_TEMP") == nullptr) {
            std::filesystem::remove_all(path_, ignored);
        }
    }

    const std::string& path() const { return path_; }
    // Joined with the system's separator, whichever the relative path uses.
    std::string operator/(const std::string& relative) const {
        return path_ + join(std::filesystem::path(relative).make_preferred().string());
    }
    std::string makeFolder(const std::string& relative) const {
        std::filesystem::create_directories(*this / relative);
        return *this / relative;
    }
    // Writes a file (and its missing folders) below the scratch folder; returns its path.
    std::string write(const std::string& relative, const std::string& content) const {
        makeFolder(std::filesystem::path(relative).parent_path().string());
        std::ofstream(*this / relative, std::ios::binary) << content;
        return *this / relative;
    }

private:
    static std::string join(const std::string& relative) {
        return std::string(1, std::filesystem::path::preferred_separator) + relative;
    }

    std::string path_;
};

// Read in one piece: byte by byte, a file of megabytes takes seconds in a debug build.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace orvane::test
