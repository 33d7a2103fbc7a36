// Renders a sheet of the progress bar's looks into a PNG file, for people to look at:
//   orvane_progressbar_sheet docs/progressbar.png
#include "progressbar/StoredBars.h"
#include "progressbar/qt/pcProgressBar.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using orvane::pcProgressBar;

struct Sample {
    const char* label;
    QSize size;
    std::function<void(pcProgressBar&)> setup;
};

QImage Checkers(const QColor& a, const QColor& b) {
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            tile.setPixelColor(x, y, ((x / 4 + y / 4) % 2 == 0) ? a : b);
        }
    }
    return tile;
}

QImage Gradient() {
    QImage picture(64, 16, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 64, 0);
    gradient.setColorAt(0, QColor(230, 80, 20));
    gradient.setColorAt(1, QColor(250, 210, 40));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

void Captioned(pcProgressBar& bar, int value) {
    bar.ReadProperties(orvane::pbFileCopySettings());
    bar.setValue(value);
    bar.setText(QStringLiteral("%1 %").arg(value));
}

std::vector<Sample> Samples() {
    return {
        {"pbFileCopy: classic, caption in two colours",
         {300, 20},
         [](pcProgressBar& bar) { Captioned(bar, 45); }},
        {"Segments",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 62);
             bar.setSegments(true);
         }},
        {"pbSaveLog: the defaults",
         {300, 20},
         [](pcProgressBar& bar) {
             bar.ReadProperties(orvane::pbSaveLogSettings());
             bar.setValue(80);
         }},
        {"BorderStyle 0",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 30);
             bar.setBorderStyle(0);
         }},
        {"BorderStyle 1, Appearance 0 (flat)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 30);
             bar.setAppearance(0);
         }},
        {"BorderStyle 1, Appearance 2 (3-D)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 30);
             bar.setAppearance(2);
         }},
        {"BorderStyle 2, Appearance 1 (raised, inside a ring)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 30);
             bar.setBorderStyle(2);
         }},
        {"BorderStyle 2, Appearance 2 (raised 3-D)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 30);
             bar.setBorderStyle(2);
             bar.setAppearance(2);
         }},
        {"Caption aligned left (TextAlignX 0)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 55);
             bar.setTextAlignX(0);
         }},
        {"Pictures tiled (back and bar)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 70);
             bar.setPicture(Checkers(QColor(235, 235, 225), QColor(210, 215, 225)));
             bar.setBarPicture(Gradient());
         }},
        {"Bar picture stretched, ModifyBarPicture(1.3, 0.4)",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 70);
             bar.setBarPictureMode(0);
             bar.setBarPicture(Gradient());
             bar.ModifyBarPicture(1.3, 0.4);
             bar.DrawControl();
         }},
        {"XpStyle: the application's style",
         {300, 20},
         [](pcProgressBar& bar) {
             Captioned(bar, 65);
             bar.setXpStyle(true);
         }},
        {"Vertical (square control counts as vertical)",
         {40, 40},
         [](pcProgressBar& bar) {
             bar.ReadProperties(orvane::pbSaveLogSettings());
             bar.setValue(60);
         }},
        {"Vertical with segments",
         {24, 90},
         [](pcProgressBar& bar) {
             bar.ReadProperties(orvane::pbSaveLogSettings());
             bar.setSegments(true);
             bar.setValue(70);
         }},
        {"Vertical, XpStyle",
         {24, 90},
         [](pcProgressBar& bar) {
             bar.ReadProperties(orvane::pbSaveLogSettings());
             bar.setXpStyle(true);
             bar.setValue(70);
         }},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvane_progressbar_sheet OUTPUT.png\n");
        return 64;
    }
    const std::vector<Sample> samples = Samples();
    const int labelWidth = 330;
    const int margin = 12;
    int height = margin;
    for (const Sample& sample : samples) {
        height += sample.size.height() + margin;
    }
    QImage sheet(labelWidth + 300 + 2 * margin, height, QImage::Format_RGB32);
    sheet.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&sheet);
    int y = margin;
    for (const Sample& sample : samples) {
        pcProgressBar bar;
        bar.resize(sample.size);
        sample.setup(bar);
        painter.setPen(QApplication::palette().color(QPalette::WindowText));
        painter.drawText(QRect(margin, y, labelWidth - margin, sample.size.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(sample.label));
        painter.drawImage(QPoint(margin + labelWidth, y),
                          bar.ComposedImage().copy(QRect(QPoint(0, 0), sample.size)));
        y += sample.size.height() + margin;
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
