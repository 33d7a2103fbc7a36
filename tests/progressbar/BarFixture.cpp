#include "BarFixture.h"

#include <QTest>

#include <gtest/gtest.h>

namespace orvane::testing {

QPalette DistinctPalette() {
    QPalette palette;
    palette.setColor(QPalette::Button, kButton);
    palette.setColor(QPalette::Dark, kDark);
    palette.setColor(QPalette::Light, kLight);
    palette.setColor(QPalette::Shadow, kShadow);
    palette.setColor(QPalette::Midlight, kMidlight);
    palette.setColor(QPalette::WindowText, kWindowText);
    palette.setColor(QPalette::Highlight, kHighlight);
    palette.setColor(QPalette::Text, kText);
    return palette;
}

std::unique_ptr<pcProgressBar> MakeBar(int width, int height) {
    auto bar = std::make_unique<pcProgressBar>();
    bar->setPalette(DistinctPalette());
    bar->resize(width, height);
    bar->InitProperties();
    return bar;
}

void ShowCaption(pcProgressBar& bar, const QString& text) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    bar.setFont(font);
    bar.setForeColor(0x0000FF);
    bar.setBarForeColor(0x00FF00);
    bar.setText(text);
    bar.setShowText(true);
}

QImage Composed(const pcProgressBar& bar) {
    return bar.ComposedImage().copy(0, 0, bar.width(), bar.height());
}

void ShowOnScreen(pcProgressBar& bar) {
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
}

void ExpectPixels(const QImage& image, std::initializer_list<Probe> probes) {
    for (const Probe& probe : probes) {
        for (const QPoint& at : probe.at) {
            EXPECT_EQ(QColor(image.pixel(at)), probe.color) << "at " << at.x() << "," << at.y();
        }
    }
}

Columns ColumnsOf(const QImage& image, const QColor& color, const QRect& area) {
    Columns columns;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (QColor(image.pixel(x, y)) != color) {
                continue;
            }
            columns.first = columns.first < 0 ? x : std::min(columns.first, x);
            columns.last = std::max(columns.last, x);
        }
    }
    return columns;
}

} // namespace orvane::testing
