#include "shell/apply_color_scheme.h"

#include <QApplication>
#include <QWidget>

#include "controller/file_failure.h"
#include "controller/session.h"
#include "game/game.h"
#include "platform/main_window.h"
#include "platform/profile.h"
#include "settings/options.h"
#include "settings/scheme_file.h"

void ApplyColorScheme(Session& s, const SchemeSet& schemes, int scheme) {
    s.game.options.colors = schemes[static_cast<std::size_t>(scheme)];
    // A file that cannot be written costs only the saved schemes.
    const FileResult schemesSaved = WriteSchemeFile(schemes);
    s.view.ApplyBackground();
    s.view.RedrawAll();
    // Other windows, such as the statistics window, read the colours when they paint.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != MainWindow() && window->isVisible()) window->update();
    const FileResult choiceSaved = WriteProfileInt(OPTIONS_SECTION, "CurScheme", scheme);
    ShowSaveFailure(s, {{SCHEME_FILE_NAME, schemesSaved}, {g_profile.Path(), choiceSaved}});
}
