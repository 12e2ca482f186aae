#include "platform/color_chooser.h"

#include <QColorDialog>

#include "platform/canvas.h"

namespace {
ColorChooserHook g_hook;
}

std::optional<COLORREF> ChooseColor(QWidget* owner, COLORREF initial) {
    if (g_hook) return g_hook(initial);
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), owner);
    if (!chosen.isValid()) return std::nullopt;
    return MakeColorRef(chosen.red(), chosen.green(), chosen.blue());
}

void SetColorChooserHook(ColorChooserHook hook) { g_hook = std::move(hook); }
