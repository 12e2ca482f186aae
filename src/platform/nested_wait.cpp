#include "platform/nested_wait.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QWidget>

#include "platform/command_queue.h"
#include "platform/virtual_keys.h"

namespace {
class WaitFilter : public QObject {
public:
    WaitFilter(QEventLoop& loop, QWidget* client) : loop_(loop), client_(client) {}

    void End(WaitResult result) {
        if (ended_) return;
        ended_ = true;
        result_ = result;
        loop_.quit();
    }
    WaitResult Result() const { return result_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Shortcuts are sent to their actions, not to a widget.
        if (event->type() == QEvent::Shortcut) {
            const QKeySequence seq = static_cast<QShortcutEvent*>(event)->key();
            End({WaitResult::KEY, seq.isEmpty() ? VK_NONE : VirtualKeyOf(seq[0].key())});
        }
        if (!InClient(watched)) return QObject::eventFilter(watched, event);
        switch (event->type()) {
            case QEvent::KeyPress: {
                auto* key = static_cast<QKeyEvent*>(event);
                const int vk = VirtualKeyOf(key->key());
                if (!key->isAutoRepeat() && !IsModifierKey(vk)) End({WaitResult::KEY, vk});
                break;
            }
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                const bool right = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
                End({right ? WaitResult::RIGHT_BUTTON : WaitResult::LEFT_BUTTON, 0});
                break;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool InClient(QObject* watched) const {
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && (widget == client_ || client_->isAncestorOf(widget));
    }

    QEventLoop& loop_;
    QWidget* client_;
    bool ended_ = false;
    WaitResult result_{WaitResult::COMMAND, 0};
};

WaitFilter* g_wait = nullptr;
}  // namespace

WaitResult WaitForInput(QWidget* client) {
    QEventLoop loop;
    WaitFilter filter(loop, client);
    WaitFilter* outer = g_wait;
    g_wait = &filter;
    // Installed last, so it sees each event before the input filter does.
    qApp->installEventFilter(&filter);
    loop.exec();
    qApp->removeEventFilter(&filter);
    g_wait = outer;
    ResumePostedCommands();
    return filter.Result();
}

bool WaitRunning() { return g_wait != nullptr; }

void EndWaitByCommand(int id) {
    if (g_wait) g_wait->End({WaitResult::COMMAND, id});
}
