// The application: names the profile and the program, creates the main
// window and runs the event loop until the window is gone.
#pragma once

#include <QApplication>
#include <string>

#include "shell/board_size.h"

class GameApp : public QApplication {
public:
    GameApp(int& argc, char** argv, const BoardScale& scale);

    // Creates and shows the main window, then runs games until it closes.
    int Run();

private:
    BoardScale scale_;
};

// Points the profile at kestro.ini in the current folder, names the program,
// makes the program title the caption of message boxes and keeps the standard
// dialogs from storing their state in files.
void InitApplicationNames();

// The width of the primary screen's work area, which chooses the window size.
int PrimaryScreenWidth();
