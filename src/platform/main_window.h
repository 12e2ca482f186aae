// The program's main window as its dialogs see it: the window they are
// placed over and modal to. Set while the window exists, nullptr otherwise.
#pragma once

class QWidget;

QWidget* MainWindow();
void SetMainWindow(QWidget* window);
