// The platform's file open and save dialogs, with a seam through which tests
// choose files.
#pragma once

#include <functional>
#include <optional>
#include <string>

class QWidget;

enum class FileDialogKind { Open, Save };

// What the dialog offers: its filter as pairs separated by '|' ("Name|*.ext|…||"),
// the extension added to a name typed without one, and the name it proposes.
struct FileDialogSpec {
    FileDialogKind kind;
    std::string filter;
    std::string defaultExtension;
    std::string proposedName = {};
};

// The chosen file's path, or nothing when the dialog is cancelled. A save
// dialog asks before it lets the user choose an existing file.
std::optional<std::string> AskFileName(QWidget* owner, const FileDialogSpec& spec);

// A function that answers in the dialog's place; an empty one shows the real
// dialog again.
using FileDialogHook = std::function<std::optional<std::string>(const FileDialogSpec& spec)>;
void SetFileDialogHook(FileDialogHook hook);
