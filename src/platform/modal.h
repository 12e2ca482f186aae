// Every modal dialog of the program runs through RunModal, so that tests can
// answer dialogs with scripted handlers instead of a user.
#pragma once

#include <functional>

class QDialog;

// Runs the dialog modally and returns its result code.
int RunModal(QDialog& dialog);

// A handler that stands in for the user: it may fill the dialog's controls
// and returns the result; an empty function runs real dialogs again.
using ModalHook = std::function<int(QDialog& dialog)>;
void SetModalHook(ModalHook hook);
