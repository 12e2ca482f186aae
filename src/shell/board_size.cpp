#include "shell/board_size.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "controller/narration.h"
#include "controller/session.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "settings/options.h"

namespace {
// The most a window manager's frame, title bar included, takes of the
// screen's pixels; the frame is known only once a window is shown.
constexpr QSize kFrameAllowance(16, 48);
// The whole window, menu and status bar included, at scale 1 on a wide screen.
constexpr QSize kFullWindow(800, 560);
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

BoardScale ScaleForBoardSize() {
    const BoardScale scale{BoardSizeOrDefault(GetProfileInt(OPTIONS_SECTION, "Zoom", 100))};
    if (scale.inEffect != 100)
        setenv("QT_SCALE_FACTOR",
               std::to_string(ScaleFactorFor(std::getenv("QT_SCALE_FACTOR"), scale.inEffect)).c_str(), 1);
    return scale;
}

void FitScaleToScreen(int argc, char** argv, BoardScale& boardScale) {
    double scale = 1.0;
    QSize available;
    {
        // The screen is known only to an application; this one sees it at
        // the scale the real one would start with, and goes again.
        std::vector<char*> args(argv, argv + argc);
        QGuiApplication probe(argc, args.data());
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        scale = screen->devicePixelRatio();
        available = screen->availableGeometry().size() * scale;
    }
    const double fit = FittingScale(scale, kFullWindow, kFrameAllowance, available);
    if (fit >= scale || fit <= 0) return;
    boardScale.fitted = fit / scale;
    setenv("QT_SCALE_FACTOR",
           std::to_string(ScaleFactorFor(std::getenv("QT_SCALE_FACTOR"), 100) * boardScale.fitted).c_str(), 1);
}

double FittingScale(double scale, QSize window, QSize frame, QSize available) {
    // At scale 1 the size rule itself fits the window to a narrow screen, in
    // whole pixels; a fraction below 1 would only draw it soft.
    if (scale <= 1.0) return scale;
    const double across = static_cast<double>(available.width() - frame.width()) / window.width();
    const double down = static_cast<double>(available.height() - frame.height()) / window.height();
    return std::clamp(std::min(across, down), 1.0, scale);
}

QPoint StartPosition(const QWidget& window, const BoardScale& scale) {
    const QScreen* screen = window.screen();
    if (scale.fitted >= 1.0 || !screen) return {10, 10};
    return screen->availableGeometry().topLeft();
}

double ScaleFactorFor(const char* desktopFactor, int percent) {
    double desktop = desktopFactor ? std::strtod(desktopFactor, nullptr) : 1.0;
    // Qt itself ignores a factor it cannot use.
    if (!std::isfinite(desktop) || desktop <= 0) desktop = 1.0;
    return desktop * percent / 100.0;
}

// A size at which the window could keep its board only by shrinking it, as
// the size rule does on narrow screens, is no larger board: it does not fit.
bool BoardSizeFits(int percent, double inEffect, QSize size, QSize frame, QSize available) {
    const double scale = percent / inEffect;
    return size.width() * scale + frame.width() <= available.width() &&
           size.height() * scale + frame.height() <= available.height();
}

bool BoardSizeOffered(const QWidget& window, int percent, const BoardScale& scale) {
    const QScreen* screen = window.screen();
    if (!screen) return percent == 100;
    const QSize frame = window.frameGeometry().size() - window.size();
    return BoardSizeFits(percent, scale.inEffect * scale.fitted, window.size(), frame,
                         screen->availableGeometry().size());
}

void ChooseBoardSize(Session& s, int percent, int inEffect) {
    s.game.options.zoom = percent;
    WriteProfileInt(OPTIONS_SECTION, "Zoom", percent);
    ShowNote(s, percent != inEffect ? ResString(IDS_BOARD_SIZE_CHOSEN) : "");
}
