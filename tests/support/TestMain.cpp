#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs under one headless application object, so logic and window
// tests alike can use Qt's event loop, fonts and widgets.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
