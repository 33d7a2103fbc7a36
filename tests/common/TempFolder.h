#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

namespace orvane::test {

// A scratch folder under the system's temporary folder, removed when the test ends unless
// ORVANE_KEEP_TEMP is set, so a failing run can be inspected.
class TempFolder {
public:
    TempFolder() : path_((std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string()) {
        if (::mkdtemp(path_.data()) == nullptr) {
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
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }
    std::string makeFolder(const std::string& relative) const {
        std::filesystem::create_directories(*this / relative);
        return *this / relative;
    }
    // Writes a file (and its missing folders) below the scratch folder; returns its path.
    std::string write(const std::string& relative, const std::string& content) const {
        makeFolder(std::filesystem::path(relative).parent_path());
        std::ofstream(*this / relative, std::ios::binary) << content;
        return *this / relative;
    }

private:
    std::string path_;
};

// Whether text holds part; a failure shows the whole text.
inline ::testing::AssertionResult holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

// Read in one piece: byte by byte, a file of megabytes takes seconds in a debug build.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace orvane::test
