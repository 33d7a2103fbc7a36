#include "progressbar/ProgressGeometry.h"

#include <cmath>

namespace orvane {

double FilledFraction(std::int32_t min, std::int32_t max, std::int32_t value) {
    const std::int64_t done = std::int64_t{value} - min;
    const std::int64_t range = std::int64_t{max} - min;
    if (range == 0) {
        return done >= 0 ? 1.0 : 0.0;
    }
    double fraction = static_cast<double>(done) / static_cast<double>(range);
    if (fraction > 1.0) {
        fraction = 1.0;
    }
    if (fraction < 0.0) {
        fraction = 0.0;
    }
    return fraction;
}

std::int32_t RoundHalfEven(double value) {
    // The default rounding mode of the floating-point unit rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(value));
}

int BorderInset(std::int32_t borderStyle, std::int32_t appearance, bool themed) {
    if (borderStyle <= 0) {
        return 0;
    }
    return (!themed && appearance == 2) ? 2 : 1;
}

Rect BarRect(const Rect& client, double fraction, bool horizontal, std::int32_t step) {
    Rect bar = client;
    if (horizontal) {
        bar.right = RoundHalfEven(client.left + (client.right - client.left) * fraction);
        if (step > 0) {
            // The remainder takes the dividend's sign, as C++'s % does.
            bar.right -= (bar.right - bar.left) % step;
            if (bar.right < client.left) {
                bar.right = client.left;
            }
        }
    } else {
        bar.top = RoundHalfEven(client.top + (client.bottom - client.top) * (1.0 - fraction));
        if (step > 0) {
            bar.top -= (bar.top - bar.bottom) % step;
            if (bar.top > client.bottom) {
                bar.top = client.bottom;
            }
        }
    }
    return bar;
}

} // namespace orvane
