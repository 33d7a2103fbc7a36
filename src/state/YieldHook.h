#pragma once

#include <functional>

namespace orvane {

// The engine's "yield to the event loop". The window passes its event pump; tests pass a
// script that plays a user's clicks at exact yield points.
using YieldHook = std::function<void()>;

} // namespace orvane
