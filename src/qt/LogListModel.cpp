#include "qt/LogListModel.h"

namespace orvane::qt {

LogListModel::LogListModel(ListElement& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &LogListModel::refresh);
    list_.bind({[this](const std::string&) { changed(); },
                [this] {
                    refresh();
                    beginRemoveRows({}, 0, 0);
                    --rows_;
                    endRemoveRows();
                },
                [this] {
                    beginResetModel();
                    rows_ = 0;
                    selectionPending_ = false;
                    endResetModel();
                },
                [this](int) {
                    selectionPending_ = true;
                    changed();
                }});
}

LogListModel::~LogListModel() {
    list_.bind({});
}

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) {
        return {};
    }
    // Log lines hold paths as the system gave them; bytes that are not UTF-8 show as
    // replacement characters instead of ending the line.
    return QString::fromUtf8(list_.item(static_cast<std::size_t>(index.row())));
}

void LogListModel::changed() {
    if (!refreshTimer_.isActive()) {
        refreshTimer_.start();
    }
}

void LogListModel::refresh() {
    refreshTimer_.stop();
    const int count = static_cast<int>(list_.count());
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    }
    if (selectionPending_) {
        selectionPending_ = false;
        emit selectionSet(list_.ListIndex());
    }
}

} // namespace orvane::qt
