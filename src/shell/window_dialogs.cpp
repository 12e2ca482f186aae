#include "shell/window_dialogs.h"

#include "controller/session.h"
#include "dialogs/color_scheme_dialog.h"
#include "dialogs/review_window.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/statistics_dialog.h"
#include "platform/modal.h"
#include "settings/options.h"
#include "shell/apply_color_scheme.h"
#include "shell/apply_settings.h"

WindowDialogs::WindowDialogs(QWidget& window, Session& session, BoardDisplay& board)
    : window_(window), session_(session), board_(board), help_(window) {}

void WindowDialogs::Settings() {
    SettingsDialog sheet(&window_, CurrentSettings(session_.game), settingsPage_);
    QObject::connect(&sheet, &SettingsDialog::HelpRequested, [this] { Help(); });
    const bool ok = RunModal(sheet) == QDialog::Accepted;
    settingsPage_ = sheet.ActiveIndex();
    if (ok) ApplySettings(session_, board_, sheet.Chosen());
}

void WindowDialogs::Colors() {
    ColorSchemeDialog dialog(&window_, session_.game.options.curScheme);
    QObject::connect(&dialog, &ColorSchemeDialog::HelpRequested, [this] { Help(); });
    const bool ok = RunModal(dialog) == QDialog::Accepted;
    session_.game.options.curScheme = dialog.Scheme();
    if (ok) ApplyColorScheme(session_, dialog.Schemes(), session_.game.options.curScheme);
}

bool WindowDialogs::Statistics() {
    StatisticsDialog dialog(&window_, session_.game, statisticsExpanded_);
    const bool again = RunModal(dialog) == QDialog::Accepted;
    statisticsExpanded_ = dialog.Expanded();
    return again;
}

void WindowDialogs::Review(ReviewSource& source) {
    ReviewWindow window(&window_, source, session_.game.options);
    QObject::connect(&window, &ReviewWindow::HelpRequested, [this] { Help(); });
    RunModal(window);
}
