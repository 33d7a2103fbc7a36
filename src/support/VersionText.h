#pragma once

#include <string>

namespace orvane {

// The version as "1.0.37" (short form, sent with the update request) or as
// "1.0 Build37 BETA" (build form, shown to the user; " BETA" only while IsBeta is set).
std::string VersionText(bool shortForm);

// The caption of the program's windows: the title and the build form, "Orvane [1.0 Build37 BETA]".
std::string TitleText();

} // namespace orvane
