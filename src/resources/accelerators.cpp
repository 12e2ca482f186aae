#include "resources/accelerators.h"

#include "resources/command_ids.h"

namespace {

constexpr Accelerator Char(char c, int command) { return {c, AccelKey::None, false, command}; }
constexpr Accelerator Key(AccelKey key, bool ctrl, int command) { return {0, key, ctrl, command}; }
constexpr Accelerator CtrlShift(AccelKey key, int command) { return {0, key, true, command, true}; }

constexpr Accelerator kTable[] = {
    Char('/', ID_SHOW_PROGRESS),
    Char('?', ID_SHOW_PROGRESS),
    Key(AccelKey::C, true, ID_COLORS),
    Key(AccelKey::D, true, ID_DOUBLE),
    Key(AccelKey::E, true, ID_SETTINGS),
    Key(AccelKey::F, true, ID_FINISH_GAME),
    Key(AccelKey::H, true, ID_HINT),
    Key(AccelKey::M, true, ID_SUGGEST_MOVE),
    Key(AccelKey::N, true, ID_FILE_NEW),
    Key(AccelKey::O, true, ID_FILE_OPEN),
    Key(AccelKey::R, true, ID_REDRAW),
    Key(AccelKey::S, true, ID_FILE_SAVE),
    Key(AccelKey::Escape, false, ID_UNDO),
    Key(AccelKey::F1, false, ID_HELP),
    Key(AccelKey::Space, false, ID_PASS),
    Key(AccelKey::Space, true, ID_RESIGN),
    Key(AccelKey::W, true, ID_SWITCH_SIDES),
    CtrlShift(AccelKey::C, ID_EDIT_COPY),
    Key(AccelKey::V, true, ID_EDIT_PASTE),
};

}  // namespace

std::span<const Accelerator> MainAccelerators() { return kTable; }
