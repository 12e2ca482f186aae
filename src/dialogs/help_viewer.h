// Help: an in-program window over the help pages shipped with the program,
// opened at the topic of the window that is active.
#pragma once

#include <QObject>
#include <QPointer>
#include <string>

class QTextBrowser;
class QWidget;

// The topic keyword of an active window: the one it was given (a message box
// is given the topic of the command that raised it), else the one told by its
// class: "settings" for the Settings sheet (class SettingsDialog), "colors"
// for the colour dialog (ColorSchemeDialog), "doubling" for the Resign dialog
// (ResignDialog). A window without a topic of its own has that of the window
// it belongs to; empty, meaning the contents, when none has one. Those
// classes declare Q_OBJECT so that their class is known at run time.
std::string HelpTopicFor(const QWidget* active);

// The one help window of the main window. While the viewer lives, F1 in any
// of the program's dialogs, with Shift, Ctrl and Alt up, opens the help as
// the Help command does. Needs the application object.
class HelpViewer : public QObject {
public:
    explicit HelpViewer(QWidget& mainWindow);
    ~HelpViewer() override;

    // The Help command: opens the help at the active window's topic, or at
    // the contents, over the main window. It belongs to the active window
    // when that is a dialog, so that it stays usable over a modal dialog, and
    // to the main window otherwise. Esc and Ctrl+W close it.
    void Show();

    // The open help window, or nullptr.
    QTextBrowser* Window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextBrowser* WindowOwnedBy(QWidget* owner);

    QWidget& mainWindow_;
    QPointer<QTextBrowser> help_;
};
