#include "progressbar/DrawBorder.h"

#include "progressbar/OleColor.h"

#include <algorithm>
#include <initializer_list>

namespace orvane {
namespace {

constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNHIGHLIGHT = 20;

// A run of one-pixel lines from point to point; like the platform's line drawing, each line
// leaves out its end point. Only horizontal and vertical lines occur.
void Lines(QPainter& hdc, const QColor& color, std::initializer_list<QPoint> points) {
    const QPoint* from = points.begin();
    for (const QPoint* to = from + 1; to != points.end(); from = to, ++to) {
        const QPoint step((to->x() > from->x()) - (to->x() < from->x()),
                          (to->y() > from->y()) - (to->y() < from->y()));
        if (step.isNull()) {
            continue;
        }
        const QPoint last = *to - step;
        hdc.fillRect(QRect(QPoint(std::min(from->x(), last.x()), std::min(from->y(), last.y())),
                           QPoint(std::max(from->x(), last.x()), std::max(from->y(), last.y()))),
                     color);
    }
}

void Ring(QPainter& hdc, const Rect& r, const QColor& topLeft, const QColor& bottomRight) {
    hdc.fillRect(QRect(r.left, r.top, r.right - r.left - 1, 1), topLeft);
    hdc.fillRect(QRect(r.left, r.top, 1, r.bottom - r.top - 1), topLeft);
    hdc.fillRect(QRect(r.right - 1, r.top, 1, r.bottom - r.top), bottomRight);
    hdc.fillRect(QRect(r.left, r.bottom - 1, r.right - r.left, 1), bottomRight);
}

} // namespace

void DrawEdge(QPainter& hdc, const Rect& rect, bool bRaised, const QPalette& palette) {
    const Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    if (bRaised) {
        Ring(hdc, rect, palette.color(QPalette::Light), palette.color(QPalette::Shadow));
        Ring(hdc, inner, palette.color(QPalette::Midlight), palette.color(QPalette::Dark));
    } else {
        Ring(hdc, rect, palette.color(QPalette::Shadow), palette.color(QPalette::Light));
        Ring(hdc, inner, palette.color(QPalette::Dark), palette.color(QPalette::Midlight));
    }
}

void DrawBorder(QPainter& hdc, std::int32_t style, const Rect& logical, bool bRaised,
                const QPalette& palette) {
    // The rectangle is in logical pixels, the lines and their one-pixel steps in device pixels:
    // a border is as thin and sharp as the window's own frames at any screen density.
    const qreal ratio = hdc.device()->devicePixelRatioF();
    const Rect rect{qRound(logical.left * ratio), qRound(logical.top * ratio),
                    qRound(logical.right * ratio), qRound(logical.bottom * ratio)};
    hdc.save();
    hdc.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    if (style == 0) {
        Lines(hdc, Qt::black, {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}, {l, t}});
    } else if (style == 1) {
        const QColor dark = SystemColor(COLOR_BTNSHADOW, palette);
        const QColor light = SystemColor(COLOR_BTNHIGHLIGHT, palette);
        if (bRaised) {
            Lines(hdc, light, {{l, b - 2}, {l, t}, {r - 1, t}});
            Lines(hdc, dark, {{r - 1, t}, {r - 1, b - 1}, {l - 1, b - 1}});
        } else {
            Lines(hdc, dark, {{l, b - 1}, {l, t}, {r, t}});
            Lines(hdc, light, {{r - 1, t + 1}, {r - 1, b - 1}, {l, b - 1}});
        }
    } else if (style == 2) {
        DrawEdge(hdc, rect, bRaised, palette);
    }
    hdc.restore();
}

} // namespace orvane
