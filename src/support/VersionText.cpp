#include "support/VersionText.h"

#include "support/AppIdentity.h"

namespace orvane {

std::string VersionText(bool shortForm) {
    const std::string majorMinor =
        std::to_string(app_identity::major) + '.' + std::to_string(app_identity::minor);
    const std::string revision = std::to_string(app_identity::revision);
    if (shortForm) {
        return majorMinor + '.' + revision;
    }
    return majorMinor + " Build" + revision + (IsBeta ? " BETA" : "");
}

std::string TitleText() {
    return std::string(app_identity::title) + " [" + VersionText(false) + ']';
}

} // namespace orvane
