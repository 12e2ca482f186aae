// Turns a dialog template into Qt widgets. Template coordinates are dialog
// units of the template's font; dialog code finds its controls by id.
#pragma once

#include <QWidget>

#include "platform/rect.h"
#include "resources/dialog_templates.h"

class QDialog;

// The font's base units: average character width and height in pixels.
struct DialogBaseUnits {
    int x;
    int y;
};
DialogBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle of dialog units in pixels.
Rect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int w, int h);

// Gives `dialog` the template's title, font, size and controls. Buttons with
// the ids 1 (OK) and 2 (Cancel) accept and reject the dialog. Enter presses
// the push button that has the focus, or with the focus elsewhere the default
// button or else OK. A group box's mnemonic moves the focus to the first
// control after it.
void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

// The control with this id, or nullptr.
QWidget* DialogItem(const QWidget& dialog, int id);
template <class Control>
Control* DialogItemAs(const QWidget& dialog, int id) {
    return qobject_cast<Control*>(DialogItem(dialog, id));
}
