#pragma once

#include "progressbar/ProgressSurface.h"
#include "progressbar/qt/StyleTheme.h"

#include <QPainter>

#include <optional>

namespace orvane {

class pcProgressBar;

// The paint's surface on Qt: a painter on the control's memory image (or on the control itself),
// in logical pixels, with the control's palette standing for the system colours and its style
// for the theme. A clip region costs Qt an allocation, so the bar's clip is kept as a rectangle
// and applied by hand to fills and the caption; only pictures and text allowed past its
// rectangle set a real one.
class QtSurface final : public ProgressSurface {
public:
    QtSurface(pcProgressBar& bar, QPainter& hdc);

    void RaiseBeforeDraw(std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                         std::int32_t lHeight) override;
    void FillRect(const Rect& rect, OleColor color) override;
    ColorRef TranslateColor(OleColor color) const override;
    ColorRef SysColor(int index) const override;
    void ClipTo(const Rect& rect) override;
    void Unclip() override;
    void DrawCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags,
                     ColorRef color) override;
    void Blit(int x, int y, int width, int height, PictureSlot source, int srcX, int srcY) override;
    void Stretch(const Rect& rect, PictureSlot source) override;
    Rect ToDevice(const Rect& rect) const override;
    void DeviceLines(ColorRef color, std::initializer_list<Point> points) override;
    void DeviceEdge(const Rect& rect, bool bRaised) override;
    ProgressTheme* OpenTheme() override;

private:
    // Sets the clip rectangle on the painter itself, once.
    void ClipPainter();
    QRect Clipped(const QRect& rect) const;

    pcProgressBar& bar_;
    QPainter& hdc_;
    qreal ratio_;
    std::optional<QRect> clip_;
    bool painterClipped_ = false;
    std::optional<StyleTheme> theme_;
};

} // namespace orvane
