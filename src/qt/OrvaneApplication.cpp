#include "qt/OrvaneApplication.h"

#include "support/ShownText.h"

#include <exception>
#include <iostream>

namespace orvane::qt {

bool OrvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("an unknown exception");
    }
    return false;
}

void OrvaneApplication::fail(const char* what) {
    std::cerr << ShownText(std::string("orvane: unexpected failure: ") + what) << '\n';
    if (failed_) {
        return;
    }
    failed_ = true;
    if (onFailure_) {
        onFailure_();
    }
    exit(kFailureStatus);
}

} // namespace orvane::qt
