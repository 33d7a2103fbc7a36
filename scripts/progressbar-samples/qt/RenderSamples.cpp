// Renders the progress bar's samples with the Qt back end, one 32-bit bitmap file each:
//   orvane_progressbar_samples OUTDIR
// and writes beside them glyphs.txt (for each sample with a caption, the box of the pixels the
// caption changes) and colors.reg (the system colours the Qt back end used, for a Wine prefix).
//   orvane_progressbar_samples --sheet OUT.png DIR NAME...
// stacks the named bitmaps of DIR into one picture with their names, for people to look at.
#include "../Samples.h"

#include "progressbar/qt/SystemColors.h"
#include "progressbar/qt/pcProgressBar.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

using namespace orvane;

namespace {

// The names under which the registry keeps system colours 0-30.
constexpr std::array<const char*, 31> kColorNames{"Scrollbar",
                                                  "Background",
                                                  "ActiveTitle",
                                                  "InactiveTitle",
                                                  "Menu",
                                                  "Window",
                                                  "WindowFrame",
                                                  "MenuText",
                                                  "WindowText",
                                                  "TitleText",
                                                  "ActiveBorder",
                                                  "InactiveBorder",
                                                  "AppWorkspace",
                                                  "Hilight",
                                                  "HilightText",
                                                  "ButtonFace",
                                                  "ButtonShadow",
                                                  "GrayText",
                                                  "ButtonText",
                                                  "InactiveTitleText",
                                                  "ButtonHilight",
                                                  "ButtonDkShadow",
                                                  "ButtonLight",
                                                  "InfoText",
                                                  "InfoWindow",
                                                  "ButtonAlternateFace",
                                                  "HotTrackingColor",
                                                  "GradientActiveTitle",
                                                  "GradientInactiveTitle",
                                                  "MenuHilight",
                                                  "MenuBar"};

std::vector<std::uint32_t> Pixels(const pcProgressBar& bar) {
    const QImage image = bar.ComposedImage().copy(0, 0, bar.width(), bar.height());
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            pixels.push_back(image.pixel(x, y) & 0xFFFFFFU);
        }
    }
    return pixels;
}

void WriteColors(const std::string& path, const QPalette& palette) {
    std::ofstream file(path);
    file << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\n";
    for (std::size_t index = 0; index < kColorNames.size(); ++index) {
        const QColor color = SystemColor(static_cast<int>(index), palette);
        file << '"' << kColorNames[index] << "\"=\"" << color.red() << ' ' << color.green() << ' '
             << color.blue() << "\"\n";
    }
}

int Render(const std::string& directory) {
    std::ofstream glyphs(directory + "/glyphs.txt");
    for (const samples::Sample& sample : samples::AllSamples()) {
        pcProgressBar bar;
        bar.resize(sample.width, sample.height);
        sample.setup(bar);
        const std::vector<std::uint32_t> pixels = Pixels(bar);
        if (!samples::WriteBitmap(directory + "/" + sample.name + ".bmp", pixels, sample.width,
                                  sample.height)) {
            std::fprintf(stderr, "cannot write %s\n", sample.name.c_str());
            return 1;
        }
        if (samples::DrawsCaption(sample)) {
            bar.setShowText(false);
            const samples::Box box = samples::DifferenceBox(pixels, Pixels(bar), sample.width);
            glyphs << sample.name << ' ' << box.left << ' ' << box.top << ' ' << box.right << ' '
                   << box.bottom << '\n';
        }
    }
    WriteColors(directory + "/colors.reg", pcProgressBar().palette());
    return glyphs ? 0 : 1;
}

int Sheet(const QString& output, const QDir& directory, const QStringList& names) {
    const int margin = 10;
    const int labelWidth = 190;
    QList<QImage> images;
    int width = 0;
    int height = margin;
    for (const QString& name : names) {
        images.append(QImage(directory.filePath(name + QStringLiteral(".bmp"))));
        width = std::max(width, images.last().width());
        height += images.last().height() + margin;
    }
    QImage sheet(labelWidth + width + 2 * margin, height, QImage::Format_RGB32);
    sheet.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&sheet);
    painter.setPen(QApplication::palette().color(QPalette::WindowText));
    int y = margin;
    for (qsizetype i = 0; i < names.size(); ++i) {
        painter.drawText(QRect(margin, y, labelWidth - margin, images[i].height()),
                         Qt::AlignVCenter | Qt::AlignLeft, names[i]);
        painter.drawImage(QPoint(margin + labelWidth, y), images[i]);
        y += images[i].height() + margin;
    }
    painter.end();
    return sheet.save(output) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2) {
        return Render(arguments[1].toStdString());
    }
    if (arguments.size() > 4 && arguments[1] == QStringLiteral("--sheet")) {
        return Sheet(arguments[2], QDir(arguments[3]), arguments.mid(4));
    }
    std::fprintf(stderr, "usage: orvane_progressbar_samples OUTDIR\n"
                         "       orvane_progressbar_samples --sheet OUT.png DIR NAME...\n");
    return 64;
}
