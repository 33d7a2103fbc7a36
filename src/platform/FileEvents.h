#pragma once

#include <functional>
#include <string>

namespace orvane::platform {

// The steps by which a moved file reaches the disk and its source goes. Their order is what
// keeps a move safe across a power failure (the copy is on disk before the source is
// deleted), and nothing else shows it, so tests watch it through this hook.
enum class FileEvent {
    FileFlushed,   // a file's data forced to disk (named by its destination path)
    FolderFlushed, // a folder's entries forced to disk
    FileDeleted,
};

using FileEventHook = std::function<void(FileEvent, const std::string& path)>;

// Installs the hook (an empty one removes it). Tests only: the program never sets one.
void setFileEventHook(FileEventHook hook);

// Called by the platform layer after each step has succeeded.
void noteFileEvent(FileEvent event, const std::string& path);

} // namespace orvane::platform
