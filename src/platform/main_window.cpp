#include "platform/main_window.h"

namespace {
QWidget* g_mainWindow = nullptr;
}

QWidget* MainWindow() { return g_mainWindow; }

void SetMainWindow(QWidget* window) { g_mainWindow = window; }
