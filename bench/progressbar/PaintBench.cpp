// Times one DrawControl of a 400 x 20 bar with a caption, as the run paints it at every chunk
// report, against two references measured in the same run: the least a paint of those pixels
// can cost (one fill, one bar, one caption on a kept image) and Qt's own progress bar
// rendered into an image. It also counts heap allocations during steady painting, and
// compares the two ways of bringing each assignment to the screen.
#include "progressbar/StoredBars.h"
#include "progressbar/qt/pcProgressBar.h"

#include <QApplication>
#include <QPainter>
#include <QProgressBar>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

namespace {

std::atomic<long> allocations{0};

using Clock = std::chrono::steady_clock;

// Median time of one call in microseconds, over rounds of batch calls each.
double MedianMicros(const std::function<void(int)>& call, int rounds, int batch) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i) {
            call(round * batch + i);
        }
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        times.push_back(spent.count() / batch);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long AllocationsDuring(const std::function<void(int)>& call, int count) {
    const long before = allocations.load();
    for (int i = 0; i < count; ++i) {
        call(i);
    }
    return allocations.load() - before;
}

QString Caption(int i) {
    return QStringLiteral("%1 of 20000 files").arg(i % 20000);
}

} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 41;
    const int batch = 200;

    orvane::pcProgressBar bar;
    bar.resize(400, 20);
    bar.ReadProperties(orvane::pbFileCopySettings());
    bar.setMax(1000);
    bar.setText(QStringLiteral("12345 of 20000 files"));
    bar.show();
    QApplication::processEvents();

    const double drawControl = MedianMicros([&](int i) { bar.setValue(i % 1001); }, rounds, batch);
    const double withText = MedianMicros(
        [&](int i) {
            bar.setValue(i % 1001);
            bar.setText(Caption(i));
        },
        rounds, batch / 2);

    QImage plain(400, 20, QImage::Format_RGB32);
    QPainter painter(&plain);
    const QFont font = bar.font();
    const QString text = QStringLiteral(" 12345 of 20000 files ");
    const double bare = MedianMicros(
        [&](int i) {
            painter.fillRect(0, 0, 400, 20, Qt::lightGray);
            painter.fillRect(1, 1, (i % 398) + 1, 18, Qt::blue);
            painter.setFont(font);
            painter.drawText(QRect(1, 1, 398, 18), Qt::AlignCenter, text);
        },
        rounds, batch);

    QProgressBar qtBar;
    qtBar.resize(400, 20);
    qtBar.setRange(0, 1000);
    qtBar.setFormat(QStringLiteral("12345 of 20000 files"));
    QImage qtImage(400, 20, QImage::Format_ARGB32_Premultiplied);
    const double qt = MedianMicros(
        [&](int i) {
            qtBar.setValue(i % 1001);
            qtBar.render(&qtImage);
        },
        rounds, batch / 4);

    // Steady painting: the same control painted again and again, values changing.
    const long steady = AllocationsDuring([&](int i) { bar.setValue(i % 1001); }, 10000);
    const long repaint = AllocationsDuring([&](int) { bar.DrawControl(); }, 10000);

    // Presentation: a synchronous repaint per assignment against the next paint event.
    const double synchronous = MedianMicros(
        [&](int i) {
            bar.setValue(i % 1001);
            bar.repaint();
        },
        rounds, batch / 4);
    const double coalesced = MedianMicros(
        [&](int i) {
            bar.setValue(i % 1001);
            if (i % 50 == 49) {
                QApplication::processEvents();
            }
        },
        rounds, batch);

    std::printf("| measurement | median µs | × bare paint | × QProgressBar |\n");
    std::printf("|---|---:|---:|---:|\n");
    const auto row = [&](const char* name, double micros) {
        std::printf("| %s | %.2f | %.2f | %.2f |\n", name, micros, micros / bare, micros / qt);
    };
    row("one fill, one bar and one caption on a kept image (reference)", bare);
    row("QProgressBar rendered into an image (reference)", qt);
    row("`Value` assigned: one `DrawControl` of the 400 × 20 bar with caption", drawControl);
    row("`Value` and `Text` assigned: two `DrawControl`s and the caption text", withText);
    row("`Value` assigned and shown with a synchronous `repaint()`", synchronous);
    row("`Value` assigned, shown at the next paint event (events every 50)", coalesced);
    std::printf("\nHeap allocations in 10,000 assignments of `Value`: %ld; in 10,000 "
                "`DrawControl`s: %ld.\n",
                steady, repaint);
    return 0;
}
