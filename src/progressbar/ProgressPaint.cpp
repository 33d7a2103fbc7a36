#include "progressbar/ProgressPaint.h"

#include "progressbar/DrawBorder.h"
#include "progressbar/OleColor.h"
#include "progressbar/TileArea.h"
#include "progressbar/pcProgressBar.h"

namespace orvane {

ProgressPaint::ProgressPaint(pcProgressBar& bar, QPainter& hdc) : bar_(bar), hdc_(hdc) {}

void ProgressPaint::Run() {
    // 1. The surface is the caller's; the client rectangle is the whole control.
    lWidth_ = bar_.width();
    lHeight_ = bar_.height();
    rcClient_ = {0, 0, lWidth_, lHeight_};
    horizontal_ = bar_.width() > bar_.height();
    hdc_.setClipping(false);
    hdc_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // 2.
    emit bar_.BeforeDraw(&hdc_, rcClient_.left, rcClient_.top, lWidth_, lHeight_, true);
    // 3. and 4.
    Background();
    if (bar_.segments_ && !bXp_) {
        lChunk_ = 8;
        lSpace_ = 2;
    }
    // 5.
    rcBorder_ = rcClient_;
    const int inset = BorderInset(bar_.borderStyle_, bar_.appearance_, bXp_);
    rcClient_ = {rcClient_.left + inset, rcClient_.top + inset, rcClient_.right - inset,
                 rcClient_.bottom - inset};
    // 6. and 7.
    bText_ = !bar_.text_.isEmpty() && bar_.showText_;
    if (bText_ && !bXp_) {
        Caption(CaptionCache::OverEmpty, bar_.foreColor_);
    }
    // 8.
    const bool cut = bar_.segments_ || bXp_;
    rcBar_ = BarRect(rcClient_, FilledFraction(bar_.min_, bar_.max_, bar_.value_), horizontal_,
                     cut ? lChunk_ + lSpace_ : 0);
    // 9. The classic look confines steps 10 to 12 to the bar: solid fills and the caption
    // are cut to it by hand, pictures and unclipped text through a clip region.
    // 10. to 13.
    Bar();
    if (bar_.segments_ && !bXp_) {
        SegmentGaps();
    }
    if (bText_) {
        BarCaption();
    }
    if (!bXp_) {
        hdc_.setClipping(false);
        Border();
    }
    // 14. The caller presents the surface; the theme closes with this object.
}

void ProgressPaint::Background() {
    const pcPictureHolder& back = bar_.picBack_;
    if (back.HasPicture()) {
        if (bar_.backPictureMode_ == 1) {
            TileArea(hdc_, 0, 0, lWidth_, lHeight_, back.Surface(), back.ScaleWidth(),
                     back.ScaleHeight(), 0, 0);
        } else {
            hdc_.drawImage(QRect(0, 0, lWidth_, lHeight_), back.Surface());
        }
        return;
    }
    if (bar_.xpStyle_) {
        TryTheme();
    }
    if (!bXp_) {
        hdc_.fillRect(rcClient_.ToQRect(), BrushColor(bar_.backColor_, bar_.palette()));
    }
}

void ProgressPaint::TryTheme() {
    theme_ = ProgressTheme::Open(bar_);
    if (!theme_) {
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
    bXp_ = theme_->DrawBackground(hdc_, horizontal_, rcClient_.ToQRect());
}

void ProgressPaint::ClipToBar() {
    if (!bXp_ && !clipped_) {
        hdc_.setClipRect(rcBar_.ToQRect());
        clipped_ = true;
    }
}

void ProgressPaint::Caption(CaptionCache::Part part, std::uint32_t color) {
    const TextFormat format = FromDrawTextFlags(CaptionFlags(bar_.textAlignX_, bar_.textAlignY_));
    const QRect rect = rcClient_.ToQRect();
    if (!format.draw || rect.isEmpty()) {
        return;
    }
    const QColor textColor = FromColorRef(TranslateColor(color, bar_.palette()));
    if ((format.qtFlags & Qt::TextDontClip) != 0) {
        // Text allowed past the rectangle is rare enough to be laid out at every paint.
        if (part == CaptionCache::OverBar) {
            ClipToBar();
        }
        hdc_.setFont(bar_.font());
        hdc_.setPen(textColor);
        hdc_.drawText(rect, format.qtFlags, bar_.paddedText_);
        return;
    }
    const qreal ratio = hdc_.device()->devicePixelRatioF();
    const QImage& caption = bar_.caption_.Caption(bar_.paddedText_, bar_.font(), format,
                                                  rect.size(), ratio, part, textColor);
    const QRect shown = part == CaptionCache::OverBar ? rect & rcBar_.ToQRect() : rect;
    if (shown.isEmpty()) {
        // An empty source rectangle would mean the whole image.
        return;
    }
    const QRect source = shown.translated(-rect.topLeft());
    hdc_.drawImage(QRectF(shown), caption,
                   QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio,
                          source.height() * ratio));
}

void ProgressPaint::Bar() {
    const pcPictureHolder& picture = bar_.picBar_;
    if (!picture.HasPicture()) {
        if (bXp_) {
            const Rect chunk{rcBar_.left + 2, rcBar_.top + 2, rcBar_.right - 1, rcBar_.bottom - 1};
            // An empty or inverted chunk rectangle draws nothing.
            if (chunk.right > chunk.left && chunk.bottom > chunk.top) {
                theme_->DrawChunks(hdc_, horizontal_, chunk.ToQRect());
            }
        } else {
            hdc_.fillRect(rcBar_.ToQRect(), BrushColor(bar_.barColor_, bar_.palette()));
        }
    } else if (bar_.barPictureMode_ == 1) {
        ClipToBar();
        // The tiles start at x = 0, not at the bar's left edge, and cover the bar's width.
        TileArea(hdc_, 0, rcBar_.top, rcBar_.right - rcBar_.left, rcBar_.bottom - rcBar_.top,
                 picture.Surface(), picture.ScaleWidth(), picture.ScaleHeight(), 0, 0);
    } else {
        ClipToBar();
        hdc_.drawImage(QRect(0, 0, lWidth_, lHeight_), picture.Surface());
    }
}

void ProgressPaint::SegmentGaps() {
    const QColor gap = BrushColor(bar_.backColor_, bar_.palette());
    const int step = lChunk_ + lSpace_;
    Rect rcGap = rcClient_;
    const QRect bar = rcBar_.ToQRect();
    if (horizontal_) {
        for (int x = rcBar_.left + lChunk_; x <= rcBar_.right; x += step) {
            rcGap.left = x;
            rcGap.right = x + lSpace_;
            hdc_.fillRect(rcGap.ToQRect() & bar, gap);
        }
    } else {
        for (int y = rcBar_.bottom; y >= rcBar_.top + lChunk_; y -= step) {
            rcGap.top = y;
            rcGap.bottom = y + lSpace_;
            hdc_.fillRect(rcGap.ToQRect() & bar, gap);
        }
    }
}

void ProgressPaint::BarCaption() {
    if (!bXp_) {
        Caption(CaptionCache::OverBar, bar_.barForeColor_);
        return;
    }
    hdc_.setFont(bar_.font());
    const TextFormat format = FromDrawTextFlags(CaptionFlags(bar_.textAlignX_, bar_.textAlignY_));
    theme_->DrawText(hdc_, theme_->ContentRect(rcClient_.ToQRect()), format, bar_.text_);
}

void ProgressPaint::Border() {
    const int style = bar_.appearance_;
    if (bar_.borderStyle_ == 1) {
        DrawBorder(hdc_, style, rcBorder_, false, bar_.palette());
    } else if (bar_.borderStyle_ == 2) {
        // The thin raised border sits on the reduced rectangle, inside a ring of background.
        DrawBorder(hdc_, style, style == 1 ? rcClient_ : rcBorder_, true, bar_.palette());
    }
}

} // namespace orvane
