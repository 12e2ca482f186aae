// The templates defined in the dialog_*.cpp files of this folder, gathered by
// dialog_templates.cpp.
#pragma once

#include "resources/dialog_templates.h"

extern const DialogTemplate kStatisticsDialog;
extern const DialogTemplate kColorsDialog;
extern const DialogTemplate kResignDialog;
extern const DialogTemplate kAboutDialog;
extern const DialogTemplate kGameSettingsPage;
extern const DialogTemplate kVisualSettingsPage;
extern const DialogTemplate kMatchSettingsPage;
extern const DialogTemplate kManualDiceDialog;

// The font every template uses.
inline constexpr const char* kDialogFont = "MS Sans Serif";
inline constexpr int kDialogFontPoints = 8;
