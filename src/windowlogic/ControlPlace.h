#pragma once

#include "windowlogic/Twips.h"

#include <string_view>

namespace orvane::windowlogic {

// Where a control stands as its window is designed, in twips from the top left corner of its
// parent's area, with the caption it is designed with where nothing changes that caption.
template <typename Control> struct ControlPlace {
    Control control;
    Control parent;
    TwipsRect place;
    std::string_view caption = {};
};

// A font by the face name and the size in points the windows were designed with. A toolkit
// without the face takes its nearest look-alike.
struct FontSpec {
    std::string_view face;
    int points = 0;
};

} // namespace orvane::windowlogic
