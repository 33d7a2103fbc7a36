#include "win32/MessageLoop.h"

namespace orvane::win32 {

namespace {

struct Shortcuts {
    HWND window = nullptr;
    HACCEL table = nullptr;
};

Shortcuts& shortcuts() {
    static Shortcuts installed;
    return installed;
}

} // namespace

void SetMenuShortcuts(HWND window, HACCEL table) {
    shortcuts() = {window, table};
}

void DispatchOne(MSG& message) {
    const HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    const Shortcuts& menu = shortcuts();
    if (root != nullptr && root == menu.window &&
        ::TranslateAcceleratorW(menu.window, menu.table, &message) != 0) {
        return;
    }
    if (root != nullptr && ::IsDialogMessageW(root, &message) != 0) {
        return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void HandleWaitingMessages() {
    // A handler that keeps posting must not hold a yield for good.
    const ULONGLONG until = ::GetTickCount64() + 100;
    MSG message;
    while (::GetTickCount64() <= until && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchOne(message);
    }
}

void WaitForMessages() {
    ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    HandleWaitingMessages();
}

int RunMessageLoop() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchOne(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace orvane::win32
