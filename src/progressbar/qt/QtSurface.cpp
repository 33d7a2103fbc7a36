#include "progressbar/qt/QtSurface.h"

#include "progressbar/qt/QtConversions.h"
#include "progressbar/qt/SystemColors.h"
#include "progressbar/qt/TextFormat.h"
#include "progressbar/qt/pcProgressBar.h"

#include <algorithm>

namespace orvane {
namespace {

// The 3-D colours of the soft edge, by their system colour index.
constexpr int kColorDarkShadow = 21;
constexpr int kColorLight = 22;

// One ring of the soft edge: the bottom and right lines own the corners they share with the
// top and left ones.
void Ring(QPainter& hdc, const Rect& r, const QColor& topLeft, const QColor& bottomRight) {
    hdc.fillRect(QRect(r.left, r.top, r.right - r.left - 1, 1), topLeft);
    hdc.fillRect(QRect(r.left, r.top, 1, r.bottom - r.top - 1), topLeft);
    hdc.fillRect(QRect(r.right - 1, r.top, 1, r.bottom - r.top), bottomRight);
    hdc.fillRect(QRect(r.left, r.bottom - 1, r.right - r.left, 1), bottomRight);
}

// Draws in device pixels while it lives. The painter draws in logical pixels with no transform
// of its own, so setting one and resetting it is enough; save() and restore() would allocate.
class DevicePixels {
public:
    DevicePixels(QPainter& hdc, qreal ratio) : hdc_(hdc) {
        hdc_.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;
    ~DevicePixels() { hdc_.resetTransform(); }

private:
    QPainter& hdc_;
};

} // namespace

QtSurface::QtSurface(pcProgressBar& bar, QPainter& hdc)
    : bar_(bar), hdc_(hdc), ratio_(hdc.device()->devicePixelRatioF()) {
    hdc_.setClipping(false);
    hdc_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtSurface::RaiseBeforeDraw(std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                                std::int32_t lHeight) {
    emit bar_.BeforeDraw(&hdc_, lLeft, lTop, lWidth, lHeight, true);
}

void QtSurface::FillRect(const Rect& rect, OleColor color) {
    hdc_.fillRect(Clipped(ToQRect(rect)), BrushColor(color, bar_.palette()));
}

ColorRef QtSurface::TranslateColor(OleColor color) const {
    return orvane::TranslateColor(color, bar_.palette());
}

ColorRef QtSurface::SysColor(int index) const {
    return ToColorRef(SystemColor(index, bar_.palette()));
}

void QtSurface::ClipTo(const Rect& rect) {
    clip_ = ToQRect(rect);
}

void QtSurface::Unclip() {
    clip_.reset();
    if (painterClipped_) {
        hdc_.setClipping(false);
        painterClipped_ = false;
    }
}

void QtSurface::ClipPainter() {
    if (clip_ && !painterClipped_) {
        hdc_.setClipRect(*clip_);
        painterClipped_ = true;
    }
}

QRect QtSurface::Clipped(const QRect& rect) const {
    return clip_ ? rect & *clip_ : rect;
}

void QtSurface::DrawCaption(const Rect& area, std::u16string_view text, std::uint32_t flags,
                            ColorRef color) {
    const TextFormat format = FromDrawTextFlags(flags);
    const QRect rect = ToQRect(area);
    if (!format.draw || rect.isEmpty()) {
        return;
    }
    const QColor textColor = FromColorRef(color);
    const QStringView caption(text.data(), static_cast<qsizetype>(text.size()));
    if ((format.qtFlags & Qt::TextDontClip) != 0) {
        // Text allowed past the rectangle is rare enough to be laid out at every paint.
        ClipPainter();
        hdc_.setFont(bar_.font());
        hdc_.setPen(textColor);
        hdc_.drawText(rect, format.qtFlags, caption.toString());
        return;
    }
    // The caption over the bar is the one drawn under the bar's clip.
    const CaptionCache::Part part = clip_ ? CaptionCache::OverBar : CaptionCache::OverEmpty;
    const QImage& image =
        bar_.caption_.Caption(caption, bar_.font(), format, rect.size(), ratio_, part, textColor);
    const QRect shown = Clipped(rect);
    if (shown.isEmpty()) {
        // An empty source rectangle would mean the whole image.
        return;
    }
    const QRect source = shown.translated(-rect.topLeft());
    hdc_.drawImage(QRectF(shown), image,
                   QRectF(source.x() * ratio_, source.y() * ratio_, source.width() * ratio_,
                          source.height() * ratio_));
}

void QtSurface::Blit(int x, int y, int width, int height, PictureSlot source, int srcX, int srcY) {
    ClipPainter();
    hdc_.drawImage(QPoint(x, y), bar_.Holder(source).Surface(), QRect(srcX, srcY, width, height));
}

void QtSurface::Stretch(const Rect& rect, PictureSlot source) {
    ClipPainter();
    hdc_.drawImage(ToQRect(rect), bar_.Holder(source).Surface());
}

Rect QtSurface::ToDevice(const Rect& rect) const {
    return {qRound(rect.left * ratio_), qRound(rect.top * ratio_), qRound(rect.right * ratio_),
            qRound(rect.bottom * ratio_)};
}

void QtSurface::DeviceLines(ColorRef color, std::initializer_list<Point> points) {
    const DevicePixels device(hdc_, ratio_);
    // Each line leaves out its end point; only horizontal and vertical lines occur.
    const Point* from = points.begin();
    for (const Point* to = from + 1; to != points.end(); from = to, ++to) {
        const QPoint step((to->x > from->x) - (to->x < from->x),
                          (to->y > from->y) - (to->y < from->y));
        if (step.isNull()) {
            continue;
        }
        const QPoint last = QPoint(to->x, to->y) - step;
        hdc_.fillRect(QRect(QPoint(std::min(from->x, last.x()), std::min(from->y, last.y())),
                            QPoint(std::max(from->x, last.x()), std::max(from->y, last.y()))),
                      FromColorRef(color));
    }
}

void QtSurface::DeviceEdge(const Rect& rect, bool bRaised) {
    const QPalette& palette = bar_.palette();
    const QColor darkShadow = SystemColor(kColorDarkShadow, palette);
    const QColor highlight = SystemColor(kColorButtonHighlight, palette);
    const QColor shadow = SystemColor(kColorButtonShadow, palette);
    const QColor light = SystemColor(kColorLight, palette);
    const Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    const DevicePixels device(hdc_, ratio_);
    // The soft edge gives the outer ring the extreme colours on both sides.
    if (bRaised) {
        Ring(hdc_, rect, highlight, darkShadow);
        Ring(hdc_, inner, light, shadow);
    } else {
        Ring(hdc_, rect, darkShadow, highlight);
        Ring(hdc_, inner, shadow, light);
    }
}

ProgressTheme* QtSurface::OpenTheme() {
    QStyle* style = bar_.style();
    if (style == nullptr) {
        return nullptr;
    }
    return &theme_.emplace(bar_, *style, hdc_);
}

} // namespace orvane
