#pragma once

#include "state/ListElement.h"

#include <QWidget>

class QListView;

namespace orvane {
class SessionLog;
struct MainWindowElements;
} // namespace orvane

namespace orvane::windows {

class LogListModel;

// The report window: the session log as a list, one line per item, kept up to date while
// the window is open. Loading it reports progress on the main window's save panel.
//
// Closed, loading, live: the constructor loads (it is the window's load), closing unloads.
// The load neither yields nor looks at the run-control flag. It takes well under a second for
// a log of a hundred thousand lines, so there is nothing to cancel, and a Stop still standing
// when it starts belongs to the copy run: it must not leave a half-filled list behind.
class frmErr final : public QWidget {
    Q_OBJECT
public:
    frmErr(SessionLog& log, MainWindowElements& mainWindow, QWidget* owner = nullptr);
    ~frmErr() override;

    // The list box lstErr: its items, and the view that shows them.
    const ListElement& lstErr() const;
    QListView& lstErrView() const { return *view_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void copyLog();
    void showLine(int row);

    SessionLog& log_;
    MainWindowElements& mainWindow_;
    // Children of the window, so the view goes before the model it shows.
    QListView* view_;
    LogListModel* model_;
    // Until unloaded, the log echoes into this window.
    bool loaded_ = false;
};

} // namespace orvane::windows
