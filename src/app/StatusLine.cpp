#include "app/StatusLine.h"

namespace orvane {

namespace {

// The current file's name: the first line of the current-file label, without its prefix.
std::string currentFile(const std::string& caption) {
    const std::string prefix = "Copying file ";
    std::string firstLine = caption.substr(0, caption.find('\r'));
    return firstLine.starts_with(prefix) ? firstLine.substr(prefix.size()) : std::string{};
}

// The window's designed placeholder is no count: before the run has counted, none are known.
std::string fileCount(const std::string& caption) {
    return caption == kFileCountBeforeRun ? "Files: 0/0" : caption;
}

} // namespace

std::string StatusLine(const MainWindowElements& window) {
    return fileCount(window.lblInfo[0].caption()) + " | " +
           currentFile(window.lblInfo[1].caption()) + " | " + window.lblTime[0].caption() + " | " +
           window.lblTime[2].caption() + " | " + window.lblTime[1].caption() + " | " +
           window.pbTotalFiles.Text();
}

} // namespace orvane
