#pragma once

#include "progressbar/ProgressBarModel.h"
#include "progressbar/ProgressPaint.h"
#include "progressbar/ProgressSurface.h"

#include <string>
#include <vector>

namespace orvane::testing {

// The control without a toolkit: assignments store and count, nothing is drawn until a test
// paints it on a FakeSurface.
class ModelOnly final : public ProgressBarModel {
public:
    void DrawControl() override { ++paints; }
    void ModifyHolder(PictureSlot slot, double fLuminance, double fSaturation) override {
        modified.push_back({slot, fLuminance, fSaturation});
    }
    struct Modification {
        PictureSlot slot;
        double fLuminance, fSaturation;
    };
    int paints = 0;
    std::vector<Modification> modified;
};

// A surface of width x height pixels that keeps the colours of its fills as the platform does
// (a fill confined to the clip rectangle), and records what else the paint asks for. System
// colour i is RGB(i, i, i), so a pixel names the index it came from.
class FakeSurface final : public ProgressSurface, private ProgressTheme {
public:
    FakeSurface(int width, int height)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

    ColorRef At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    struct Caption {
        Rect rect;
        std::u16string text;
        std::uint32_t flags;
        ColorRef color;
        bool clipped;
        Rect clip;
    };
    struct Copy {
        Rect area;
        PictureSlot source;
        int srcX, srcY;
        bool clipped;
    };
    std::vector<Caption> captions;
    std::vector<Copy> blits, stretches;
    int beforeDraws = 0;
    int borderCalls = 0;

    // The theme: absent unless given, with the sizes it reports and whether the trough draws.
    bool hasTheme = false;
    std::optional<int> chunk, space;
    bool barDraws = true;
    std::vector<Rect> chunkRects;
    std::vector<Caption> themeCaptions;

    void RaiseBeforeDraw(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {
        ++beforeDraws;
    }
    void FillRect(const Rect& rect, OleColor color) override {
        const ColorRef fill = (color & kSystemColorBit) != 0 ? SysColor(color & 31) : color;
        for (int y = std::max(rect.top, Clip().top); y < std::min(rect.bottom, Clip().bottom);
             ++y) {
            for (int x = std::max(rect.left, Clip().left); x < std::min(rect.right, Clip().right);
                 ++x) {
                pixels_[static_cast<std::size_t>(y * width_ + x)] = fill;
            }
        }
    }
    ColorRef TranslateColor(OleColor color) const override {
        return (color & kSystemColorBit) != 0 ? SysColor(color & 0xFFFFFF) : color;
    }
    ColorRef SysColor(int index) const override { return RgbColor(index, index, index); }
    void ClipTo(const Rect& rect) override { clip_ = rect; }
    void Unclip() override { clip_.reset(); }
    void DrawCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags,
                     ColorRef color) override {
        captions.push_back({rect, std::u16string(text), flags, color, clip_.has_value(), Clip()});
    }
    void Blit(int x, int y, int width, int height, PictureSlot source, int srcX,
              int srcY) override {
        blits.push_back({{x, y, x + width, y + height}, source, srcX, srcY, clip_.has_value()});
    }
    void Stretch(const Rect& rect, PictureSlot source) override {
        stretches.push_back({rect, source, 0, 0, clip_.has_value()});
    }
    Rect ToDevice(const Rect& rect) const override { return rect; }
    void DeviceLines(ColorRef, std::initializer_list<Point>) override { ++borderCalls; }
    void DeviceEdge(const Rect&, bool) override { ++borderCalls; }
    ProgressTheme* OpenTheme() override { return hasTheme ? this : nullptr; }

    // The paint of bar on this surface, its client rectangle the whole surface.
    void Paint(const ProgressBarModel& bar) {
        ProgressPaint(bar, *this, {0, 0, width_, height_}).Run();
    }

private:
    Rect Clip() const { return clip_.value_or(Rect{0, 0, width_, height_}); }

    std::optional<int> ChunkSize() const override { return chunk; }
    std::optional<int> SpaceSize() const override { return space; }
    bool DrawBar(bool, const Rect&) override { return barDraws; }
    void DrawChunks(bool, const Rect& rect) override { chunkRects.push_back(rect); }
    Rect ContentRect(const Rect& bounding) const override {
        return {bounding.left + 3, bounding.top + 3, bounding.right - 3, bounding.bottom - 3};
    }
    void DrawThemeCaption(const Rect& rect, std::u16string_view text,
                          std::uint32_t flags) override {
        themeCaptions.push_back({rect, std::u16string(text), flags, 0, clip_.has_value(), Clip()});
    }

    int width_;
    int height_;
    std::vector<ColorRef> pixels_;
    std::optional<Rect> clip_;
};

} // namespace orvane::testing
