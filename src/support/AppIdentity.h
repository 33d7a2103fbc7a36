#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// The identity the program shows in captions and sends with the update request. It mirrors
// the project's version (see the top-level CMakeLists.txt); change both together.
namespace app_identity {
inline constexpr std::string_view title = "Orvane";
inline constexpr std::int32_t major = 1;
inline constexpr std::int32_t minor = 0;
inline constexpr std::int32_t revision = 37;
} // namespace app_identity

// Marks a pre-release build in the version texts. Start-up sets it and nothing clears it; it
// starts out set so that texts built before start-up (and in tests) already say BETA.
inline bool IsBeta = true;

} // namespace orvane
