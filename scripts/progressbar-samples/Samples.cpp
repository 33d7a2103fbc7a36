#include "Samples.h"

#include "progressbar/DibPixels.h"
#include "progressbar/StoredBars.h"
#include "progressbar/TextCodec.h"

#include <algorithm>
#include <fstream>

namespace orvane::samples {
namespace {

// A pattern of 8 x 8 pixels: two colours in squares of 4.
PictureObject Checkers(std::uint32_t a, std::uint32_t b) {
    PictureObject picture{8, 8, std::vector<std::uint32_t>(64)};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            picture.pixels[static_cast<std::size_t>(y * 8 + x)] = (x / 4 + y / 4) % 2 == 0 ? a : b;
        }
    }
    return picture;
}

// 23 x 7 pixels from orange to yellow, a little darker at the bottom: every pixel of a
// stretched copy shows which one it came from.
PictureObject Gradient() {
    PictureObject picture{23, 7, std::vector<std::uint32_t>(23 * 7)};
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 23; ++x) {
            const auto red = static_cast<std::uint32_t>(230 + x - 4 * y);
            const auto green = static_cast<std::uint32_t>(80 + 6 * x - 4 * y);
            const auto blue = static_cast<std::uint32_t>(20 + x);
            picture.pixels[static_cast<std::size_t>(y * 23 + x)] = red << 16 | green << 8 | blue;
        }
    }
    return picture;
}

// The log save bar's settings (no caption) at a value.
std::function<void(ProgressBarModel&)> Plain(std::int32_t value,
                                             std::function<void(ProgressBarModel&)> more = {}) {
    return [value, more](ProgressBarModel& bar) {
        bar.ReadProperties(pbSaveLogSettings());
        if (more) {
            more(bar);
        }
        bar.setValue(value);
    };
}

// The file bar's settings, its caption the value in percent.
std::function<void(ProgressBarModel&)> Captioned(std::int32_t value,
                                                 std::function<void(ProgressBarModel&)> more = {}) {
    return [value, more](ProgressBarModel& bar) {
        bar.ReadProperties(pbFileCopySettings());
        if (more) {
            more(bar);
        }
        bar.setValue(value);
        bar.setText(ToUtf16(std::to_string(value) + " %"));
    };
}

std::function<void(ProgressBarModel&)> Border(std::int32_t style, std::int32_t appearance) {
    return Plain(30, [=](ProgressBarModel& bar) {
        bar.setBorderStyle(style);
        bar.setAppearance(appearance);
    });
}

std::function<void(ProgressBarModel&)> Range(std::int32_t min, std::int32_t max,
                                             std::int32_t value) {
    return [=](ProgressBarModel& bar) {
        bar.ReadProperties(pbSaveLogSettings());
        bar.setMin(min);
        bar.setMax(max);
        bar.setValue(value);
    };
}

} // namespace

std::vector<Sample> AllSamples() {
    const auto segments = [](ProgressBarModel& bar) { bar.setSegments(true); };
    const auto themed = [](ProgressBarModel& bar) { bar.setXpStyle(true); };
    const PictureObject pattern = Checkers(0xEBEBE1, 0xD2D7E1);
    return {
        {"border-none", 200, 20, Border(0, 1)},
        {"border-inset-flat", 200, 20, Border(1, 0)},
        {"border-inset-thin", 200, 20, Border(1, 1)},
        {"border-inset-3d", 200, 20, Border(1, 2)},
        {"border-raised-flat", 200, 20, Border(2, 0)},
        {"border-raised-thin", 200, 20, Border(2, 1)},
        {"border-raised-3d", 200, 20, Border(2, 2)},
        {"border-unknown-appearance", 200, 20, Border(1, 5)},
        {"segments-half", 200, 20, Plain(50, segments)},
        {"segments-full", 200, 20, Plain(100, segments)},
        {"segments-short-bar", 57, 12, Plain(77, segments)},
        {"segments-3d-edge", 163, 24,
         Plain(64,
               [](ProgressBarModel& bar) {
                   bar.setSegments(true);
                   bar.setAppearance(2);
               })},
        {"value-zero", 200, 20, Plain(0)},
        {"value-max", 200, 20, Plain(100)},
        {"value-over-max", 200, 20, Plain(250)},
        {"value-negative-range", 200, 20, Range(-50, -10, -30)},
        {"value-reversed-range", 200, 20, Range(100, 0, 25)},
        {"value-empty-range", 200, 20, Range(5, 5, 5)},
        {"value-extreme-range", 200, 20, Range(-2147483647 - 1, 2147483647, 1000000000)},
        {"vertical", 24, 90, Plain(70)},
        {"vertical-square", 40, 40, Plain(60)},
        {"vertical-segments", 24, 90, Plain(70, segments)},
        {"back-picture-tiled", 200, 20,
         Plain(40, [pattern](ProgressBarModel& bar) { bar.setPicture(pattern); })},
        {"back-picture-stretched", 200, 20,
         Plain(40,
               [](ProgressBarModel& bar) {
                   bar.setBackPictureMode(0);
                   bar.setPicture(Gradient());
               })},
        {"bar-picture-tiled", 200, 20,
         Plain(70,
               [pattern](ProgressBarModel& bar) {
                   bar.setPicture(pattern);
                   bar.setBarPicture(Gradient());
               })},
        {"bar-picture-stretched", 200, 20,
         Plain(70,
               [](ProgressBarModel& bar) {
                   bar.setBarPictureMode(2);
                   bar.setBarPicture(Gradient());
               })},
        {"bar-picture-tiled-vertical", 30, 90,
         Plain(80, [](ProgressBarModel& bar) { bar.setBarPicture(Gradient()); })},
        {"hls-bar-picture", 200, 20,
         Plain(70,
               [](ProgressBarModel& bar) {
                   bar.setBarPicture(Gradient());
                   bar.ModifyBarPicture(1.3, 0.4);
               })},
        {"hls-back-picture", 200, 20,
         Plain(30,
               [pattern](ProgressBarModel& bar) {
                   bar.setPicture(pattern);
                   bar.ModifyPicture(0.8, 2.5);
               })},
        {"colours-system", 200, 20,
         Plain(60,
               [](ProgressBarModel& bar) {
                   bar.setBarColor(0x8000000D);
                   bar.setBackColor(0x80000005);
               })},
        {"colours-rgb", 200, 20,
         Plain(60,
               [](ProgressBarModel& bar) {
                   bar.setBarColor(0x2828C8);
                   bar.setBackColor(0xC8F0FA);
               })},
        {"caption-centre", 200, 20, Captioned(45)},
        {"caption-left", 200, 20,
         Captioned(55, [](ProgressBarModel& bar) { bar.setTextAlignX(0); })},
        {"caption-right-bottom", 200, 32,
         Captioned(80,
                   [](ProgressBarModel& bar) {
                       bar.setTextAlignX(2);
                       bar.setTextAlignY(2);
                   })},
        {"caption-over-full-bar", 200, 20, Captioned(100)},
        {"caption-segments", 200, 20, Captioned(62, segments)},
        {"caption-right-to-left", 200, 20,
         // DT_RIGHT with DT_RTLREADING: a caption in a right-to-left script.
         [](ProgressBarModel& bar) {
             bar.ReadProperties(pbFileCopySettings());
             bar.setTextAlignX(0x20002);
             bar.setValue(35);
             bar.setText(u"\u05D4\u05E2\u05EA\u05E7\u05D4 35%");
         }},
        {"caption-vertical", 40, 90, Captioned(50)},
        {"caption-colour-that-cannot-be-converted", 200, 20,
         Captioned(30, [](ProgressBarModel& bar) { bar.setForeColor(0x8000001F); })},
        {"xp-horizontal", 200, 20, Captioned(65, themed)},
        {"xp-empty", 200, 20, Plain(0, themed)},
        {"xp-full", 200, 20, Plain(100, themed)},
        {"xp-vertical", 24, 90, Plain(70, themed)},
    };
}

bool DrawsCaption(const Sample& sample) {
    return sample.name.find("caption") != std::string::npos;
}

bool IsThemed(const Sample& sample) {
    return sample.name.rfind("xp-", 0) == 0;
}

Box DifferenceBox(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b,
                  int width) {
    Box box{width, static_cast<int>(a.size()) / width, 0, 0};
    for (std::size_t i = 0; i < a.size(); ++i) {
        if ((a[i] & 0xFFFFFFU) != (b[i] & 0xFFFFFFU)) {
            const int x = static_cast<int>(i) % width;
            const int y = static_cast<int>(i) / width;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
        }
    }
    return box.right == 0 ? Box{} : box;
}

bool WriteBitmap(const std::string& path, const std::vector<std::uint32_t>& pixels, int width,
                 int height) {
    std::ofstream file(path, std::ios::binary);
    const auto header = BitmapFileHeader(width, height);
    file.write(reinterpret_cast<const char*>(header.data()), header.size());
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)] & 0xFFFFFFU;
            const char bytes[4] = {static_cast<char>(pixel), static_cast<char>(pixel >> 8),
                                   static_cast<char>(pixel >> 16), 0};
            file.write(bytes, 4);
        }
    }
    return static_cast<bool>(file);
}

} // namespace orvane::samples
