#include "progressbar/ProgressPaint.h"

#include "progressbar/CaptionFlags.h"
#include "progressbar/DrawBorder.h"
#include "progressbar/TileArea.h"

#include <cstdlib>

namespace orvane {

ProgressPaint::ProgressPaint(const ProgressBarModel& bar, ProgressSurface& hdc, const Rect& client)
    : bar_(bar), hdc_(hdc), rcClient_(client) {}

void ProgressPaint::Run() {
    // 1. The toolkit has found the surface; the sizes are those of the client rectangle.
    lWidth_ = std::abs(rcClient_.right - rcClient_.left);
    lHeight_ = std::abs(rcClient_.bottom - rcClient_.top);
    horizontal_ = lWidth_ > lHeight_;
    // 2. The handler's flag arrives by value: the paint goes on whatever it does.
    hdc_.RaiseBeforeDraw(rcClient_.left, rcClient_.top, lWidth_, lHeight_);
    // 3.
    Background();
    // 4.
    if (bar_.Segments() && !bXp_) {
        lChunk_ = 8;
        lSpace_ = 2;
    }
    // 5.
    rcBorder_ = rcClient_;
    const int inset = BorderInset(bar_.BorderStyle(), bar_.Appearance(), bXp_);
    rcClient_ = {rcClient_.left + inset, rcClient_.top + inset, rcClient_.right - inset,
                 rcClient_.bottom - inset};
    // 6. and 7.
    bText_ = !bar_.Text().empty() && bar_.ShowText();
    flags_ = CaptionFlags(bar_.TextAlignX(), bar_.TextAlignY());
    if (bText_ && !bXp_) {
        hdc_.DrawCaption(rcClient_, bar_.PaddedText(), flags_,
                         hdc_.TranslateColor(bar_.ForeColor()));
    }
    // 8.
    const bool cut = bar_.Segments() || bXp_;
    rcBar_ = BarRect(rcClient_, FilledFraction(bar_.Min(), bar_.Max(), bar_.Value()), horizontal_,
                     cut ? lChunk_ + lSpace_ : 0);
    // 9.
    if (!bXp_) {
        hdc_.ClipTo(rcBar_);
    }
    // 10. to 12.
    Bar();
    if (bar_.Segments() && !bXp_) {
        SegmentGaps();
    }
    if (bText_) {
        BarCaption();
    }
    // 13. The toolkit presents the surface (14.); the theme closes with the surface.
    if (!bXp_) {
        hdc_.Unclip();
        Border();
    }
}

void ProgressPaint::Background() {
    if (bar_.HasPicture(PictureSlot::Back)) {
        const PictureObject& back = bar_.Picture();
        if (bar_.BackPictureMode() == 1) {
            TileArea(hdc_, 0, 0, lWidth_, lHeight_, PictureSlot::Back, back.width, back.height, 0,
                     0);
        } else {
            hdc_.Stretch({0, 0, lWidth_, lHeight_}, PictureSlot::Back);
        }
        return;
    }
    if (bar_.XpStyle()) {
        TryTheme();
    }
    if (!bXp_) {
        hdc_.FillRect(rcClient_, bar_.BackColor());
    }
}

void ProgressPaint::TryTheme() {
    theme_ = hdc_.OpenTheme();
    if (theme_ == nullptr) {
        return;
    }
    const std::optional<int> chunk = theme_->ChunkSize();
    if (!chunk) {
        return;
    }
    const std::optional<int> space = theme_->SpaceSize();
    if (!space) {
        return;
    }
    lChunk_ = *chunk + *space;
    lSpace_ = *space;
    bXp_ = theme_->DrawBar(horizontal_, rcClient_);
}

void ProgressPaint::Bar() {
    if (!bar_.HasPicture(PictureSlot::Bar)) {
        if (bXp_) {
            const Rect chunk{rcBar_.left + 2, rcBar_.top + 2, rcBar_.right - 1, rcBar_.bottom - 1};
            // An empty or inverted chunk rectangle draws nothing.
            if (!chunk.IsEmpty()) {
                theme_->DrawChunks(horizontal_, chunk);
            }
        } else {
            hdc_.FillRect(rcBar_, bar_.BarColor());
        }
    } else if (bar_.BarPictureMode() == 1) {
        // The tiles start at x = 0, not at the bar's left edge, and cover the bar's width.
        const PictureObject& picture = bar_.BarPicture();
        TileArea(hdc_, 0, rcBar_.top, rcBar_.Width(), rcBar_.Height(), PictureSlot::Bar,
                 picture.width, picture.height, 0, 0);
    } else {
        hdc_.Stretch({0, 0, lWidth_, lHeight_}, PictureSlot::Bar);
    }
}

void ProgressPaint::SegmentGaps() {
    const int step = lChunk_ + lSpace_;
    Rect rcGap = rcClient_;
    if (horizontal_) {
        for (int x = rcBar_.left + lChunk_; x <= rcBar_.right; x += step) {
            rcGap.left = x;
            rcGap.right = x + lSpace_;
            hdc_.FillRect(rcGap, bar_.BackColor());
        }
    } else {
        for (int y = rcBar_.bottom; y >= rcBar_.top + lChunk_; y -= step) {
            rcGap.top = y;
            rcGap.bottom = y + lSpace_;
            hdc_.FillRect(rcGap, bar_.BackColor());
        }
    }
}

void ProgressPaint::BarCaption() {
    if (bXp_) {
        theme_->DrawThemeCaption(theme_->ContentRect(rcClient_), bar_.Text(), flags_);
        return;
    }
    hdc_.DrawCaption(rcClient_, bar_.PaddedText(), flags_,
                     hdc_.TranslateColor(bar_.BarForeColor()));
}

void ProgressPaint::Border() {
    const int style = bar_.Appearance();
    if (bar_.BorderStyle() == 1) {
        DrawBorder(hdc_, style, rcBorder_, false);
    } else if (bar_.BorderStyle() == 2) {
        // The thin raised border sits on the reduced rectangle, inside a ring of background.
        DrawBorder(hdc_, style, style == 1 ? rcClient_ : rcBorder_, true);
    }
}

} // namespace orvane
