#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace orvane::test {

// What a copy must carry over for one entry, links never followed. Folders are compared by
// presence only: the engine makes them anew, with the system's mode and times.
struct EntryFacts {
    char kind = '?'; // 'd' folder, 'f' regular file, 'l' link, 'o' anything else
    unsigned mode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::string linkTarget;

    bool operator==(const EntryFacts&) const = default;
};

// Relative path (below the root) to its facts.
using TreeFacts = std::map<std::string, EntryFacts>;

inline EntryFacts factsOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return {};
    }
    EntryFacts facts;
    if (S_ISDIR(info.st_mode)) {
        facts.kind = 'd';
        return facts;
    }
    facts.kind = S_ISREG(info.st_mode) ? 'f' : S_ISLNK(info.st_mode) ? 'l' : 'o';
    facts.mode = info.st_mode & 07777;
    facts.size = info.st_size;
    facts.modifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    if (facts.kind == 'l') {
        facts.linkTarget = std::filesystem::read_symlink(path).string();
        facts.mode = 0; // a link's own bits mean nothing and are not settable on Linux
    }
    return facts;
}

inline TreeFacts snapshotTree(const std::string& root) {
    TreeFacts tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string path = entry.path().string();
        tree[path.substr(root.size() + 1)] = factsOf(path);
    }
    return tree;
}

// True when both files hold the same bytes; read through the system rather than streams,
// so that a large tree compares in a moment even in a debug build.
inline bool sameBytes(const std::string& first, const std::string& second) {
    const int a = ::open(first.c_str(), O_RDONLY | O_CLOEXEC);
    const int b = ::open(second.c_str(), O_RDONLY | O_CLOEXEC);
    bool same = a >= 0 && b >= 0;
    // Kept between calls: a tree compares thousands of mostly small files.
    static thread_local std::vector<char> bufferA(1 << 18);
    static thread_local std::vector<char> bufferB(1 << 18);
    while (same) {
        const ssize_t gotA = ::read(a, bufferA.data(), bufferA.size());
        ssize_t gotB = 0;
        while (gotA > 0 && gotB < gotA) {
            const ssize_t more =
                ::read(b, bufferB.data() + gotB, static_cast<std::size_t>(gotA - gotB));
            if (more <= 0) {
                break;
            }
            gotB += more;
        }
        if (gotA <= 0) {
            char extra = 0;
            same = gotA == 0 && ::read(b, &extra, 1) == 0;
            break;
        }
        same = gotA == gotB &&
               std::memcmp(bufferA.data(), bufferB.data(), static_cast<std::size_t>(gotA)) == 0;
    }
    if (a >= 0) {
        ::close(a);
    }
    if (b >= 0) {
        ::close(b);
    }
    return same;
}

// Every way in which the tree at `actualRoot` differs from the expected facts, and, for
// regular files, from the bytes at `expectedRoot`; at most `limit` of them, so a broken run
// of thousands of files still gives a readable failure.
inline std::vector<std::string> treeDifferences(const TreeFacts& expected,
                                                const std::string& expectedRoot,
                                                const std::string& actualRoot,
                                                std::size_t limit = 20) {
    std::vector<std::string> differences;
    const auto note = [&](const std::string& text) {
        if (differences.size() < limit) {
            differences.push_back(text);
        }
    };
    const TreeFacts actual = snapshotTree(actualRoot);
    for (const auto& [path, facts] : expected) {
        const auto found = actual.find(path);
        if (found == actual.end()) {
            note("missing: " + path);
        } else if (!(found->second == facts)) {
            note("facts differ: " + path);
        } else if (facts.kind == 'f' &&
                   !sameBytes(expectedRoot + "/" + path, actualRoot + "/" + path)) {
            note("bytes differ: " + path);
        }
    }
    for (const auto& [path, facts] : actual) {
        if (!expected.contains(path)) {
            note("unexpected: " + path);
        }
    }
    return differences;
}

} // namespace orvane::test
