#include "shell/board_size.h"

#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#include "controller/narration.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "settings/options.h"

namespace {
int g_inEffect = 100;
}  // namespace

int BoardSizeOf(int command) {
    switch (command) {
        case ID_BOARD_SIZE_100:
            return 100;
        case ID_BOARD_SIZE_125:
            return 125;
        case ID_BOARD_SIZE_150:
            return 150;
        case ID_BOARD_SIZE_200:
            return 200;
        default:
            return 0;
    }
}

void ScaleForBoardSize() {
    g_inEffect = BoardSizeOrDefault(GetProfileInt(OPTIONS_SECTION, "Zoom", 100));
    if (g_inEffect == 100) return;
    setenv("QT_SCALE_FACTOR", std::to_string(ScaleFactorFor(std::getenv("QT_SCALE_FACTOR"), g_inEffect)).c_str(), 1);
}

int BoardSizeInEffect() { return g_inEffect; }

double ScaleFactorFor(const char* desktopFactor, int percent) {
    double desktop = desktopFactor ? std::strtod(desktopFactor, nullptr) : 1.0;
    // Qt itself ignores a factor it cannot use.
    if (!std::isfinite(desktop) || desktop <= 0) desktop = 1.0;
    return desktop * percent / 100.0;
}

// A size at which the window could keep its board only by shrinking it, as
// the size rule does on narrow screens, is no larger board: it does not fit.
bool BoardSizeFits(int percent, int inEffect, QSize size, QSize frame, QSize available) {
    const double scale = static_cast<double>(percent) / inEffect;
    return size.width() * scale + frame.width() <= available.width() &&
           size.height() * scale + frame.height() <= available.height();
}

bool BoardSizeOffered(const QWidget& window, int percent) {
    const QScreen* screen = window.screen();
    if (!screen) return percent == 100;
    const QSize frame = window.frameGeometry().size() - window.size();
    return BoardSizeFits(percent, g_inEffect, window.size(), frame, screen->availableGeometry().size());
}

void ChooseBoardSize(int percent) {
    Zoom = percent;
    WriteProfileInt(OPTIONS_SECTION, "Zoom", percent);
    ShowNote(percent != g_inEffect ? ResString(IDS_BOARD_SIZE_CHOSEN) : "");
}
