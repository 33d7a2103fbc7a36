#pragma once

#include "progressbar/ProgressSurface.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace orvane {

// The space between chunks: not a metric of Qt's own, so a style answers it through this custom
// metric; Qt's styles answer 0 (chunks without gaps).
inline constexpr QStyle::PixelMetric PM_ProgressBarSpaceSize =
    static_cast<QStyle::PixelMetric>(QStyle::PM_CustomBase + 0x0B1);

// The control's style standing for the platform's progress bar theme: the trough, the chunks in
// one call and the caption in the style's own colour. A style refuses by reporting a chunk
// width <= 0, a negative space or an empty groove; the paint then falls back to the classic
// look.
class StyleTheme final : public ProgressTheme {
public:
    StyleTheme(const QWidget& control, QStyle& style, QPainter& hdc)
        : control_(control), style_(style), hdc_(hdc) {}

    std::optional<int> ChunkSize() const override;
    std::optional<int> SpaceSize() const override;
    bool DrawBar(bool horizontal, const Rect& rect) override;
    void DrawChunks(bool horizontal, const Rect& rect) override;
    Rect ContentRect(const Rect& bounding) const override;
    void DrawThemeCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags) override;

private:
    const QWidget& control_;
    QStyle& style_;
    QPainter& hdc_;
};

} // namespace orvane
