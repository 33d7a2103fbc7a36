#include "win32/Bindings.h"

#include "progressbar/TextCodec.h"
#include "win32/Text.h"
#include "win32/Window.h"

namespace orvane::win32 {

void BindWith(ViewSync& sync, ChangeSignal& changed, std::function<void()> show) {
    ViewSync::Slot& slot = sync.add(std::move(show));
    changed.bind([&sync, &slot] { sync.changed(slot); });
}

namespace {

void ShowCaption(const Control& element, HWND control) {
    if (TextOf(control) != element.caption()) {
        SetText(control, element.caption());
    }
}

void ShowStates(const Control& element, HWND control) {
    if ((::IsWindowEnabled(control) != FALSE) != element.enabled()) {
        ::EnableWindow(control, element.enabled() ? TRUE : FALSE);
    }
    if (IsShown(control) != element.visible()) {
        ::ShowWindow(control, element.visible() ? SW_SHOWNA : SW_HIDE);
    }
}

} // namespace

void ShowControl(const Control& element, HWND control) {
    ShowCaption(element, control);
    ShowStates(element, control);
}

void BindControl(ViewSync& sync, Control& element, HWND control) {
    BindWith(sync, element.changed, [&element, control] { ShowControl(element, control); });
}

void BindFrame(ViewSync& sync, Control& element, HWND panel, HWND box,
               std::function<void()> shown) {
    BindWith(sync, element.changed, [&element, panel, box, shown = std::move(shown)] {
        ShowCaption(element, box);
        ShowStates(element, panel);
        if (shown) {
            shown();
        }
    });
}

void TextBoxChanged(Control& element, HWND box) {
    std::string typed = TextOf(box);
    if (typed != element.caption()) {
        element.setCaption(std::move(typed));
    }
}

void BindTimer(Control& element, HWND window, UINT_PTR id, UINT interval) {
    auto show = [&element, window, id, interval, running = false]() mutable {
        if (element.enabled() && !running) {
            ::SetTimer(window, id, interval, nullptr);
        } else if (!element.enabled() && running) {
            ::KillTimer(window, id);
        }
        running = element.enabled();
    };
    show();
    element.changed.bind(show);
}

void BindProgress(ViewSync& sync, ProgressElement& element, pcProgressBar& bar) {
    BindWith(sync, element.changed, [&element, &bar] {
        if (bar.Max() != element.Max()) {
            bar.setMax(element.Max());
        }
        if (bar.Value() != element.Value()) {
            bar.setValue(element.Value());
        }
        std::u16string text = ToUtf16(element.Text());
        if (bar.Text() != text) {
            // The caption is drawn from the control's model; as the window's text too, a
            // screen reader reads it.
            ::SetWindowTextW(bar.hWnd(), std::wstring(text.begin(), text.end()).c_str());
            bar.setText(std::move(text));
        }
    });
}

void BindCaption(Control& element, HWND control) {
    const auto show = [&element, control] { ShowCaption(element, control); };
    show();
    element.changed.bind(show);
}

} // namespace orvane::win32
