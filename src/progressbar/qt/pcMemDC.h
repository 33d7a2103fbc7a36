#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

namespace orvane {

// The double buffer of every paint: an off-screen image with a painter kept open on it, which
// is what a memory device context is. It is made on the first request, kept while it is large
// enough, never shrunk, and released with the object. Sizes are in logical pixels; the image
// holds ratio device pixels for each, so a paint is as sharp as the screen it is shown on.
class pcMemDC {
public:
    pcMemDC() = default;
    pcMemDC(const pcMemDC&) = delete;
    pcMemDC& operator=(const pcMemDC&) = delete;
    ~pcMemDC() { DestroySurface(); }

    // A drawing target at least Width x Height pixels, or null when none could be made. A new
    // device pixel ratio makes a new surface.
    QPainter* hdc(int Width, int Height, qreal ratio = 1.0);

    // Copies the surface to hdc. A WidthSrc or HeightSrc <= 0 means the surface's own size.
    void Draw(QPainter& hdc, int xSrc = 0, int ySrc = 0, int WidthSrc = 0, int HeightSrc = 0,
              int xDst = 0, int yDst = 0) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    qreal Ratio() const { return ratio_; }
    // The pixels composed so far (null image when there is no surface).
    const QImage& Image() const { return image_; }

private:
    void CreateSurface(int Width, int Height, qreal ratio);
    void DestroySurface();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    int width_ = 0;
    int height_ = 0;
    qreal ratio_ = 1.0;
};

} // namespace orvane
