// Measures the report window: how long it takes to open on a log of a large run, and what
// its live echo costs a copy run that yields to the event loop at every file.
//
//   orvane-report-bench SCRATCH [--quick]
//
// The copy runs go through the real run controller in survey mode, with the event loop
// pumped at every yield as the window program does, once with the report window closed and
// once with it open, interleaved round by round so both see the same machine. Prints a
// Markdown table of medians and the ratio of the two in the same rounds.

#include "app/RunController.h"
#include "state/MainWindowElements.h"
#include "support/SessionLog.h"
#include "windows/EventPump.h"
#include "windows/SecondaryWindows.h"
#include "windows/WindowDialogs.h"

#include <QApplication>
#include <QElapsedTimer>

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::windows;
namespace fs = std::filesystem;

struct Sizes {
    int files, folders, logLines, rounds;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Workload (b) of the copy benchmark: small files of 1 to 16 KiB spread over folders.
void makeSmallFiles(const fs::path& root, const Sizes& sizes) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(1024, 16 * 1024);
    std::string bytes(16 * 1024, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    for (int number = 0; number < sizes.files; ++number) {
        char folder[16], file[16];
        std::snprintf(folder, sizeof folder, "d%03d", number % sizes.folders);
        std::snprintf(file, sizeof file, "f%05d.bin", number);
        fs::create_directories(root / folder);
        std::ofstream(root / folder / file, std::ios::binary).write(bytes.data(), length(random));
    }
}

// A line as long as a copy run's per-file line.
std::string copyLine(int number) {
    return std::to_string(number) + ". File /home/user/Pictures/2024/holiday/d" +
           std::to_string(number % 200) + "/f" + std::to_string(number) +
           ".bin copied in 0:00:00.001 [ 12.0 kB ]";
}

struct Session {
    RunState state;
    MainWindowElements mainWindow;
    SessionLog log;
    WindowDialogs dialogs = QtDialogs();
    QWidget owner;
    SecondaryWindows windows{
        owner, {log, state, mainWindow, dialogs, [] {}, "", [] { return InfoFacts{}; }}};
};

// Seconds from the Report command to the painted window, and for a plain copy of the same
// lines into a list of strings, the least any list of them costs.
std::pair<double, double> openOnLargeLog(int lines) {
    Session session;
    for (int i = 1; i <= lines; ++i) {
        session.log.AddLogEntry(copyLine(i));
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<std::string> copy;
    for (std::size_t i = 1; i <= session.log.count(); ++i) {
        copy.push_back(session.log.line(i));
    }
    const double reference = clock.nsecsElapsed() / 1e9;

    clock.restart();
    session.windows.showReport();
    QApplication::processEvents();
    const double open = clock.nsecsElapsed() / 1e9;
    if (session.windows.report()->lstErr().count() != static_cast<std::size_t>(lines)) {
        std::fprintf(stderr, "the report window did not list every line\n");
        std::exit(1);
    }
    return {open, reference};
}

struct Timing {
    double wall, cpu; // seconds
};

double cpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// One survey-mode run of the tree into a fresh destination, its events handled by the
// window program's own pump. The process's processor time counts Qt's helper threads too
// and is less disturbed than the wall clock by whatever else the machine runs.
Timing copyRun(const fs::path& source, const fs::path& destination, bool reportOpen) {
    fs::remove_all(destination);
    fs::create_directories(destination);
    ::sync();
    Session session;
    session.log.AddLogEntry("New session started");
    if (reportOpen) {
        session.windows.showReport();
        QApplication::processEvents();
    }
    AlwaysOk ok;
    EventPump pump(session.state, EventPump::kInterval);
    RunController controller(
        session.state, session.mainWindow, session.log, [&pump] { pump(); }, ok, systemClocks(),
        '.');
    session.mainWindow.txtSource.setCaption(source.string());
    session.mainWindow.txtDestination.setCaption(destination.string());
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = cpuSeconds();
    controller.cmdStart_Click();
    const Timing timing{clock.nsecsElapsed() / 1e9, cpuSeconds() - cpuBefore};
    if (reportOpen && session.windows.report()->lstErr().count() != session.log.count()) {
        std::fprintf(stderr, "the report window missed lines of the run\n");
        std::exit(1);
    }
    return timing;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvane-report-bench SCRATCH [--quick]\n");
        return 64;
    }
    const bool quick = argc > 2 && std::string(argv[2]) == "--quick";
    Sizes sizes = quick ? Sizes{500, 10, 10000, 2} : Sizes{20000, 200, 100000, 5};
    if (argc > 3) {
        // A file count and a number of rounds of one's own, for a closer look.
        sizes.files = std::atoi(argv[2]);
        sizes.rounds = std::atoi(argv[3]);
    }
    QApplication application(argc, argv);
    const fs::path scratch = fs::absolute(argv[1]);
    fs::remove_all(scratch);
    makeSmallFiles(scratch / "b-small", sizes);

    std::vector<double> opens, references;
    for (int round = 0; round < sizes.rounds; ++round) {
        const auto [open, reference] = openOnLargeLog(sizes.logLines);
        opens.push_back(open);
        references.push_back(reference);
    }

    // One warm-up round, then the two cases in alternating order.
    std::vector<double> closedWall, openWall, closedCpu, openCpu;
    for (int round = 0; round <= sizes.rounds; ++round) {
        for (const bool reportOpen : {round % 2 == 1, round % 2 == 0}) {
            const Timing timing = copyRun(scratch / "b-small", scratch / "out", reportOpen);
            if (round > 0) {
                (reportOpen ? openWall : closedWall).push_back(timing.wall);
                (reportOpen ? openCpu : closedCpu).push_back(timing.cpu);
            }
        }
        std::fprintf(stderr, "  round %d of %d done\n", round + 1, sizes.rounds + 1);
    }
    fs::remove_all(scratch);

    std::printf("| measurement | median s | ratio |\n|---|---:|---:|\n");
    std::printf("| open the report window on %d log lines | %.3f | %.1f × copying the lines |\n",
                sizes.logLines, median(opens), median(opens) / median(references));
    const auto row = [](const char* what, const std::vector<double>& closed,
                        const std::vector<double>& open) {
        std::printf("| %s, report window closed | %.3f | 1.000 |\n", what, median(closed));
        std::printf("| %s, report window open | %.3f | %.3f |\n", what, median(open),
                    median(open) / median(closed));
    };
    const std::string files = "copy " + std::to_string(sizes.files) + " small files";
    row((files + ", wall clock").c_str(), closedWall, openWall);
    row((files + ", processor time").c_str(), closedCpu, openCpu);
    return 0;
}
