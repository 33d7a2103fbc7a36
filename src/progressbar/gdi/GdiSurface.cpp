#include "progressbar/gdi/GdiSurface.h"

#include "progressbar/gdi/pcProgressBar.h"

#include <ole2.h>
#include <olectl.h>

namespace orvane {
GdiSurface::GdiSurface(pcProgressBar& bar, HDC hdc) : bar_(bar), hdc_(hdc) {}

void GdiSurface::RaiseBeforeDraw(std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                                 std::int32_t lHeight) {
    if (bar_.BeforeDraw) {
        bar_.BeforeDraw(hdc_, lLeft, lTop, lWidth, lHeight, true);
    }
}

void GdiSurface::FillRect(const Rect& rect, OleColor color) {
    const RECT area = ToRECT(rect);
    if ((color & kSystemColorBit) != 0) {
        // The system's own brushes are shared and never deleted.
        ::FillRect(hdc_, &area, ::GetSysColorBrush(static_cast<int>(color & 31)));
        return;
    }
    // Only the low three bytes: the top byte of an OLE colour is no palette selector.
    const GdiObject<HBRUSH> brush(::CreateSolidBrush(color & 0xFFFFFFU));
    ::FillRect(hdc_, &area, brush.get());
}

ColorRef GdiSurface::TranslateColor(OleColor color) const {
    COLORREF converted = 0;
    return ::OleTranslateColor(color, nullptr, &converted) == S_OK ? converted : CLR_INVALID;
}

ColorRef GdiSurface::SysColor(int index) const {
    return ::GetSysColor(index);
}

void GdiSurface::ClipTo(const Rect& rect) {
    const RECT area = ToRECT(rect);
    clip_.reset(::CreateRectRgnIndirect(&area));
    ::SelectClipRgn(hdc_, clip_.get());
}

void GdiSurface::Unclip() {
    if (clip_) {
        ::SelectClipRgn(hdc_, nullptr);
        clip_.reset();
    }
}

void GdiSurface::DrawCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags,
                             ColorRef color) {
    RECT area = ToRECT(rect);
    const HGDIOBJ old = ::SelectObject(hdc_, bar_.FontHandle());
    ::SetBkMode(hdc_, TRANSPARENT);
    ::SetTextColor(hdc_, color);
    // The caption is the control's own text, never a buffer for an elided copy.
    ::DrawTextW(hdc_, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
                &area, flags & ~static_cast<std::uint32_t>(DT_MODIFYSTRING));
    ::SelectObject(hdc_, old);
}

void GdiSurface::Blit(int x, int y, int width, int height, PictureSlot source, int srcX, int srcY) {
    ::BitBlt(hdc_, x, y, width, height, bar_.Holder(source).Surface(), srcX, srcY, SRCCOPY);
}

void GdiSurface::Stretch(const Rect& rect, PictureSlot source) {
    const PictureObject& picture = bar_.PictureIn(source);
    ::StretchBlt(hdc_, rect.left, rect.top, rect.Width(), rect.Height(),
                 bar_.Holder(source).Surface(), 0, 0, picture.width, picture.height, SRCCOPY);
}

void GdiSurface::DeviceLines(ColorRef color, std::initializer_list<Point> points) {
    const GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, color));
    const HGDIOBJ old = ::SelectObject(hdc_, pen.get());
    ::MoveToEx(hdc_, points.begin()->x, points.begin()->y, nullptr);
    for (const Point* to = points.begin() + 1; to != points.end(); ++to) {
        ::LineTo(hdc_, to->x, to->y);
    }
    ::SelectObject(hdc_, old);
}

void GdiSurface::DeviceEdge(const Rect& rect, bool bRaised) {
    RECT area = ToRECT(rect);
    ::DrawEdge(hdc_, &area, bRaised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
}

ProgressTheme* GdiSurface::OpenTheme() {
    const HTHEME theme = ::OpenThemeData(bar_.hWnd(), L"Progress");
    if (theme == nullptr) {
        return nullptr;
    }
    return &theme_.emplace(theme, hdc_, bar_.FontHandle());
}

} // namespace orvane
