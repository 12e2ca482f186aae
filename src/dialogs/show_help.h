// Help: an in-program window over the help pages shipped with the program,
// opened at the topic of the window that is active.
#pragma once

#include <string>

class QTextBrowser;
class QWidget;

// The topic keyword of an active window, told by its class: "settings" for
// the Settings sheet (class SettingsSheet), "colors" for the colour dialog
// (BackgClr), "doubling" for the Resign dialog (GvUpDlg); empty, meaning the
// contents, for any other window or none. Those classes declare Q_OBJECT so
// that their class is known at run time.
std::string HelpTopicFor(const QWidget* active);

// The Help command: opens the help at the active window's topic, or at the
// contents. It belongs to the active window when that is a dialog, so that it
// stays usable over a modal dialog, and to the main window otherwise.
void ShowHelp();

// Makes F1 in any of the program's dialogs, with Shift, Ctrl and Alt up, open
// the help as the Help command does. Needs the application object.
void InstallHelpKey();

// The open help window, or nullptr.
QTextBrowser* HelpWindow();
