#pragma once

namespace orvane::windowlogic::web_addresses {

// The project's own addresses: its web site (the logo and the first link of the info
// window), and the distributed-computing project it supports (the second link).
inline constexpr const char* makerSite = "https://orvane.example.org";
inline constexpr const char* computingProject = "https://grid.orvane.example.org";

} // namespace orvane::windowlogic::web_addresses
