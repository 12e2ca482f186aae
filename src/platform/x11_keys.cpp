#include "platform/x11_keys.h"

#include <QtGui/qguiapplication_platform.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <QGuiApplication>

#include "platform/virtual_keys.h"

namespace {
KeySym KeySymOf(int vk) {
    if (vk >= 'A' && vk <= 'Z') return XK_a + (vk - 'A');
    if (vk >= '0' && vk <= '9') return XK_0 + (vk - '0');
    switch (vk) {
        case VK_ESCAPE:
            return XK_Escape;
        case VK_SPACE:
            return XK_space;
        case VK_SHIFT:
            return XK_Shift_L;
        case VK_MENU:
            return XK_Alt_L;
        case VK_F1:
            return XK_F1;
        default:
            return NoSymbol;
    }
}
}  // namespace

int X11KeyDown(int vk) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    const KeySym sym = KeySymOf(vk);
    if (!display || sym == NoSymbol) return -1;
    const KeyCode code = XKeysymToKeycode(display, sym);
    if (code == 0) return -1;
    char keys[32];
    XQueryKeymap(display, keys);
    return (keys[code / 8] >> (code % 8)) & 1;
}
