#include "progressbar/pcDibSection.h"

#include "progressbar/HlsColor.h"

#include <algorithm>
#include <limits>
#include <random>

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

std::uint8_t ToByte(int channel) {
    return static_cast<std::uint8_t>(std::clamp(channel, 0, 255));
}

// Re-colours one pixel; channels that leave 0-255 (a hue factor other than 1, negative
// factors) are clamped into it.
void Recolour(std::uint8_t* pixel, double fHue, double fLuminance, double fSaturation) {
    Hls hls = RGBToHLS(pixel[2], pixel[1], pixel[0]);
    hls.h = static_cast<float>(hls.h * fHue);
    hls.l = std::min(static_cast<float>(hls.l * fLuminance), 1.0F);
    hls.s = std::min(static_cast<float>(hls.s * fSaturation), 1.0F);
    const Rgb rgb = HLSToRGB(hls.h, hls.s, hls.l);
    pixel[2] = ToByte(rgb.r);
    pixel[1] = ToByte(rgb.g);
    pixel[0] = ToByte(rgb.b);
}

} // namespace

pcError::pcError(int number, QString source, QString description)
    : std::runtime_error(description.toStdString()), number_(number), source_(std::move(source)),
      description_(std::move(description)) {}

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
    const int constant = std::clamp(SourceConstantAlpha, 0, 255);
    const int width = std::min({lDestWidth, cSrc.width_, cDst.width_ - lDestLeft});
    const int height = std::min({lDestHeight, cSrc.height_, cDst.height_ - lDestTop});
    for (int y = std::max(0, -lDestTop); y < height; ++y) {
        for (int x = std::max(0, -lDestLeft); x < width; ++x) {
            const std::uint8_t* src =
                &cSrc.bits_[static_cast<std::size_t>((cSrc.height_ - 1 - y) * cSrc.width_ + x) * 4];
            std::uint8_t* dst = cDst.Pixel(lDestLeft + x, lDestTop + y);
            // The source is premultiplied: scale it by the constant, then cover the destination
            // by the scaled source alpha.
            const int alpha = src[3] * constant / 255;
            for (int channel = 0; channel < 4; ++channel) {
                const int scaled = src[channel] * constant / 255;
                dst[channel] = ToByte(scaled + dst[channel] * (255 - alpha) / 255);
            }
        }
    }
}

std::uint8_t* pcDibSection::Pixel(int x, int lineFromTop) {
    return &bits_[static_cast<std::size_t>((height_ - 1 - lineFromTop) * width_ + x) * 4];
}

void pcDibSection::ModifyHLS(double fHue, double fLuminance, double fSaturation) {
    std::uint8_t* bytes = DIBSectionBitsPtr();
    if (bytes == nullptr) {
        return;
    }
    const int stride = BytesPerScanLine();
    for (int x = 0; x <= (width_ - 1) * 4; x += 4) {
        for (int y = 0; y < height_; ++y) {
            Recolour(bytes + static_cast<std::ptrdiff_t>(y) * stride + x, fHue, fLuminance,
                     fSaturation);
        }
    }
}

void pcDibSection::Clear() {
    std::fill(bits_.begin(), bits_.end(), std::uint8_t{0});
}

void pcDibSection::RandomiseBits(bool bGray) {
    std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i + 3 < bits_.size(); i += 4) {
        if (bGray) {
            const auto grey = static_cast<std::uint8_t>(byte(generator));
            bits_[i] = bits_[i + 1] = bits_[i + 2] = grey;
        } else {
            for (std::size_t channel = 0; channel < 3; ++channel) {
                bits_[i + channel] = static_cast<std::uint8_t>(byte(generator));
            }
        }
    }
}

void pcDibSection::Lighten(int lAmount) {
    const double factor = 1.0 + lAmount / 100.0;
    for (std::size_t i = 0; i + 3 < bits_.size(); i += 4) {
        Recolour(&bits_[i], 1.0, factor, 1.0);
    }
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
