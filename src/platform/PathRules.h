#pragma once

#include <string>
#include <string_view>

namespace orvane::platform {

enum class PathStyle { Posix, Windows };

// The path rules the engine relies on, in both styles. Paths are byte strings from the text
// box to the system call; none of these rules looks at their encoding.
//
// Posix: the root is exactly "/"; every folder is descended.
// Windows: a root is three characters with ":\" as the second and third (C:\); a folder of
// three characters or fewer that is not a root (C:) joins names without a separator and is
// not descended; every longer folder is descended. A network path (\\server\share\...) has
// the server and share as its root.
// Both: a folder that ends with the separator joins names without another one; any other
// folder joins them with one.
class PathRules {
public:
    explicit constexpr PathRules(PathStyle style) : style_(style) {}

    constexpr PathStyle style() const { return style_; }
    constexpr char separator() const { return style_ == PathStyle::Posix ? '/' : '\\'; }

    bool isRoot(std::string_view folder) const;
    bool descendsInto(std::string_view folder) const;
    std::string join(std::string_view folder, std::string_view name) const;

    // The text after the last separator, or the whole path when it holds none.
    std::string lastPart(std::string_view path) const;
    // The path up to and including its last separator; empty when it holds none.
    std::string folderPart(std::string_view path) const;
    // The same two as views into the path, for texts composed in place.
    std::string_view lastPartView(std::string_view path) const;
    std::string_view folderPartView(std::string_view path) const;
    // One left-to-right pass that turns every doubled separator into one.
    std::string reduceDoubledSeparators(std::string_view path) const;
    // The path made absolute against `currentFolder` (itself absolute) when it is relative,
    // with its "." and ".." parts resolved as text and empty parts dropped; a ".." at the root
    // stays there. A trailing separator is kept. Empty for a relative path when the current
    // folder is not an absolute path either.
    std::string absoluteWithDotsResolved(std::string_view path,
                                         std::string_view currentFolder) const;
    // The path with a leading source root replaced by the destination root. The root must
    // end at a folder boundary, so /data does not match /data2/data; any other path comes
    // back unchanged.
    std::string mapToDestination(std::string_view path, std::string_view sourceRoot,
                                 std::string_view destinationRoot) const;
    // The same mapping, appended to `mapped`.
    void appendMapped(std::string& mapped, std::string_view path, std::string_view sourceRoot,
                      std::string_view destinationRoot) const;
    // Whether `destination` is the path's mapping, found without composing it.
    bool mapsTo(std::string_view path, std::string_view destination, std::string_view sourceRoot,
                std::string_view destinationRoot) const;

private:
    // The root a path starts with ("/", "C:\", "\\server\share\" or "\"), or an empty text for
    // a relative one.
    std::string_view rootOf(std::string_view path) const;
    bool isNetworkPath(std::string_view path) const;

    PathStyle style_;
};

// The rules of the system the program is built for.
#ifdef _WIN32
inline constexpr PathRules nativePathRules{PathStyle::Windows};
// A destination folder as a user of the system would type one, for examples in help texts.
inline constexpr const char* exampleDestination = "D:\\backup";
#else
inline constexpr PathRules nativePathRules{PathStyle::Posix};
inline constexpr const char* exampleDestination = "/backup";
#endif

} // namespace orvane::platform
