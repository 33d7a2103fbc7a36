#pragma once

#include "windowlogic/ControlPlace.h"

#include <QFont>

namespace orvane::qt {

// The font a window was designed with. Linux has none of those faces; the hint lets
// fontconfig pick a look-alike.
inline QFont DesignFont(const windowlogic::FontSpec& design, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(design.face.data(), static_cast<qsizetype>(design.face.size())),
               design.points);
    font.setStyleHint(hint);
    return font;
}

} // namespace orvane::qt
