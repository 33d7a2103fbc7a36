#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;

namespace orvane::qt {

// Lays out text of several lines (separated by CR LF) in a box `width` pixels wide and
// `lineCount` lines high, so that every line's beginning stays in view however long it is:
// a line too wide is wrapped at any character, since a path has no blanks to wrap at, and
// the lines that are left over go to the lines that need them, the first ones first. What
// still does not fit loses its middle to an ellipsis, which keeps a path's start and its
// last folder. Each line keeps at least one row, also when the box is lower than that.
// The result holds the rows joined by line feeds, the lines by CR LF: text that fits comes
// back unchanged.
QString FitLines(const QString& text, const QFontMetrics& metrics, int width, int lineCount);

// The rows of one line at `width` pixels, broken at the last character that fits.
QStringList WrapAnywhere(const QString& line, const QFontMetrics& metrics, int width);

} // namespace orvane::qt
