#pragma once

#include "progressbar/ProgressBarModel.h"
#include "progressbar/ProgressGeometry.h"
#include "progressbar/ProgressSurface.h"

namespace orvane {

// One run of the paint: composes the whole control on hdc in a fixed order of steps, from
// BeforeDraw and the background to the border. The working values live only for this run. The
// toolkit finds the surface before and presents it after.
class ProgressPaint {
public:
    // client is the control's client rectangle.
    ProgressPaint(const ProgressBarModel& bar, ProgressSurface& hdc, const Rect& client);
    void Run();

private:
    void Background();
    void TryTheme();
    void Bar();
    void SegmentGaps();
    void BarCaption();
    void Border();

    const ProgressBarModel& bar_;
    ProgressSurface& hdc_;
    Rect rcClient_;
    Rect rcBorder_;
    Rect rcBar_;
    int lWidth_ = 0;
    int lHeight_ = 0;
    bool horizontal_ = true;
    bool bXp_ = false;
    bool bText_ = false;
    int lChunk_ = 0;
    int lSpace_ = 0;
    std::uint32_t flags_ = 0;
    ProgressTheme* theme_ = nullptr;
};

} // namespace orvane
