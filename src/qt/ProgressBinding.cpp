#include "qt/ProgressBinding.h"

namespace orvane::qt {

namespace {

void show(const ProgressElement& element, ProgressBarWidget& bar) {
    if (bar.Max() != element.Max()) {
        bar.setMax(element.Max());
    }
    if (bar.Value() != element.Value()) {
        bar.setValue(element.Value());
    }
    const QString text = QString::fromLocal8Bit(element.Text());
    if (bar.Text() != text) {
        bar.setText(text);
    }
}

} // namespace

void BindProgress(ViewSync& sync, ProgressElement& element, ProgressBarWidget& bar) {
    ViewSync::Slot& slot = sync.add([&element, &bar] { show(element, bar); });
    element.changed.bind([&sync, &slot] { sync.changed(slot); });
}

} // namespace orvane::qt
