#include "windows/frminfo.h"

#include "windows/WindowTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace orvane {

using namespace windows;

namespace {

// The About window with the program's title, use count and a year of the test's choosing.
struct InfoHarness : test::SecondaryHarness {
    explicit InfoHarness(std::string title = "Orvane", std::int32_t usageCount = 1)
        : SecondaryHarness({}, [this, title, usageCount] {
              return InfoFacts{title, "", usageCount, [this] { return year; }};
          }) {}
    int year = 2026;

    // The About command, then the activation the window gets when it comes to the front.
    frminfo& about() {
        frminfo& window = windows.showAbout();
        window.Form_Activate();
        return window;
    }
};

} // namespace

// The English window states the use count of this start and the version; another language
// code keeps the design's captions. The copyright runs from 2004 to this year, never before;
// a name that fits stays where it is laid out.
TEST(InfoWindow, AboutStatesTheUseCountAndTheVersionInEnglishOnly) {
    const struct {
        QString language;
        int count, year;
        QString used, version, copyright;
    } cases[] = {{"eng", 1, 2026, "Used: 1 time(s).", "Version: 1.0 Build37 BETA", "2004-2026"},
                 {"nld", 7, 1999, "Total used: ", "Version: ", "2004-2004"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        InfoHarness h("Orvane", c.count);
        h.year = c.year;
        frminfo& info = h.windows.showAbout();
        info.lbltaal().setText(c.language);
        info.Form_Activate();
        EXPECT_EQ(info.windowTitle(), "Info   [2.8]");
        EXPECT_EQ(info.lbluse().text(), c.used);
        EXPECT_EQ(info.lblversion().text(), c.version);
        EXPECT_TRUE(info.lblcopyright().text().contains(c.copyright));
        EXPECT_FALSE(info.tmrtitlescrl().isActive());
    }
}

TEST(InfoWindow, ALinkOrTheLogoOpensItsAddressAndBackClosesTheWindow) {
    InfoHarness h;
    frminfo& info = h.about();
    for (QLabel* link : {&info.lblsite(1), &info.lblsite(0), &info.Image1()}) {
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    }
    EXPECT_EQ(h.boxes.opened,
              (std::vector<QString>{"https://grid.orvane.example.org", "https://orvane.example.org",
                                    "https://orvane.example.org"}));

    info.cmdback().click();
    EXPECT_TRUE(test::eventually([&] { return h.windows.info() == nullptr; }));
    EXPECT_EQ(h.windows.showAbout().lbltaal().text(), "eng");
}

} // namespace orvane
