#include "win32/Dialogs.h"

#include "support/AppIdentity.h"
#include "win32/Text.h"

#include <shellapi.h>
#include <shlobj.h>

#include <memory>
#include <type_traits>

namespace orvane::win32 {

namespace {

struct FreeItemList {
    void operator()(ITEMIDLIST* items) const { ::CoTaskMemFree(items); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, FreeItemList>;

ItemList SpecialFolder(HWND owner, int folder) {
    ITEMIDLIST* items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, folder, &items))) {
        return nullptr;
    }
    return ItemList(items);
}

// Selects the starting folder once the dialog is there.
int CALLBACK SelectStart(HWND dialog, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, FALSE, start);
    }
    return 0;
}

} // namespace

bool ConfirmBox(HWND owner, const std::string& text) {
    return ::MessageBoxW(owner, Wide(text).c_str(), Wide(app_identity::title).c_str(),
                         MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void InformBox(HWND owner, const std::string& title, const std::string& text) {
    ::MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

std::string BrowseFolder(HWND owner, const std::string& title, int startFolder, int rootFolder) {
    const ItemList root = SpecialFolder(owner, rootFolder);
    const ItemList start = SpecialFolder(owner, startFolder);
    const std::wstring wideTitle = Wide(title);
    BROWSEINFOW description{};
    description.hwndOwner = owner;
    description.pidlRoot = root.get();
    description.lpszTitle = wideTitle.c_str();
    description.lpfn = SelectStart;
    description.lParam = reinterpret_cast<LPARAM>(start != nullptr ? start.get() : root.get());
    const ItemList chosen(::SHBrowseForFolderW(&description));
    if (chosen == nullptr) {
        return {};
    }
    // Room for the longest path the system knows, past the old limit of 260 characters.
    std::wstring path(32768, L'\0');
    if (!::SHGetPathFromIDListEx(chosen.get(), path.data(), static_cast<DWORD>(path.size()),
                                 GPFIDL_DEFAULT)) {
        return {};
    }
    path.resize(path.find(L'\0'));
    return Narrow(path);
}

void OpenWebPage(HWND owner, const std::string& address) {
    ::ShellExecuteW(owner, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace orvane::win32
