#pragma once

#include "state/ListElement.h"

#include <QAbstractListModel>
#include <QTimer>

namespace orvane::qt {

// The report window's list box as its view sees it: the list element that the session log
// echoes into, shown through this model.
//
// A run logs a line for nearly every file and yields to the event loop after each; a view
// that repainted for every line would cost the run more than the copying of small files.
// The element takes every line and selection at once; the view is told of them together at
// most every kRefreshMs, which still looks live.
class LogListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 100;

    explicit LogListModel(ListElement& list, QObject* parent = nullptr);
    ~LogListModel() override;

    const ListElement& list() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Tells the view now what the element holds: new rows, then the selection.
    void refresh();

signals:
    // The element's selected index, once the view has its row (-1: none).
    void selectionSet(int row);

private:
    void changed();

    ListElement& list_;
    // What the view has been told; the element runs ahead of it between refreshes.
    int rows_ = 0;
    bool selectionPending_ = false;
    QTimer refreshTimer_;
};

} // namespace orvane::qt
