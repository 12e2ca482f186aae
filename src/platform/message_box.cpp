#include "platform/message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

namespace {
std::string g_caption;
MessageBoxHook g_hook;
BeepHook g_beepHook;

QMessageBox::StandardButtons ButtonsOf(int buttons) {
    switch (buttons) {
        case MB_OKCANCEL:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MB_YESNOCANCEL:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MB_YESNO:
        case MB_PLAYORTAKEBACK:
            return QMessageBox::Yes | QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(int icon) {
    switch (icon) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONASTERISK:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The window a box belongs to: the modal dialog in front, else the main
// window, also when another window or none at all is active.
QWidget* OwnerOfBox() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window) && window->isVisible()) return window;
    return QApplication::activeWindow();
}

// The window manager writes the caption in its own, often bold, font between
// its icon and buttons; a box narrower than that shows the caption cut short.
constexpr int kTitleBarButtons = 6;

void MakeRoomForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + kTitleBarButtons * metrics.height();
    grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

int AnswerOf(int clicked) {
    switch (clicked) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return IDOK;
    }
}
}  // namespace

int MessageBox(const std::string& text, int buttons, int icon, const char* helpTopic) {
    if (g_hook) return g_hook(text, buttons, icon);
    QMessageBox box(IconOf(icon), QString::fromStdString(g_caption), QString::fromStdString(text), ButtonsOf(buttons),
                    OwnerOfBox());
    if (helpTopic) box.setProperty(HELP_TOPIC_PROPERTY, QString::fromLatin1(helpTopic));
    if (buttons == MB_PLAYORTAKEBACK) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Play it anyway"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Take it back"));
    }
    MakeRoomForCaption(box);
    return AnswerOf(box.exec());
}

void SetMessageBoxCaption(const std::string& caption) { g_caption = caption; }

void SetMessageBoxHook(MessageBoxHook hook) { g_hook = std::move(hook); }

void Beep() {
    if (g_beepHook)
        g_beepHook();
    else
        QApplication::beep();
}

void SetBeepHook(BeepHook hook) { g_beepHook = std::move(hook); }
