#pragma once

#include "progressbar/ProgressBarModel.h"
#include "progressbar/ProgressPaint.h"
#include "progressbar/ProgressSurface.h"

#include <string>
#include <vector>

namespace orvane::testing {

// The control without a toolkit: assignments store and count its paints.
class ModelOnly final : public ProgressBarModel {
public:
    void DrawControl() override { ++paints; }
    void ModifyHolder(PictureSlot slot, double fLuminance, double) override {
        modified.emplace_back(slot, fLuminance);
    }
    int paints = 0;
    std::vector<std::pair<PictureSlot, double>> modified;
};

// A surface that keeps its fills and block copies (within the clip) as pixels, and records the
// rest with the clip it came under. System colour i is RGB(i, i, i) and a copied pixel
// PictureColor of its place in the picture, so a pixel names its source.
class FakeSurface final : public ProgressSurface, private ProgressTheme {
public:
    FakeSurface(int width, int height)
        : width_(width),
          pixels_(static_cast<std::size_t>(width * height)), full_{0, 0, width, height} {}

    struct Call {
        Rect rect;
        std::u16string text;
        std::uint32_t flags;
        ColorRef color;
        std::optional<Rect> clip;
    };
    std::vector<Call> captions, themeCaptions, stretches, chunks;
    int borderCalls = 0;
    bool hasTheme = false;
    std::optional<int> chunk = 6, space = 2;
    bool barDraws = true;

    static ColorRef PictureColor(int x, int y) { return 0x01000000U | RgbColor(x, y, 0); }
    ColorRef At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    void Paint(const ProgressBarModel& bar) { ProgressPaint(bar, *this, full_).Run(); }

    void RaiseBeforeDraw(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void FillRect(const Rect& rect, OleColor color) override {
        Cover(rect, [&](int, int) { return TranslateColor(color); });
    }
    ColorRef TranslateColor(OleColor color) const override {
        return (color & kSystemColorBit) != 0 ? SysColor(color & 31) : color;
    }
    ColorRef SysColor(int index) const override { return RgbColor(index, index, index); }
    void ClipTo(const Rect& rect) override { clip_ = rect; }
    void Unclip() override { clip_.reset(); }
    void DrawCaption(const Rect& rect, std::u16string_view text, std::uint32_t flags,
                     ColorRef color) override {
        captions.push_back({rect, std::u16string(text), flags, color, clip_});
    }
    void Blit(int x, int y, int width, int height, PictureSlot, int srcX, int srcY) override {
        Cover({x, y, x + width, y + height},
              [&](int px, int py) { return PictureColor(srcX + px - x, srcY + py - y); });
    }
    void Stretch(const Rect& rect, PictureSlot) override {
        stretches.push_back({rect, {}, 0, 0, clip_});
    }
    Rect ToDevice(const Rect& rect) const override { return rect; }
    void DeviceLines(ColorRef, std::initializer_list<Point>) override { ++borderCalls; }
    void DeviceEdge(const Rect&, bool) override { ++borderCalls; }
    ProgressTheme* OpenTheme() override { return hasTheme ? this : nullptr; }

private:
    template <typename Colour> void Cover(const Rect& rect, Colour colour) {
        const Rect clip = clip_.value_or(full_);
        for (int y = std::max(rect.top, clip.top); y < std::min(rect.bottom, clip.bottom); ++y) {
            for (int x = std::max(rect.left, clip.left); x < std::min(rect.right, clip.right);
                 ++x) {
                pixels_[static_cast<std::size_t>(y * width_ + x)] = colour(x, y);
            }
        }
    }

    std::optional<int> ChunkSize() const override { return chunk; }
    std::optional<int> SpaceSize() const override { return space; }
    bool DrawBar(bool, const Rect&) override { return barDraws; }
    void DrawChunks(bool, const Rect& rect) override { chunks.push_back({rect, {}, 0, 0, clip_}); }
    Rect ContentRect(const Rect& bounding) const override {
        return {bounding.left + 3, bounding.top + 3, bounding.right - 3, bounding.bottom - 3};
    }
    void DrawThemeCaption(const Rect& rect, std::u16string_view text,
                          std::uint32_t flags) override {
        themeCaptions.push_back({rect, std::u16string(text), flags, 0, clip_});
    }

    int width_;
    std::vector<ColorRef> pixels_;
    Rect full_;
    std::optional<Rect> clip_;
};

} // namespace orvane::testing
