#pragma once

#include "progressbar/FontSpec.h"
#include "progressbar/gdi/GdiHandles.h"

namespace orvane {

// The control's font as a GDI font at the window's dots per inch: its points become pixels of
// that density, so the caption keeps its size on a dense screen.
GdiObject<HFONT> MakeFont(const FontSpec& font, UINT dpi);

} // namespace orvane
