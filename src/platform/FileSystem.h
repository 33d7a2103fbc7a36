#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// Presence tests and single-step folder and file operations. Linux has no hidden or system
// attributes: "present" means an existing entry that is not a folder. The operations report
// only success or failure; their callers decide what a failure means.

// A folder, or a link to one.
bool folderExists(const std::string& path);
// Any entry that is not a real folder, a link included even when its target is missing.
bool fileExists(const std::string& path);

bool makeFolder(const std::string& path);
bool removeFolder(const std::string& path);
bool deleteFile(const std::string& path);

// True when both paths lead to the same folder, links followed: the walk's test for having
// reached its own destination.
bool sameFolder(const std::string& first, const std::string& second);

} // namespace orvane::platform
