// The platform's colour chooser, with a seam through which tests pick colours.
#pragma once

#include <functional>
#include <optional>

#include "platform/color.h"

class QWidget;

// Asks the user for a colour, starting on `initial`; nothing when cancelled.
// The chooser offers its custom colours, which it keeps for the run.
std::optional<COLORREF> ChooseColor(QWidget* owner, COLORREF initial);

// A function that answers in the chooser's place; an empty one shows the
// real chooser again.
using ColorChooserHook = std::function<std::optional<COLORREF>(COLORREF initial)>;
void SetColorChooserHook(ColorChooserHook hook);
