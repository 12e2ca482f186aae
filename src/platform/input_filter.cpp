#include "platform/input_filter.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcutEvent>
#include <bitset>

#include "platform/key_state.h"
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
    // Keys already down when a dialog opened. Until they go up, their presses,
    // the repeats and one that waited while the program was busy, belong to
    // what came before: a key held to stop Finish game must not quit the
    // statistics window that the game's end opens under it.
    std::bitset<256> heldOver;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        bool old = false;
        switch (event->type()) {
            // A key bound to a shortcut never arrives as a key press, only as
            // its override request, so both count as the key going down.
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
                old = Record(static_cast<QKeyEvent*>(event)->key(), true);
                break;
            case QEvent::KeyRelease: {
                const auto* key = static_cast<QKeyEvent*>(event);
                old = Record(key->key(), false);
                // Where the server repeats a key as release and press, a
                // repeat is not always told apart: the key must be up.
                const std::size_t vk = VirtualKeyIndex(key->key());
                if (!key->isAutoRepeat() && !KeyIsDown(static_cast<int>(vk))) heldOver.reset(vk);
                break;
            }
            case QEvent::Shortcut:
                old = heldOver[VirtualKeyIndex(static_cast<QShortcutEvent*>(event)->key()[0].key())];
                break;
            case QEvent::Show:
                if (const auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow()) HoldOver();
                break;
            case QEvent::ApplicationDeactivate:
                down.reset();
                heldOver.reset();
                break;
            default:
                break;
        }
        if (old || (swallow && IsInputEvent(event->type()))) return true;
        return QObject::eventFilter(watched, event);
    }

private:
    // 0, which no key has, for a key without a virtual-key code.
    static std::size_t VirtualKeyIndex(int qtKey) {
        const int vk = VirtualKeyOf(qtKey);
        return vk > 0 && vk < 256 ? static_cast<std::size_t>(vk) : 0;
    }
    // Whether the key was held over from before the dialog.
    bool Record(int qtKey, bool isDown) {
        const std::size_t vk = VirtualKeyIndex(qtKey);
        if (vk != 0) down[vk] = isDown;
        return heldOver[vk];
    }
    void HoldOver() {
        for (int vk = 1; vk < 256; ++vk)
            if (KeyIsDown(vk)) heldOver.set(static_cast<std::size_t>(vk));
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
