#pragma once

#include "progressbar/CaptionCache.h"
#include "progressbar/ProgressGeometry.h"
#include "progressbar/ProgressTheme.h"

#include <QColor>
#include <QPainter>

#include <optional>

namespace orvane {

class pcProgressBar;

// One run of the paint: composes the whole control on hdc in a fixed order of steps, from the
// background to the border. The working values live only for this run.
class ProgressPaint {
public:
    ProgressPaint(pcProgressBar& bar, QPainter& hdc);
    void Run();

private:
    void Background();
    void TryTheme();
    void Caption(CaptionCache::Part part, std::uint32_t color);
    void ClipToBar();
    void Bar();
    void SegmentGaps();
    void BarCaption();
    void Border();

    pcProgressBar& bar_;
    QPainter& hdc_;
    Rect rcClient_;
    Rect rcBorder_;
    Rect rcBar_;
    int lWidth_ = 0;
    int lHeight_ = 0;
    bool horizontal_ = true;
    bool bXp_ = false;
    bool bText_ = false;
    // The bar's clip region costs an allocation; it is set only for what needs it.
    bool clipped_ = false;
    int lChunk_ = 0;
    int lSpace_ = 0;
    std::optional<ProgressTheme> theme_;
};

} // namespace orvane
