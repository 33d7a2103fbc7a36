// Renders the progress bar's samples with the GDI back end, one 32-bit bitmap file each, and
// glyphs.txt (for each sample with a caption, the box of the pixels the caption changes):
//   orvane_progressbar_samples.exe OUTDIR
#include "../Samples.h"

#include "progressbar/gdi/pcProgressBar.h"

#include <cstdio>
#include <fstream>

using namespace orvane;

namespace {

std::vector<std::uint32_t> Pixels(const pcProgressBar& bar, int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* pixel = bar.MemDC().Pixels().Pixel(x, y);
            pixels.push_back(std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 |
                             pixel[0]);
        }
    }
    return pixels;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane_progressbar_samples.exe OUTDIR\n");
        return 64;
    }
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::string directory = argv[1];
    std::ofstream glyphs(directory + "\\glyphs.txt");
    for (const samples::Sample& sample : samples::AllSamples()) {
        pcProgressBar bar(nullptr, 0, 0, sample.width, sample.height);
        sample.setup(bar);
        if (bar.MemDC().Pixels().bits == nullptr) {
            std::fprintf(stderr, "no memory surface for %s: is there a display driver?\n",
                         sample.name.c_str());
            return 1;
        }
        const std::vector<std::uint32_t> pixels = Pixels(bar, sample.width, sample.height);
        if (!samples::WriteBitmap(directory + "\\" + sample.name + ".bmp", pixels, sample.width,
                                  sample.height)) {
            std::fprintf(stderr, "cannot write %s\n", sample.name.c_str());
            return 1;
        }
        if (samples::DrawsCaption(sample)) {
            bar.setShowText(false);
            const samples::Box box = samples::DifferenceBox(
                pixels, Pixels(bar, sample.width, sample.height), sample.width);
            glyphs << sample.name << ' ' << box.left << ' ' << box.top << ' ' << box.right << ' '
                   << box.bottom << '\n';
        }
    }
    return glyphs ? 0 : 1;
}
