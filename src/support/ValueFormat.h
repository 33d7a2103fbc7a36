#pragma once

// The texts the program builds from its numbers: sizes, durations, the version and the
// window title, for callers that need several of them.
#include "support/FormatDuration.h"
#include "support/FormatSize.h"
#include "support/VersionText.h"
