#include "windows/FolderPicker.h"
#include "windows/WindowHarness.h"

#include <QFileDialog>

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using windows::BrowseForFolder;

struct DialogCall {
    QString title;
    QString start;
    QString root;
};

windows::FolderDialog answering(const QString& answer, DialogCall& call) {
    return
        [answer, &call](QWidget*, const QString& title, const QString& start, const QString& root) {
            call = {title, start, root};
            return answer;
        };
}

TEST(BrowseForFolder, AnEmptyTitleBecomesTheDefaultAndIsWrittenBack) {
    DialogCall call;
    std::string title;
    BrowseForFolder(nullptr, title, std::nullopt, 0, answering("", call));
    EXPECT_EQ(title, "Browse for a folder");
    EXPECT_EQ(call.title, "Browse for a folder");
}

TEST(BrowseForFolder, TheDrivesFolderIsTheRootAndTheDesktopTheHomeFolder) {
    DialogCall call;
    std::string title = "Source Folder";
    BrowseForFolder(nullptr, title, 17, 0, answering("", call));
    EXPECT_EQ(title, "Source Folder");
    EXPECT_EQ(call.start, "/");
    EXPECT_EQ(call.root, QDir::homePath());
    // Without a starting folder the dialog starts at its root.
    BrowseForFolder(nullptr, title, std::nullopt, 17, answering("", call));
    EXPECT_EQ(call.start, "/");
}

TEST(BrowseForFolder, ThePathComesBackWithoutATrailingSeparatorExceptTheRoot) {
    DialogCall call;
    std::string title = "t";
    EXPECT_EQ(BrowseForFolder(nullptr, title, 17, 0, answering("/srv/data/", call)), "/srv/data");
    EXPECT_EQ(BrowseForFolder(nullptr, title, 17, 0, answering("/srv/data", call)), "/srv/data");
    EXPECT_EQ(BrowseForFolder(nullptr, title, 17, 0, answering("/", call)), "/");
    EXPECT_EQ(BrowseForFolder(nullptr, title, 17, 0, answering("", call)), "");
}

TEST(BrowseButtons, AChosenFolderFillsTheBoxAndACancelledDialogLeavesIt) {
    WindowHarness harness;
    windows::frmMain& w = harness.window();
    QString title;
    QString start;
    w.dialogs().chooseFolder = [&](QWidget*, const QString& t, const QString& s, const QString&) {
        title = t;
        start = s;
        return QString::fromStdString(harness.nextFolder);
    };
    harness.nextFolder = "/srv/photos";
    QTest::mouseClick(&w.cmdBrowseSou, Qt::LeftButton);
    EXPECT_EQ(title, "Source Folder");
    EXPECT_EQ(start, "/");
    EXPECT_EQ(w.txtSource.text(), "/srv/photos");
    EXPECT_EQ(harness.elements().txtSource.caption(), "/srv/photos");

    harness.nextFolder = "/media/backup";
    QTest::mouseClick(&w.cmdBrowseDes, Qt::LeftButton);
    EXPECT_EQ(title, "Destination Folder");
    EXPECT_EQ(harness.elements().txtDestination.caption(), "/media/backup");

    harness.nextFolder = "";
    QTest::mouseClick(&w.cmdBrowseSou, Qt::LeftButton);
    QTest::mouseClick(&w.cmdBrowseDes, Qt::LeftButton);
    EXPECT_EQ(w.txtSource.text(), "/srv/photos");
    EXPECT_EQ(w.txtDestination.text(), "/media/backup");
}

TEST(BrowseButtons, TheRealDialogIsTitledOpensAtTheRootAndCancelChangesNothing) {
    WindowHarness harness;
    windows::frmMain& w = harness.window();
    w.dialogs() = windows::QtDialogs();
    harness.elements().txtSource.setCaption("/kept");
    QString title;
    QString folder;
    harness.whenDuringRun(
        [] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; },
        [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            title = dialog->windowTitle();
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
    QTest::mouseClick(&w.cmdBrowseSou, Qt::LeftButton);
    EXPECT_EQ(title, "Source Folder");
    EXPECT_EQ(folder, "/");
    EXPECT_EQ(w.txtSource.text(), "/kept");
}

} // namespace
} // namespace orvane::test
