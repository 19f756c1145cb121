// Test main of the window tests: real widgets on the offscreen platform,
// and a settings store of its own so no test touches the user's.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName("KEVRA_8R");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
