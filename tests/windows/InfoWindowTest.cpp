#include "windows/frminfo.h"

#include "windows/Twips.h"
#include "windows/WindowTestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

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

bool bold(const QLabel& label) {
    return label.font().bold();
}
QColor colour(const QLabel& label) {
    return label.palette().color(QPalette::WindowText);
}

void send(QWidget& target, QEvent::Type type) {
    const QPointF inside(2, 2);
    QMouseEvent event(type, inside, target.mapToGlobal(inside),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

void click(QWidget& target) {
    send(target, QEvent::MouseButtonPress);
    send(target, QEvent::MouseButtonRelease);
}

} // namespace

// The English window states the use count of this start and the version; another language
// code keeps the design's captions.
TEST(InfoWindow, AboutStatesTheUseCountAndTheVersionInEnglishOnly) {
    const std::tuple<QString, int, QString, QString> cases[] = {
        {"eng", 1, "Used: 1 time(s).", "Version: 1.0 Build37 BETA"},
        {"nld", 7, "Total used: ", "Version: "}};
    for (const auto& [language, count, used, version] : cases) {
        SCOPED_TRACE(language.toStdString());
        InfoHarness h("Orvane", count);
        frminfo& info = h.windows.showAbout();
        info.lbltaal().setText(language);
        info.Form_Activate();
        EXPECT_EQ(info.windowTitle(), "Info   [2.8]");
        EXPECT_EQ(info.lbluse().text(), used);
        EXPECT_EQ(info.lblversion().text(), version);
    }
}

TEST(InfoWindow, TheCopyrightLineNeverEndsBefore2004) {
    for (const auto& [year, shown] : std::vector<std::pair<int, QString>>{
             {1999, "2004-2004"}, {2004, "2004-2004"}, {2026, "2004-2026"}}) {
        InfoHarness h;
        h.year = year;
        EXPECT_TRUE(h.about().lblcopyright().text().contains(shown)) << year;
    }
}

TEST(InfoWindow, ANameThatFitsStaysWhereItIsLaidOut) {
    InfoHarness h;
    frminfo& info = h.about();
    const QPoint laidOut = info.lblproduct().pos();
    EXPECT_LT(info.lblproduct().width(), info.width());
    EXPECT_FALSE(info.tmrtitlescrl().isActive());
    QApplication::processEvents();
    EXPECT_EQ(info.lblproduct().pos(), laidOut);
}

TEST(InfoWindow, ANameThatDoesNotFitMoves58TwipsPerTickAndStartsAgainAtTheRightEdge) {
    InfoHarness h("Orvane, the folder tree copier that shows its progress while it works");
    frminfo& info = h.about();
    QLabel& product = info.lblproduct();
    ASSERT_GT(product.width(), info.width());
    EXPECT_TRUE(info.tmrtitlescrl().isActive());
    EXPECT_EQ(info.tmrtitlescrl().interval(), 36);

    const int start = info.productLeft();
    info.tmrtitlescrl_Timer();
    EXPECT_EQ(info.productLeft(), start - 58);
    EXPECT_EQ(product.x(), TwipsToPixels(start - 58, info.logicalDpiX()));

    const int width = PixelsToTwips(product.width(), info.logicalDpiX());
    int ticks = 1;
    while (info.productLeft() > -width) {
        info.tmrtitlescrl_Timer();
        ASSERT_LT(++ticks, 100000);
    }
    EXPECT_EQ(ticks, (start + width + 57) / 58);
    info.tmrtitlescrl_Timer();
    EXPECT_EQ(info.productLeft(),
              PixelsToTwips(info.frameGeometry().width(), info.logicalDpiX()) - 58);
}

// The link under the pointer is bold and pure red, the other one plain and dark red (192, 0, 0),
// until the pointer reaches the frame around them.
TEST(InfoWindow, TheLinkUnderThePointerIsBoldAndPureRedUntilThePointerReachesTheFrame) {
    InfoHarness h;
    frminfo& info = h.about();
    QLabel& site = info.lblsite(0);
    QLabel& project = info.lblsite(1);
    EXPECT_EQ(site.text(), "https://orvane.example.org");
    EXPECT_EQ(project.text(), "https://grid.orvane.example.org");
    const std::tuple<QWidget*, QLabel*, Qt::CursorShape> moves[] = {
        {&project, &project, Qt::UpArrowCursor},
        {&site, &site, Qt::UpArrowCursor},
        {&info.Frame1(), nullptr, Qt::ArrowCursor}};
    for (const auto& [under, hot, cursor] : moves) {
        SCOPED_TRACE(under->objectName().toStdString());
        send(*under, QEvent::MouseMove);
        for (QLabel* label : {&site, &project}) {
            EXPECT_EQ(bold(*label), label == hot);
            EXPECT_EQ(colour(*label), label == hot ? QColor(255, 0, 0) : QColor(192, 0, 0));
        }
        EXPECT_EQ(info.cursor().shape(), cursor);
    }
}

TEST(InfoWindow, ALinkOrTheLogoOpensItsAddressAndBackClosesTheWindow) {
    InfoHarness h;
    frminfo& info = h.about();
    click(info.lblsite(1));
    click(info.lblsite(0));
    click(info.Image1());
    EXPECT_EQ(h.boxes.opened,
              (std::vector<QString>{"https://grid.orvane.example.org", "https://orvane.example.org",
                                    "https://orvane.example.org"}));

    info.cmdback().click();
    EXPECT_TRUE(test::eventually([&] { return h.windows.info() == nullptr; }));
    EXPECT_EQ(h.windows.showAbout().lbltaal().text(), "eng");
}

} // namespace orvane
