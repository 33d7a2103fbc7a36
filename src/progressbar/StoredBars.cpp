#include "progressbar/StoredBars.h"

#include <string>

namespace orvane {
namespace {

// Every other key stays at its default; neither picture is set.
constexpr const char* kFont = "Font=Font:8.25;400;0;0;0;0;MS Sans Serif\n";
// The system highlight colour, 0x8000000D, as a signed 32-bit Long.
constexpr const char* kHighlightBar = "BarColor=Long:-2147483635\nShowText=Flag:-1\n";

} // namespace

pcPropertyBag pbFileCopySettings() {
    return pcPropertyBag::FromText(std::string(kHighlightBar) + kFont);
}

pcPropertyBag pbTotalFilesSettings() {
    return pcPropertyBag::FromText(std::string(kHighlightBar) + kFont);
}

pcPropertyBag pbSaveLogSettings() {
    return pcPropertyBag::FromText(kFont);
}

} // namespace orvane
