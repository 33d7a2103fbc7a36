#include "windows/FolderPicker.h"

#include <QDir>

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using windows::BrowseForFolder;

// The dialog's title (an empty one becomes the default and is written back), where it starts
// and its root (folder 17, the drives, is "/"; folder 0, the desktop, the home folder; without a
// starting folder it starts at its root), and the chosen path without a trailing separator,
// except the root.
TEST(BrowseForFolder, TitlesTheDialogStartsItAndReturnsThePathWithoutItsSeparator) {
    const struct {
        std::string title;
        std::optional<int> start;
        int root;
        QString answer;
        std::string titleAfter, returned;
        QString started, rooted;
    } cases[] = {
        {"", std::nullopt, 17, "", "Browse for a folder", "", "/", "/"},
        {"Source Folder", 17, 0, "/srv/data/", "Source Folder", "/srv/data", "/", QDir::homePath()},
        {"t", 17, 0, "/srv/data", "t", "/srv/data", "/", QDir::homePath()},
        {"t", 17, 0, "/", "t", "/", "/", QDir::homePath()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        QStringList call;
        const windows::FolderDialog dialog = [&](QWidget*, const QString& shownTitle,
                                                 const QString& start, const QString& root) {
            call = {shownTitle, start, root};
            return c.answer;
        };
        std::string title = c.title;
        EXPECT_EQ(BrowseForFolder(nullptr, title, c.start, c.root, dialog), c.returned);
        EXPECT_EQ(title, c.titleAfter);
        EXPECT_EQ(call, (QStringList{QString::fromStdString(c.titleAfter), c.started, c.rooted}));
    }
}

} // namespace
} // namespace orvane::test
