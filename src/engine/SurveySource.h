#pragma once

#include "engine/RunContext.h"

#include <string>

namespace orvane {

// Prepares a run in the default mode: walks the source tree depth-first, creates every
// destination folder, puts one copy-list item per file, and counts files, folders and bytes.
// It copies nothing and never looks at destination files.
void SurveySource(const RunContext& run, const std::string& source);

} // namespace orvane
