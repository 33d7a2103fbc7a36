#include "windowlogic/InfoWindowLayout.h"

#include "windowlogic/frminfo.h"

#include <array>

namespace orvane::windowlogic {

namespace {

using enum InfoControl;
using Place = ControlPlace<InfoControl>;

constexpr std::array kPlaces{
    Place{lblproduct, window, {frminfo::kProductLeft, 60, 0, 0}},
    Place{lblcopyright, window, {120, 660, 5160, 255}},
    Place{Frame2, window, {120, 1020, 5160, 2820}, "Program Info"},
    Place{lblversion, Frame2, {240, 300, 4680, 255}},
    Place{Label5, Frame2, {240, 600, 840, 255}, "Status:"},
    Place{lblware, Frame2, {1080, 600, 3840, 255}},
    Place{lbluse, Frame2, {240, 900, 4680, 255}},
    Place{Label1, Frame2, {240, 1200, 4680, 1260}},
    Place{lblComments, Frame2, {240, 2490, 4680, 255}},
    Place{Frame1, window, {120, 3960, 5160, 900}, "Contact"},
    Place{Label2_0, Frame1, {240, 300, 960, 255}, "Site(s):"},
    Place{Label2_1, Frame1, {240, 570, 960, 255}, "Projects:"},
    Place{lblsite_0, Frame1, {1200, 300, 0, 255}},
    Place{lblsite_1, Frame1, {1200, 570, 0, 255}},
    Place{lbltaal, window, {960, 5040, 600, 255}},
    Place{Image1, window, {120, 4980, 720, 720}},
    Place{cmdback, window, {4080, 5220, 1200, 375}, "&Back"},
};

} // namespace

std::span<const Place> InfoWindowLayout() {
    return kPlaces;
}

} // namespace orvane::windowlogic
