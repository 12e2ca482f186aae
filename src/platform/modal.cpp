#include "platform/modal.h"

#include <QDialog>

namespace {
ModalHook g_hook;
}

int RunModal(QDialog& dialog) { return g_hook ? g_hook(dialog) : dialog.exec(); }

void SetModalHook(ModalHook hook) { g_hook = std::move(hook); }
