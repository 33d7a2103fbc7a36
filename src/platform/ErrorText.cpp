#include "platform/ErrorText.h"

#include "platform/ErrorTextSystem.h"

namespace orvane::platform {

std::string errorText(const SystemError& error) {
    // The failures the program finds itself have no number the system could name.
    switch (error.kind()) {
    case ErrorKind::Elsewhere:
        return "it leads to an entry outside the folder it was listed in";
    case ErrorKind::Changed:
        return "it is no longer the file that was checked";
    default:
        return systemErrorText(error.code());
    }
}

} // namespace orvane::platform
