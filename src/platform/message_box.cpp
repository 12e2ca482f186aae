#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

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

int MessageBox(const std::string& text, int buttons, int icon) {
    if (g_hook) return g_hook(text, buttons, icon);
    QMessageBox box(IconOf(icon), QString::fromStdString(g_caption), QString::fromStdString(text), ButtonsOf(buttons),
                    QApplication::activeWindow());
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
