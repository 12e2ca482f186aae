#include "shell/menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

#include "resources/accelerators.h"
#include "resources/menu.h"

namespace {
const char* const kCommandProperty = "kestroCommand";

QKeySequence SequenceOf(const Accelerator& a) {
    if (a.character != 0) return QKeySequence(QString(QChar(a.character)));
    int key = 0;
    switch (a.key) {
        case AccelKey::None:
            break;
        case AccelKey::Escape:
            key = Qt::Key_Escape;
            break;
        case AccelKey::F1:
            key = Qt::Key_F1;
            break;
        case AccelKey::Space:
            key = Qt::Key_Space;
            break;
        case AccelKey::C:
            key = Qt::Key_C;
            break;
        case AccelKey::D:
            key = Qt::Key_D;
            break;
        case AccelKey::E:
            key = Qt::Key_E;
            break;
        case AccelKey::F:
            key = Qt::Key_F;
            break;
        case AccelKey::H:
            key = Qt::Key_H;
            break;
        case AccelKey::M:
            key = Qt::Key_M;
            break;
        case AccelKey::N:
            key = Qt::Key_N;
            break;
        case AccelKey::O:
            key = Qt::Key_O;
            break;
        case AccelKey::R:
            key = Qt::Key_R;
            break;
        case AccelKey::S:
            key = Qt::Key_S;
            break;
        case AccelKey::V:
            key = Qt::Key_V;
            break;
        case AccelKey::W:
            key = Qt::Key_W;
            break;
    }
    const QKeyCombination combination(Qt::KeyboardModifiers((a.ctrl ? Qt::ControlModifier : Qt::NoModifier) |
                                                            (a.shift ? Qt::ShiftModifier : Qt::NoModifier)),
                                      Qt::Key(key));
    return QKeySequence(combination);
}

QList<QKeySequence> KeysOf(int command) {
    QList<QKeySequence> keys;
    for (const Accelerator& a : MainAccelerators())
        if (a.command == command) keys << SequenceOf(a);
    return keys;
}

// A greyed item can still be under the pointer, and then its prompt shows as
// any other's: the menus let disabled items become the active one.
class MenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A disabled action's shortcut never fires, so the rules grey the items only
// while their menu is open; the rule is applied again when a command runs.
void BindRulesToMenu(QMenu* menu, const MenuCallbacks& callbacks) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, enabled = callbacks.enabled, chosen = callbacks.chosen] {
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const int id = action->property(kCommandProperty).toInt();
            action->setEnabled(enabled(id));
            if (action->isCheckable()) action->setChecked(chosen(id));
        }
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [menu, idle = callbacks.showIdle] {
        for (QAction* action : menu->actions()) action->setEnabled(true);
        idle();
    });
}

void FillMenu(QMenu* menu, std::span<const MenuItem> items, QMainWindow& window, const MenuCallbacks& callbacks) {
    // The radio items of one menu are one group of choices.
    QActionGroup* choices = nullptr;
    for (const MenuItem& item : items) {
        if (!item.text) {
            menu->addSeparator();
            continue;
        }
        const int id = item.command;
        QAction* action = nullptr;
        if (item.popup.empty()) {
            action = menu->addAction(QString::fromUtf8(item.text));
            if (item.radio) {
                if (!choices) choices = new QActionGroup(menu);
                action->setCheckable(true);
                choices->addAction(action);
            }
            action->setShortcuts(KeysOf(id));
            action->setShortcutContext(Qt::WindowShortcut);
            QObject::connect(action, &QAction::triggered, &window, [run = callbacks.run, id] { run(id); });
        } else {
            QMenu* popup = menu->addMenu(QString::fromUtf8(item.text));
            popup->setStyle(menu->style());
            FillMenu(popup, item.popup, window, callbacks);
            action = popup->menuAction();
        }
        action->setProperty(kCommandProperty, id);
        // A popup has no prompt of its own: pane 0 goes blank under it.
        QObject::connect(action, &QAction::hovered, &window, [show = callbacks.showPrompt, id] { show(id); });
    }
    BindRulesToMenu(menu, callbacks);
}
}  // namespace

void BuildMenuBar(QMainWindow& window, const MenuCallbacks& callbacks) {
    QMenuBar* bar = window.menuBar();
    auto* style = new MenuStyle;
    style->setParent(bar);
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(popup.title));
        menu->setStyle(style);
        FillMenu(menu, popup.items, window, callbacks);
    }
}

QAction* ActionOf(QMainWindow& window, int id) {
    for (QAction* action : window.menuBar()->findChildren<QAction*>())
        if (action->property(kCommandProperty).toInt() == id) return action;
    return nullptr;
}
