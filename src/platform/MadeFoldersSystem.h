#pragma once

#include "platform/MadeFolders.h"

namespace orvane::platform {

// Gives the folder made its source's metadata, provided it is still the folder this run
// made; used only inside the platform.
void applyFolderMetadata(const MadeFolders::Pending& folder);

} // namespace orvane::platform
