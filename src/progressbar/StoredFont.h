#pragma once

#include <QFont>
#include <QString>

#include <optional>

namespace orvane {

// A font with the face name kept as stored and a style hint, so that fontconfig picks a
// sensible stand-in for a face this machine does not have. Weight is 400 normal, 700 bold.
QFont StoredFont(const QString& face, double pointSize, int weight);

// "size;weight;italic;underline;strikeout;charset;face". Qt has no character sets; the charset
// is written as 0 and ignored on reading.
QString FontText(const QFont& font);
std::optional<QFont> FontFromText(const QString& text);

} // namespace orvane
