#include "windows/ProgressBinding.h"

namespace orvane::windows {

namespace {

void show(const ProgressElement& element, ProgressBarWidget& bar) {
    bar.setRange(element.Min(), element.Max());
    bar.setValue(element.Value());
    QString text = QString::fromLocal8Bit(element.Text());
    bar.setFormat(text.replace(QLatin1Char('%'), QStringLiteral("%%")));
}

} // namespace

void BindProgress(ProgressElement& element, ProgressBarWidget& bar) {
    bar.setTextVisible(true);
    show(element, bar);
    element.changed.bind([&element, &bar] { show(element, bar); });
}

} // namespace orvane::windows
