#pragma once

#include "state/ListElement.h"

#include <QAbstractListModel>

#include <functional>

namespace orvane::qt {

// The copy list as a list view sees it: rows are read from the element itself, and every
// change is passed on as the one row it added or removed. A survey of 100,000 files adds
// 100,000 rows and the list copy removes them one by one from the front; refilling a widget
// at each change would make the run quadratic.
class CopyListModel final : public QAbstractListModel {
public:
    // `select` is told each selection the run makes, as a row number (-1 for none).
    CopyListModel(ListElement& list, std::function<void(int)> select);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ListElement& list_;
    // The rows the views have been told of; the element changes before it tells the model.
    int rows_ = 0;
};

} // namespace orvane::qt
