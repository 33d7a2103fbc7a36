#include "platform/posix/RealPath.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace orvane::platform {

namespace {

struct FreeDeleter {
    void operator()(char* text) const { std::free(text); }
};

std::string systemRealPath(const std::string& path) {
    const std::unique_ptr<char, FreeDeleter> resolved(::realpath(path.c_str(), nullptr));
    return resolved ? std::string(resolved.get()) : std::string{};
}

} // namespace

std::string resolvedPath(const std::string& path) {
    namespace fs = std::filesystem;
    // Only the missing rest is normalised by text: in the existing part a ".." after a link
    // means the link target's parent, which only the system knows.
    std::string start = path.empty() ? "." : path;
    while (start.size() > 1 && start.back() == '/') {
        start.pop_back();
    }
    fs::path existing = start;
    fs::path missing;
    std::string resolved = systemRealPath(existing.string());
    while (resolved.empty() && existing.has_relative_path()) {
        missing = existing.filename() / missing;
        existing = existing.parent_path();
        resolved = systemRealPath(existing.empty() ? "." : existing.string());
    }
    if (resolved.empty()) {
        return {};
    }
    std::string whole = (fs::path(resolved) / missing).lexically_normal().string();
    while (whole.size() > 1 && whole.back() == '/') {
        whole.pop_back();
    }
    return whole;
}

} // namespace orvane::platform
