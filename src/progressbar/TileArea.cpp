#include "progressbar/TileArea.h"

namespace orvane {

void TileArea(ProgressSurface& hdc, int x, int y, int width, int height, PictureSlot srcDC,
              int srcWidth, int srcHeight, int srcOffsetX, int srcOffsetY) {
    if (height <= 0 || srcWidth <= 0 || srcHeight <= 0) {
        return;
    }
    const int sx0 = (x + srcOffsetX) % srcWidth;
    const int sy0 = (y + srcOffsetY) % srcHeight;
    int sourceRow = sy0;
    int rowHeight = srcHeight - sy0;
    for (int dy = y; dy < y + height; dy += rowHeight, sourceRow = 0, rowHeight = srcHeight) {
        if (dy + rowHeight > y + height) {
            rowHeight = y + height - dy;
        }
        int sourceColumn = sx0;
        int columnWidth = srcWidth - sx0;
        for (int dx = x; dx < x + width;
             dx += columnWidth, sourceColumn = 0, columnWidth = srcWidth) {
            if (dx + columnWidth > x + width) {
                columnWidth = x + width - dx;
            }
            hdc.Blit(dx, dy, columnWidth, rowHeight, srcDC, sourceColumn, sourceRow);
        }
    }
}

} // namespace orvane
