#pragma once

#include "progressbar/OleColor.h"
#include "progressbar/ProgressBarModel.h"
#include "progressbar/ProgressGeometry.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace orvane {

// The platform's theme for progress bars ("Progress"), open for one paint. A theme that cannot
// give a size or draw the trough makes the paint fall back to the classic look.
class ProgressTheme {
public:
    virtual std::optional<int> ChunkSize() const = 0;
    virtual std::optional<int> SpaceSize() const = 0;
    // The trough (PP_BAR, or PP_BARVERT for a vertical bar); false when it could not be drawn.
    virtual bool DrawBar(bool horizontal, const Rect& rect) = 0;
    // The chunks over rect in one call (PP_CHUNK, or PP_CHUNKVERT); the theme repeats them.
    virtual void DrawChunks(bool horizontal, const Rect& rect) = 0;
    virtual Rect ContentRect(const Rect& bounding) const = 0;
    // The caption in the theme's own colour and the control's font, with the caption's flags.
    virtual void DrawThemeCaption(const Rect& rect, std::u16string_view text,
                                  std::uint32_t flags) = 0;

protected:
    ~ProgressTheme() = default;
};

// What one paint of the control draws on, in the units the control's client rectangle is
// measured in: the memory surface of a toolkit, or the control's own. Each toolkit provides one
// over its own drawing calls; the paint's steps (ProgressPaint) are written once against it.
class ProgressSurface {
public:
    // Raises the control's BeforeDraw with this surface's own handle.
    virtual void RaiseBeforeDraw(std::int32_t lLeft, std::int32_t lTop, std::int32_t lWidth,
                                 std::int32_t lHeight) = 0;

    // A rectangle filled with a brush of the colour; a system colour's brush is that of index
    // (colour AND 31).
    virtual void FillRect(const Rect& rect, OleColor color) = 0;
    // The colour text is drawn in: a system colour converted, CLR_INVALID when it cannot be.
    virtual ColorRef TranslateColor(OleColor color) const = 0;
    virtual ColorRef SysColor(int index) const = 0;

    // Confines what follows to rect (a rectangular clip region), until Unclip.
    virtual void ClipTo(const Rect& rect) = 0;
    virtual void Unclip() = 0;

    // Text in the control's font, background left as it is, with the platform's text flags.
    virtual void DrawCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags,
                             ColorRef color) = 0;

    // Block copies from a picture holder's drawing surface.
    virtual void Blit(int x, int y, int width, int height, PictureSlot source, int srcX,
                      int srcY) = 0;
    // The whole picture stretched over rect.
    virtual void Stretch(const Rect& rect, PictureSlot source) = 0;

    // Borders are drawn in device pixels, so their lines are one pixel of the screen wide at
    // any density: the rectangle as the device counts it, one-pixel lines from point to point
    // that leave out their end points, and the platform's two-pixel soft 3-D edge.
    virtual Rect ToDevice(const Rect& rect) const = 0;
    virtual void DeviceLines(ColorRef color, std::initializer_list<Point> points) = 0;
    virtual void DeviceEdge(const Rect& rect, bool bRaised) = 0;

    // The theme for the control's window, or null when there is none; it stays open until the
    // surface is destroyed.
    virtual ProgressTheme* OpenTheme() = 0;

protected:
    ~ProgressSurface() = default;
};

} // namespace orvane
