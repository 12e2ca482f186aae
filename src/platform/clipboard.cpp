#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }
