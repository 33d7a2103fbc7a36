#include "platform/FileEvents.h"

#include <utility>

namespace orvane::platform {

namespace {

FileEventHook& installedHook() {
    static FileEventHook hook;
    return hook;
}

} // namespace

void setFileEventHook(FileEventHook hook) {
    installedHook() = std::move(hook);
}

void noteFileEvent(FileEvent event, const std::string& path) {
    if (const auto& hook = installedHook()) {
        hook(event, path);
    }
}

} // namespace orvane::platform
