#pragma once

#include "progressbar/DibPixels.h"
#include "progressbar/pcError.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace orvane {

// Raster operations as the block copies take them.
inline constexpr std::uint32_t kSrcCopy = 0xCC0020;
inline constexpr std::uint32_t kSrcPaint = 0xEE0086;
inline constexpr std::uint32_t kSrcAnd = 0x8800C6;
inline constexpr std::uint32_t kSrcInvert = 0x660046;

// A 32-bit bitmap whose pixel bytes the program reaches directly: blue, green, red, alpha per
// pixel, Width x 4 bytes a line, and line 0 of the buffer is the bottom line of the picture.
class pcDibSection {
public:
    pcDibSection() = default;
    pcDibSection(const pcDibSection&) = delete;
    pcDibSection& operator=(const pcDibSection&) = delete;
    ~pcDibSection() { ClearUp(); }

    bool Create(int lWidth, int lHeight);
    void CreateFromPicture(const QImage& picThis) { CreateFromHBitmap(picThis); }
    void CreateFromHBitmap(const QImage& hBmp);
    void CreateFromHBitmap(const QPixmap& hBmp) { CreateFromHBitmap(hBmp.toImage()); }

    // Copies from lHDC at (lSrcLeft, lSrcTop) into the bitmap at (0, 0); a negative size means
    // the bitmap's own.
    void LoadPictureBlt(const QImage& lHDC, int lSrcLeft = 0, int lSrcTop = 0, int lSrcWidth = -1,
                        int lSrcHeight = -1, std::uint32_t eRop = kSrcCopy);
    // Copies the bitmap (from lSrcLeft, lSrcTop) to lHDC; a negative size means the bitmap's.
    void PaintPicture(QPainter& lHDC, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                      int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0,
                      std::uint32_t eRop = kSrcCopy) const;
    // Blends the bitmap, read as premultiplied alpha, over lHDC with a constant alpha on top.
    void AlphaPaintPicture(QPainter& lHDC, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                           int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0,
                           int lConstantAlpha = 255) const;
    // The same blend on the bytes: cSrc from its (0, 0) over cDst at (lDestLeft, lDestTop).
    static void CodeAlphaBlend(pcDibSection& cDst, const pcDibSection& cSrc, int lDestLeft,
                               int lDestTop, int lDestWidth, int lDestHeight,
                               int SourceConstantAlpha);

    void ModifyHLS(double fHue, double fLuminance, double fSaturation);
    void Clear();
    void RandomiseBits(bool bGray = false);
    void Lighten(int lAmount);
    std::unique_ptr<pcDibSection> Resample(int lNewHeight, int lNewWidth) const;
    // Raises pcError 17 when the file cannot be created; false when a write failed.
    bool SavePicture(const QString& sFileName) const;
    void ClearUp();

    // There is no DrawDib on this platform: the flag keeps its open and close semantics and
    // PaintPicture takes the same path either way.
    bool UseDrawDib() const { return drawDibOpen_; }
    void setUseDrawDib(bool value) { drawDibOpen_ = value; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerScanLine() const { return width_ * 4; }
    // A painter on the bitmap that draws in picture coordinates (top line first).
    QPainter* hdc() const { return dc_.get(); }
    // The bitmap in buffer order, bottom line first.
    const QImage* hDib() const { return dib_.isNull() ? nullptr : &dib_; }
    std::uint8_t* DIBSectionBitsPtr() { return bits_.empty() ? nullptr : bits_.data(); }
    const std::uint8_t* DIBSectionBitsPtr() const { return bits_.empty() ? nullptr : bits_.data(); }
    // The picture the right way up.
    QImage ToImage() const;

private:
    bool WriteBitmapFile(const QString& fileName) const;
    // The pixel bytes as the shared pixel work takes them; a source of that work is only read.
    DibPixels Pixels() const {
        return {const_cast<std::uint8_t*>(DIBSectionBitsPtr()), width_, height_};
    }

    std::vector<std::uint8_t> bits_;
    QImage dib_;
    std::unique_ptr<QPainter> dc_;
    int width_ = 0;
    int height_ = 0;
    bool drawDibOpen_ = false;
};

} // namespace orvane
