#include "platform/Directory.h"

#include "platform/windows/SystemPath.h"

#include <memory>

namespace orvane::platform {

namespace {

// A search the system has opened, and the entry it gave with the opening, not yet handed out.
struct Search {
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found{};
    bool pending = true;
};

Search* openSearch(const std::string& folder, SystemError& error) {
    std::wstring pattern = systemPath(folder);
    pattern += pattern.ends_with(L'\\') ? L"*" : L"\\*";
    auto search = std::make_unique<Search>();
    search->find = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &search->found,
                                      FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search->find == INVALID_HANDLE_VALUE) {
        error = lastError();
        return nullptr;
    }
    return search.release();
}

} // namespace

void DirectoryReader::Closer::operator()(void* stream) const {
    const auto* search = static_cast<Search*>(stream);
    ::FindClose(search->find);
    delete search;
}

DirectoryReader::DirectoryReader(const std::string& folder) {
    stream_.reset(openSearch(folder, openError_));
}

DirectoryReader::DirectoryReader(const SourceFolder& folder) {
    // The folder the handle holds, wherever it is now: listed by the path the system gives
    // for it, not by the one it was opened under.
    if (!folder.isOpen()) {
        openError_ = folder.openError();
        return;
    }
    const std::string path = folderPathOf(folder);
    if (path.empty()) {
        openError_ = lastError();
        return;
    }
    stream_.reset(openSearch(path, openError_));
}

std::optional<DirectoryEntry> DirectoryReader::next() {
    if (stream_ == nullptr) {
        return std::nullopt;
    }
    auto* search = static_cast<Search*>(stream_.get());
    if (!search->pending) {
        if (!::FindNextFileW(search->find, &search->found)) {
            const DWORD code = ::GetLastError();
            if (code != ERROR_NO_MORE_FILES) {
                readError_ = windowsError(code);
            }
            return std::nullopt;
        }
    }
    search->pending = false;
    return DirectoryEntry{narrowText(search->found.cFileName),
                          isRealFolder(search->found.dwFileAttributes)};
}

} // namespace orvane::platform
