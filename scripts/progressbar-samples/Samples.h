#pragma once

#include "progressbar/ProgressBarModel.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane::samples {

// One look of the progress bar, set up the same way for every toolkit. A sample whose name holds
// "caption" draws a caption; one whose name starts with "xp-" asks for the visual styles, which
// each platform draws its own way.
struct Sample {
    std::string name;
    int width;
    int height;
    std::function<void(ProgressBarModel&)> setup;
};

std::vector<Sample> AllSamples();

bool DrawsCaption(const Sample& sample);
bool IsThemed(const Sample& sample);

// The box (left, top, right, bottom, exclusive) of the pixels in which two renderings of one
// size differ; all 0 when none do. Pixels are 0x00RRGGBB words, top line first.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};
Box DifferenceBox(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b,
                  int width);

// A 32-bit bitmap file of the pixels, bottom line first.
bool WriteBitmap(const std::string& path, const std::vector<std::uint32_t>& pixels, int width,
                 int height);

} // namespace orvane::samples
