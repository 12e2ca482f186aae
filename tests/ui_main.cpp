// The window tests run without a display unless told otherwise, in one
// application object, in a folder of their own so that the settings and
// scheme files the window reads and writes are the tests' own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "temp_dir.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    TempDir dir("ui");
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(dir.File(""));
    const int result = RUN_ALL_TESTS();
    std::filesystem::current_path(home);
    return result;
}
