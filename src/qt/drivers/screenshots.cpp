// orvane-screenshots: the README's pictures of the window, idle and during a run, made
// again on any machine by scripts/screenshots (under a virtual X display).
//
//   orvane-screenshots SCRATCH-FOLDER OUTPUT-FOLDER
//
// The run copies a tree made in the scratch folder; the window's INI file and log go there
// as well, so the program's own folder is left alone.

#include "platform/LocaleFacts.h"
#include "qt/MainWindow.h"

#include <chrono>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>

namespace {

using namespace orvane::qt;

void writeFile(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    const QByteArray block(1024 * 1024, 'o');
    for (qint64 written = 0; written < size; written += block.size()) {
        file.write(block);
    }
}

// A tree with a few small files and one large one, so the run is caught mid-file.
QString makeTree(const QString& scratch) {
    const QString source = scratch + "/Photos";
    QDir().mkpath(source + "/2026/December");
    for (int i = 1; i <= 40; ++i) {
        writeFile(QStringLiteral("%1/2026/img_%2.jpg").arg(source).arg(i, 4, 10, QChar('0')),
                  1024 * 1024);
    }
    writeFile(source + "/2026/December/holiday.mov", 768LL * 1024 * 1024);
    QDir().mkpath(scratch + "/Backup");
    return source;
}

bool save(QWidget& window, const QString& path) {
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orvane::platform::adoptUserLocale();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orvane-screenshots SCRATCH-FOLDER OUTPUT-FOLDER\n");
        return 64;
    }
    const QString scratch = QDir(arguments[0]).absolutePath();
    const QString output = QDir(arguments[1]).absolutePath();
    const QString source = makeTree(scratch);

    WindowSetup setup = RunningWindowSetup({});
    const std::string folder = scratch.toStdString();
    setup.program.folders = {orvane::platform::ProgramLayout::Portable, "orvane", folder,
                             folder + "/logs", folder};
    setup.endProgram = [] {};
    // The picture is taken between two yields: every change must be on the window by then.
    setup.program.showInterval = std::chrono::milliseconds(0);
    MainWindow window(std::move(setup));
    window.show();
    QTest::keyClicks(&window.txtSource, source);
    QTest::keyClicks(&window.txtDestination, scratch + "/Backup");
    QTest::qWait(300);
    bool ok = save(window, output + "/window-idle.png");

    // Caught in the middle of the large file: a small file goes from 0 to 100 % in one chunk.
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const auto& e = window.elements();
        if (e.pbFileCopy.Value() >= 40 && e.pbFileCopy.Value() < 100) {
            watch.stop();
            ok = save(window, output + "/window-running.png") && ok;
            window.cmdCancel.click();
        }
    });
    watch.start();
    QTest::mouseClick(&window.cmdStart, Qt::LeftButton);
    window.close();
    return ok ? 0 : 1;
}
