#include "progressbar/DrawBorder.h"

namespace orvane {

void DrawBorder(ProgressSurface& hdc, std::int32_t style, const Rect& logical, bool bRaised) {
    const Rect rect = hdc.ToDevice(logical);
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    if (style == 0) {
        hdc.DeviceLines(RgbColor(0, 0, 0),
                        {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}, {l, t}});
    } else if (style == 1) {
        const ColorRef dark = hdc.SysColor(kColorButtonShadow);
        const ColorRef light = hdc.SysColor(kColorButtonHighlight);
        if (bRaised) {
            hdc.DeviceLines(light, {{l, b - 2}, {l, t}, {r - 1, t}});
            hdc.DeviceLines(dark, {{r - 1, t}, {r - 1, b - 1}, {l - 1, b - 1}});
        } else {
            hdc.DeviceLines(dark, {{l, b - 1}, {l, t}, {r, t}});
            hdc.DeviceLines(light, {{r - 1, t + 1}, {r - 1, b - 1}, {l, b - 1}});
        }
    } else if (style == 2) {
        hdc.DeviceEdge(rect, bRaised);
    }
}

} // namespace orvane
