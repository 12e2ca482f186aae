#include "platform/key_state.h"

#include <QGuiApplication>

#include "platform/input_filter.h"
#include "platform/virtual_keys.h"
#include "platform/x11_keys.h"

int KeyIsDown(int vk) {
    if (vk == VK_CONTROL) return (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier) ? 1 : 0;
    // The X server knows about keys held while the program was busy; without
    // it (offscreen) the events seen so far are all there is.
    if (const int x = X11KeyDown(vk); x >= 0) return x;
    return KeyTableDown(vk) ? 1 : 0;
}
