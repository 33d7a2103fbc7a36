#pragma once

#include "windowlogic/ControlPlace.h"

#include <span>

namespace orvane::windowlogic {

// The controls of the info window, named as the window names them (an array element by its
// number after an underscore). `window` stands for the window's own area.
enum class InfoControl {
    window,
    lblproduct,
    lblcopyright,
    Frame2,
    lblversion,
    Label5,
    lblware,
    lbluse,
    Label1,
    lblComments,
    Frame1,
    Label2_0,
    Label2_1,
    lblsite_0,
    lblsite_1,
    lbltaal,
    Image1,
    cmdback,
};

// Every control of the info window, parents before their children, with the captions of
// those whose caption nothing changes. The product name and the links are as wide as their
// texts (width 0 here), and the product name as high.
std::span<const ControlPlace<InfoControl>> InfoWindowLayout();

} // namespace orvane::windowlogic
