#include "platform/input_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcutEvent>
#include <bitset>

#include "platform/virtual_keys.h"

namespace {
bool IsInputEvent(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

class InputFilter : public QObject {
public:
    bool swallow = false;
    std::bitset<256> down;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            // A key bound to a shortcut never arrives as a key press, only as
            // its override request, so both count as the key going down.
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
                Record(static_cast<QKeyEvent*>(event)->key(), true);
                break;
            case QEvent::KeyRelease:
                Record(static_cast<QKeyEvent*>(event)->key(), false);
                break;
            case QEvent::ApplicationDeactivate:
                down.reset();
                break;
            default:
                break;
        }
        if (swallow && IsInputEvent(event->type())) return true;
        return QObject::eventFilter(watched, event);
    }

private:
    void Record(int qtKey, bool isDown) {
        const int vk = VirtualKeyOf(qtKey);
        if (vk != VK_NONE) down[static_cast<std::size_t>(vk)] = isDown;
    }
};

InputFilter* g_filter = nullptr;
}  // namespace

void InstallInputFilter() {
    if (g_filter) return;
    g_filter = new InputFilter;
    g_filter->setParent(qApp);
    qApp->installEventFilter(g_filter);
}

bool KeyTableDown(int vk) { return g_filter && vk >= 0 && vk < 256 && g_filter->down[static_cast<std::size_t>(vk)]; }

void SetSwallowInput(bool on) {
    if (g_filter) g_filter->swallow = on;
}

bool SwallowingInput() { return g_filter && g_filter->swallow; }
