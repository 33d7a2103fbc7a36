#include "qt/OrvaneApplication.h"
#include "qt/UnloadSignals.h"
#include "qt/WindowHarness.h"
#include "support/VersionText.h"

#include <QCoreApplication>
#include <QDir>
#include <QStyle>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <stdexcept>

namespace orvane::test {
namespace {

using qt::MainWindow;
using windowlogic::MenuCommand;

// The window's outer size in pixels at 96 dots per inch, a part of one going to the nearest:
// 6450 twips are 430, 13050 are 870 and 10000 are 666.67, so 667; the height of 3795 twips is
// 253. Without a window manager (as here) nothing draws a frame, so the window's own area is
// that less a title bar as the style draws one.
TEST(StartUp, TheWindowTakesItsOuterSizeCaptionAndDebugEntry) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        WindowHarness harness(debug ? "-debug" : "");
        MainWindow& window = harness.window();
        ASSERT_EQ(window.logicalDpiX(), 96);
        EXPECT_EQ(window.windowTitle().toStdString(), TitleText() + (debug ? " DEBUG" : ""));
        EXPECT_EQ(window.entry(MenuCommand::mnuOptDebug).isVisible(), debug);
        const int titleBar =
            window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        EXPECT_EQ(window.height(), 253 - titleBar);
        EXPECT_EQ(window.width(), debug ? 870 : 430);

        QTest::mouseClick(&window.cmdOptions, Qt::LeftButton);
        EXPECT_EQ(window.width(), debug ? 430 : 667);
        EXPECT_EQ(window.cmdOptions.text(), debug ? "&Options >>" : "&Options <<");
        EXPECT_EQ(window.lstCopy.isHidden(), debug);
    }
}

// Once a frame is reported (the offscreen platform reports one of its own for a shown
// window) the window with its frame is 430 × 253 pixels, and the copy-status panel, the
// tallest part of the window, still fits in what is left inside.
TEST(StartUp, AReportedFrameIsTakenOffTheOuterSize) {
    WindowHarness harness;
    MainWindow& window = harness.window();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_NE(window.frameGeometry().size(), window.size()) << "no frame reported";
    EXPECT_EQ(window.frameGeometry().size(), QSize(430, 253));
    const QPoint bottom = window.fraCopy.mapTo(&window, window.fraCopy.rect().bottomLeft());
    EXPECT_LT(bottom.y(), window.height());
}

// The folder dialog opens at the computer's drives, "/" here, within the desktop, the home
// folder.
TEST(StartUp, TheSpecialFoldersAreTheRootAndTheHomeFolder) {
    EXPECT_EQ(qt::SpecialFolderPath(17), "/");
    EXPECT_EQ(qt::SpecialFolderPath(0), QDir::homePath());
}

// A signal reaches the window at its next handling of events (during a run, at the run's
// next yield, as a Quit does) and unloads it, which saves the log.
TEST(UnloadSignals, ASignalUnloadsTheWindowWhichSavesTheLog) {
    WindowHarness harness;
    MainWindow& w = harness.window();
    const qt::UnloadSignals unloadSignals([&w](int) { w.unloadWithoutQuestions(); });
    std::raise(SIGTERM);
    EXPECT_TRUE(eventually([&] { return w.logic().unloaded(); }));
    EXPECT_EQ(harness.endings, 1);
    EXPECT_EQ(harness.logFile().rfind("New session started on ", 0), 0U);
}

// An object whose every event fails, as a handler with a fault would.
class FailingObject : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("a fault in a handler"); }
};

TEST(OrvaneApplication, AnExceptionFromAHandlerUnloadsTheWindowInsteadOfEndingTheProgram) {
    auto* application = dynamic_cast<qt::OrvaneApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    WindowHarness harness;
    application->setFailureHandler([&harness] { harness.window().unloadWithoutQuestions(); });
    FailingObject failing;
    // The event queue takes the event over.
    QCoreApplication::postEvent(&failing, std::make_unique<QEvent>(QEvent::User).release());
    // The failure ends the event loop with the failure status.
    EXPECT_EQ(QCoreApplication::exec(), qt::OrvaneApplication::kFailureStatus);
    application->setFailureHandler({});

    EXPECT_TRUE(harness.window().logic().unloaded());
    EXPECT_EQ(harness.logFile().rfind("New session started on ", 0), 0U);
}

} // namespace
} // namespace orvane::test
