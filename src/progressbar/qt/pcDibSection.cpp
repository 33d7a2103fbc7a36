#include "progressbar/qt/pcDibSection.h"

#include <algorithm>
#include <limits>

namespace orvane {
namespace {

QPainter::CompositionMode ModeForRop(std::uint32_t rop) {
    switch (rop) {
    case kSrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case kSrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case kSrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    default:
        return QPainter::CompositionMode_Source;
    }
}

} // namespace

bool pcDibSection::Create(int lWidth, int lHeight) {
    const bool drawDib = drawDibOpen_;
    ClearUp();
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    if (lWidth <= 0 || lHeight <= 0 || std::int64_t{lWidth} * lHeight * 4 > kLargest) {
        return false;
    }
    try {
        bits_.assign(static_cast<std::size_t>(lWidth) * static_cast<std::size_t>(lHeight) * 4, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    width_ = lWidth;
    height_ = lHeight;
    dib_ = QImage(bits_.data(), lWidth, lHeight, BytesPerScanLine(), QImage::Format_RGB32);
    dc_ = std::make_unique<QPainter>(&dib_);
    // Drawing in picture coordinates lands upside down in the buffer, as the layout asks.
    dc_->translate(0, lHeight);
    dc_->scale(1, -1);
    drawDibOpen_ = drawDib;
    return true;
}

void pcDibSection::CreateFromHBitmap(const QImage& hBmp) {
    if (Create(hBmp.width(), hBmp.height())) {
        LoadPictureBlt(hBmp, 0, 0, -1, -1, kSrcCopy);
    }
}

void pcDibSection::LoadPictureBlt(const QImage& lHDC, int lSrcLeft, int lSrcTop, int lSrcWidth,
                                  int lSrcHeight, std::uint32_t eRop) {
    if (!dc_) {
        return;
    }
    const int width = lSrcWidth < 0 ? width_ : lSrcWidth;
    const int height = lSrcHeight < 0 ? height_ : lSrcHeight;
    dc_->setCompositionMode(ModeForRop(eRop));
    dc_->drawImage(QRect(0, 0, width, height), lHDC, QRect(lSrcLeft, lSrcTop, width, height));
}

void pcDibSection::PaintPicture(QPainter& lHDC, int lDestLeft, int lDestTop, int lDestWidth,
                                int lDestHeight, int lSrcLeft, int lSrcTop,
                                std::uint32_t eRop) const {
    if (!dc_) {
        return;
    }
    const int width = lDestWidth < 0 ? width_ : lDestWidth;
    const int height = lDestHeight < 0 ? height_ : lDestHeight;
    const QPainter::CompositionMode mode = lHDC.compositionMode();
    lHDC.setCompositionMode(ModeForRop(eRop));
    lHDC.drawImage(QRect(lDestLeft, lDestTop, width, height), ToImage(),
                   QRect(lSrcLeft, lSrcTop, width, height));
    lHDC.setCompositionMode(mode);
}

void pcDibSection::AlphaPaintPicture(QPainter& lHDC, int lDestLeft, int lDestTop, int lDestWidth,
                                     int lDestHeight, int lSrcLeft, int lSrcTop,
                                     int lConstantAlpha) const {
    if (!dc_) {
        return;
    }
    const int width = lDestWidth < 0 ? width_ : lDestWidth;
    const int height = lDestHeight < 0 ? height_ : lDestHeight;
    // The alpha bytes are taken as they are, already multiplied into the colours.
    QImage premultiplied = ToImage();
    premultiplied.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    lHDC.save();
    lHDC.setCompositionMode(QPainter::CompositionMode_SourceOver);
    lHDC.setOpacity(std::clamp(lConstantAlpha, 0, 255) / 255.0);
    lHDC.drawImage(QRect(lDestLeft, lDestTop, width, height), premultiplied,
                   QRect(lSrcLeft, lSrcTop, width, height));
    lHDC.restore();
}

void pcDibSection::CodeAlphaBlend(pcDibSection& cDst, const pcDibSection& cSrc, int lDestLeft,
                                  int lDestTop, int lDestWidth, int lDestHeight,
                                  int SourceConstantAlpha) {
    orvane::CodeAlphaBlend(cDst.Pixels(), cSrc.Pixels(), lDestLeft, lDestTop, lDestWidth,
                           lDestHeight, SourceConstantAlpha);
}

void pcDibSection::ModifyHLS(double fHue, double fLuminance, double fSaturation) {
    orvane::ModifyHLS(Pixels(), fHue, fLuminance, fSaturation);
}

void pcDibSection::Clear() {
    orvane::Clear(Pixels());
}

void pcDibSection::RandomiseBits(bool bGray) {
    orvane::RandomiseBits(Pixels(), bGray);
}

void pcDibSection::Lighten(int lAmount) {
    orvane::Lighten(Pixels(), lAmount);
}

std::unique_ptr<pcDibSection> pcDibSection::Resample(int lNewHeight, int lNewWidth) const {
    auto resampled = std::make_unique<pcDibSection>();
    if (!resampled->Create(lNewWidth, lNewHeight)) {
        return nullptr;
    }
    if (lNewWidth == width_ && lNewHeight == height_) {
        resampled->LoadPictureBlt(ToImage());
    } else {
        // Bilinear when growing, area-averaged when shrinking: Qt's smooth scaling.
        resampled->LoadPictureBlt(ToImage().scaled(lNewWidth, lNewHeight, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation));
    }
    return resampled;
}

QImage pcDibSection::ToImage() const {
    return dib_.isNull() ? QImage() : dib_.mirrored(false, true);
}

void pcDibSection::ClearUp() {
    if (dc_) {
        dc_->end();
        dc_.reset();
    }
    dib_ = QImage();
    bits_.clear();
    bits_.shrink_to_fit();
    width_ = 0;
    height_ = 0;
    drawDibOpen_ = false;
}

} // namespace orvane
