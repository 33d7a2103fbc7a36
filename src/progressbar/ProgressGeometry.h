#pragma once

#include <cstdint>

namespace orvane {

// A rectangle as the paint computes it: left, top, right, bottom, right and bottom exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// (Value - Min) / (Max - Min), clamped to [0, 1]. The differences are taken in 64 bits, so no
// 32-bit values overflow. An empty range (Max = Min) is a step: 1 once Value reaches Max,
// else 0.
double FilledFraction(std::int32_t min, std::int32_t max, std::int32_t value);

// Rounds to the nearest integer, halves to even.
std::int32_t RoundHalfEven(double value);

// The border inset: 0 without a border, 2 for the classic 3-D edge, else 1.
int BorderInset(std::int32_t borderStyle, std::int32_t appearance, bool themed);

// The filled part of client. With step > 0 the bar is cut back to whole steps of its length.
// A horizontal bar grows from the left, a vertical one from the bottom.
Rect BarRect(const Rect& client, double fraction, bool horizontal, std::int32_t step);

} // namespace orvane
