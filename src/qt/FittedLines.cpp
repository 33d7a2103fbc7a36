#include "qt/FittedLines.h"

#include <QFontMetrics>

#include <algorithm>
#include <vector>

namespace orvane::qt {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The rows each line gets: one each, then one more in turn to each line that needs more,
// while rows are left.
std::vector<int> shareRows(const std::vector<int>& needed, int lineCount) {
    std::vector<int> given(needed.size(), 1);
    int left = lineCount - static_cast<int>(needed.size());
    bool gave = true;
    while (left > 0 && gave) {
        gave = false;
        for (std::size_t i = 0; i < needed.size() && left > 0; ++i) {
            if (given[i] < needed[i]) {
                ++given[i];
                --left;
                gave = true;
            }
        }
    }
    return given;
}

// The line with as much of its middle replaced by an ellipsis as it takes to fit `rows`.
QStringList elideIntoRows(const QString& line, const QFontMetrics& metrics, int width, int rows) {
    const int step = std::max(1, metrics.averageCharWidth());
    for (int room = rows * width; room > 0; room -= step) {
        QStringList wrapped =
            WrapAnywhere(metrics.elidedText(line, Qt::ElideMiddle, room), metrics, width);
        if (wrapped.size() <= rows) {
            return wrapped;
        }
    }
    return {metrics.elidedText(line, Qt::ElideRight, width)};
}

} // namespace

QStringList WrapAnywhere(const QString& line, const QFontMetrics& metrics, int width) {
    QStringList rows;
    QString row;
    for (const QChar c : line) {
        if (!row.isEmpty() && metrics.horizontalAdvance(row + c) > width) {
            rows.append(row);
            row.clear();
        }
        row += c;
    }
    rows.append(row);
    return rows;
}

QString FitLines(const QString& text, const QFontMetrics& metrics, int width, int lineCount) {
    const QStringList lines = text.split(kLineEnd);
    std::vector<QStringList> wrapped;
    std::vector<int> needed;
    for (const QString& line : lines) {
        wrapped.push_back(WrapAnywhere(line, metrics, width));
        needed.push_back(static_cast<int>(wrapped.back().size()));
    }
    const std::vector<int> given = shareRows(needed, lineCount);
    QStringList shown;
    for (std::size_t i = 0; i < wrapped.size(); ++i) {
        const QStringList rows =
            given[i] < needed[i]
                ? elideIntoRows(lines[static_cast<qsizetype>(i)], metrics, width, given[i])
                : wrapped[i];
        shown.append(rows.join(QLatin1Char('\n')));
    }
    return shown.join(kLineEnd);
}

} // namespace orvane::qt
