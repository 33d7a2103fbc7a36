#include <QApplication>

#include <gtest/gtest.h>

// The windows are tested on the offscreen platform: no display is needed, in CI or here.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform cannot raise a window and says so each time one is brought forward.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& where, const QString& text) {
            if (!text.contains(QStringLiteral("does not support raise()"))) {
                standard(type, where, text);
            }
        });
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
