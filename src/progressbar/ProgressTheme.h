#pragma once

#include "progressbar/TextFormat.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <QStyle>
#include <QWidget>

#include <optional>

namespace orvane {

// The space between chunks: not a metric of Qt's own, so a style answers it through this custom
// metric; Qt's styles answer 0 (chunks without gaps).
inline constexpr QStyle::PixelMetric PM_ProgressBarSpaceSize =
    static_cast<QStyle::PixelMetric>(QStyle::PM_CustomBase + 0x0B1);

// The application's style standing for the platform's progress bar theme: the trough, the
// chunks in one call and the caption in the style's own colour. A style refuses by reporting
// a chunk width <= 0, a negative space or an empty groove; the paint then falls back to the
// classic look.
class ProgressTheme {
public:
    static std::optional<ProgressTheme> Open(const QWidget& control);

    std::optional<int> ChunkSize() const;
    std::optional<int> SpaceSize() const;
    // The trough; false when the style cannot draw one here.
    bool DrawBackground(QPainter& hdc, bool horizontal, const QRect& rect) const;
    void DrawChunks(QPainter& hdc, bool horizontal, const QRect& rect) const;
    QRect ContentRect(const QRect& bounding) const;
    void DrawText(QPainter& hdc, const QRect& rect, const TextFormat& format,
                  const QString& text) const;

private:
    ProgressTheme(const QWidget& control, QStyle& style) : control_(&control), style_(&style) {}

    const QWidget* control_;
    QStyle* style_;
};

} // namespace orvane
