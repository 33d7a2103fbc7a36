#include "qt/CopyListModel.h"

namespace orvane::qt {

CopyListModel::CopyListModel(ListElement& list, std::function<void(int)> select)
    : list_(list), rows_(static_cast<int>(list.count())) {
    ListElement::Listener listener;
    listener.added = [this](const std::string&) {
        beginInsertRows({}, rows_, rows_);
        ++rows_;
        endInsertRows();
    };
    listener.removedFirst = [this] {
        beginRemoveRows({}, 0, 0);
        --rows_;
        endRemoveRows();
    };
    listener.cleared = [this] {
        beginResetModel();
        rows_ = 0;
        endResetModel();
    };
    listener.selected = std::move(select);
    list_.bind(std::move(listener));
}

int CopyListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant CopyListModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || role != Qt::DisplayRole || row >= list_.count()) {
        return {};
    }
    return QString::fromLocal8Bit(list_.item(row));
}

} // namespace orvane::qt
