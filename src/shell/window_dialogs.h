// The main window's dialogs: each runs over the window, and what the player
// chose is put in force here. Between openings the window keeps what they
// remember: the page the Settings sheet was left on, whether the statistics
// window shows its graph, and the one help window.
#pragma once

#include "dialogs/help_viewer.h"

class BoardDisplay;
class QTextBrowser;
class QWidget;
class ReviewSource;
struct Session;

class WindowDialogs {
public:
    WindowDialogs(QWidget& window, Session& session, BoardDisplay& board);

    // The Settings command: opens on the page shown last, Game the first time.
    void Settings();
    // The Colors command: opens on the scheme in force, or on the one last
    // selected when the dialog ended with Cancel.
    void Colors();
    // The Help command.
    void Help() { help_.Show(); }
    // The statistics window of the game just ended, first with its graph part
    // hidden and then as the user left it; true when the user chose "Again".
    bool Statistics();
    // The Review games command's window over the kept games.
    void Review(ReviewSource& source);

    QTextBrowser* HelpWindow() const { return help_.Window(); }

private:
    QWidget& window_;
    Session& session_;
    BoardDisplay& board_;
    int settingsPage_ = 0;
    bool statisticsExpanded_ = false;
    HelpViewer help_;
};
