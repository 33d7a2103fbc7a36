// Measures the report window: how long it takes to open on a log of a large run, and what
// its live echo costs a copy run that yields to the event loop at every file.
//
//   orvane-report-bench SCRATCH [--quick]
//
// The copy runs are Start clicks of the real main window (not shown) in survey mode, its
// event pump handling events as the window program does, once with the report window closed
// and once with it open, interleaved round by round so both see the same machine. Prints a
// Markdown table of medians and the ratio of the two in the same rounds.

#include "qt/LogListModel.h"
#include "qt/MainWindow.h"
#include "qt/ReportWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <sys/resource.h>
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
using namespace orvane::qt;
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

// The window program's main window, its INI file and logs in the scratch folder.
fs::path scratchFolder;

struct Session {
    static WindowSetup setup() {
        WindowSetup made = RunningWindowSetup({});
        const std::string folder = scratchFolder.string();
        made.program.folders = {platform::ProgramLayout::Portable, "orvane", folder,
                                folder + "/logs", folder};
        made.endProgram = [] {};
        return made;
    }
    MainWindow window{setup()};
    SessionLog& log = window.logic().sessionLog();
    windowlogic::SecondaryWindows& windows = window.logic().secondaryWindows();
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
    // The session header is the log's first lines.
    if (session.windows.report()->lstErr.count() != session.log.count()) {
        std::fprintf(stderr, "the report window did not list every line\n");
        std::exit(1);
    }
    return {open, reference};
}

struct Timing {
    double wall, user; // seconds
};

// Processor time in user space, of every thread of the process (Qt paints with helpers).
// The report window's work is all there; the file system's is in system time, which on
// a busy machine swings with whatever else it writes.
double userSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec) / 1e6;
}

template <typename Work> Timing timed(Work work) {
    QElapsedTimer clock;
    clock.start();
    const double userBefore = userSeconds();
    work();
    return {clock.nsecsElapsed() / 1e9, userSeconds() - userBefore};
}

void openReportIf(Session& session, bool reportOpen) {
    if (reportOpen) {
        session.windows.showReport();
        QApplication::processEvents();
    }
}

void checkEcho(Session& session, bool reportOpen) {
    if (reportOpen && session.windows.report()->lstErr.count() != session.log.count()) {
        std::fprintf(stderr, "the report window missed lines\n");
        std::exit(1);
    }
}

// One survey-mode run of the tree into a fresh destination, its events handled by the
// window program's own pump.
Timing copyRun(const fs::path& source, const fs::path& destination, bool reportOpen,
               std::size_t& lines) {
    fs::remove_all(destination);
    fs::create_directories(destination);
    ::sync();
    Session session;
    openReportIf(session, reportOpen);
    MainWindowElements& e = session.window.elements();
    e.txtSource.setCaption(source.string());
    e.txtDestination.setCaption(destination.string());
    const Timing timing = timed([&] { session.window.logic().cmdStart_Click(); });
    checkEcho(session, reportOpen);
    lines = session.log.count();
    return timing;
}

// The echo's two costs apart from any run: appending a line (with the window open against
// closed, per line), and one refresh of the open window's view after a line arrived (at
// most ten a second). Medians over `samples` refreshes.
struct EchoCosts {
    double perLineOpen, perLineClosed, perRefresh; // seconds
};

EchoCosts echoCosts(int lines, int samples) {
    double perLine[2] = {0, 0};
    for (const bool reportOpen : {false, true}) {
        Session session;
        openReportIf(session, reportOpen);
        const Timing timing = timed([&] {
            for (int i = 1; i <= lines; ++i) {
                session.log.AddLogEntry(copyLine(i));
            }
        });
        perLine[reportOpen ? 1 : 0] = timing.user / lines;
        QApplication::processEvents();
    }
    Session session;
    openReportIf(session, true);
    std::vector<double> refreshes;
    for (int i = 0; i < samples; ++i) {
        session.log.AddLogEntry(copyLine(i));
        QThread::msleep(LogListModel::kRefreshMs + 10);
        refreshes.push_back(timed([] { QApplication::processEvents(); }).wall);
    }
    checkEcho(session, true);
    return {perLine[1], perLine[0], median(refreshes)};
}

struct Samples {
    std::vector<double> wall, user;
    void add(const Timing& timing) {
        wall.push_back(timing.wall);
        user.push_back(timing.user);
    }
};

// Both cases round by round, in alternating order, after one warm-up round.
template <typename Measure>
std::pair<Samples, Samples> closedAndOpen(int rounds, const char* what, Measure measure) {
    Samples closed, open;
    for (int round = 0; round <= rounds; ++round) {
        for (const bool reportOpen : {round % 2 == 1, round % 2 == 0}) {
            const Timing timing = measure(reportOpen);
            if (round > 0) {
                (reportOpen ? open : closed).add(timing);
            }
        }
        std::fprintf(stderr, "  %s: round %d of %d done\n", what, round + 1, rounds + 1);
    }
    return {closed, open};
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
    scratchFolder = scratch / "program";
    fs::create_directories(scratchFolder);
    makeSmallFiles(scratch / "b-small", sizes);

    std::vector<double> opens, references;
    for (int round = 0; round < sizes.rounds; ++round) {
        const auto [open, reference] = openOnLargeLog(sizes.logLines);
        opens.push_back(open);
        references.push_back(reference);
    }

    const EchoCosts echo = echoCosts(sizes.logLines, 30);

    const fs::path source = scratch / "b-small", destination = scratch / "out";
    std::size_t runLines = 0;
    const auto [runClosed, runOpen] = closedAndOpen(sizes.rounds, "copy", [&](bool reportOpen) {
        return copyRun(source, destination, reportOpen, runLines);
    });
    fs::remove_all(scratch);

    std::printf("| measurement | median s | ratio |\n|---|---:|---:|\n");
    std::printf("| open the report window on %d log lines | %.3f | %.1f × copying the lines |\n",
                sizes.logLines, median(opens), median(opens) / median(references));
    const auto rows = [](const std::string& what, const std::vector<double>& closed,
                         const std::vector<double>& open) {
        std::printf("| %s, report window closed | %.3f | 1.000 |\n", what.c_str(), median(closed));
        std::printf("| %s, report window open | %.3f | %.3f |\n", what.c_str(), median(open),
                    median(open) / median(closed));
    };
    const std::string run = "copy " + std::to_string(sizes.files) + " small files";
    rows(run + ", wall clock", runClosed.wall, runOpen.wall);
    rows(run + ", user time", runClosed.user, runOpen.user);
    // The window's work is processor work on the run's own thread; the wall clock of a busy
    // machine hides it under the file system's swings.
    const double added = median(runOpen.user) - median(runClosed.user);
    std::printf("\nThe open window added %.3f s of user time to a run of %zu log lines: %.1f %% "
                "of the run's wall-clock time with the window closed.\n",
                added, runLines, 100.0 * added / median(runClosed.wall));
    std::printf("Appending a line costs %.2f µs with the window open, %.2f µs with it closed; one "
                "refresh of the open window's view costs %.2f ms.\n",
                echo.perLineOpen * 1e6, echo.perLineClosed * 1e6, echo.perRefresh * 1e3);
    return 0;
}
