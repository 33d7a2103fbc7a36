#include "progressbar/qt/pcMemDC.h"

#include <QtMath>

#include <new>

namespace orvane {

QPainter* pcMemDC::hdc(int Width, int Height, qreal ratio) {
    if (!painter_ || Width > width_ || Height > height_ || ratio != ratio_) {
        CreateSurface(Width, Height, ratio);
    }
    return painter_.get();
}

void pcMemDC::Draw(QPainter& hdc, int xSrc, int ySrc, int WidthSrc, int HeightSrc, int xDst,
                   int yDst) const {
    if (image_.isNull()) {
        return;
    }
    const int width = WidthSrc > 0 ? WidthSrc : width_;
    const int height = HeightSrc > 0 ? HeightSrc : height_;
    const QPainter::CompositionMode mode = hdc.compositionMode();
    hdc.setCompositionMode(QPainter::CompositionMode_Source);
    hdc.drawImage(QRectF(xDst, yDst, width, height), image_,
                  QRectF(xSrc * ratio_, ySrc * ratio_, width * ratio_, height * ratio_));
    hdc.setCompositionMode(mode);
}

void pcMemDC::CreateSurface(int Width, int Height, qreal ratio) {
    DestroySurface();
    if (Width <= 0 || Height <= 0) {
        return;
    }
    try {
        QImage image(qCeil(Width * ratio), qCeil(Height * ratio), QImage::Format_RGB32);
        if (image.isNull()) {
            return;
        }
        image.setDevicePixelRatio(ratio);
        ratio_ = ratio;
        image_ = std::move(image);
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&image_)) {
            DestroySurface();
            return;
        }
        width_ = Width;
        height_ = Height;
    } catch (const std::bad_alloc&) {
        DestroySurface();
    }
}

void pcMemDC::DestroySurface() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    image_ = QImage();
    width_ = 0;
    height_ = 0;
}

} // namespace orvane
