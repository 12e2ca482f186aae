#include "platform/file_dialog.h"

#include <QFileDialog>

namespace {
FileDialogHook g_hook;

// "Position files (*.pos)|*.pos|All files (*.*)|*.*||" names each filter by
// its first half; Qt reads the patterns from the name's parentheses.
QStringList NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty()) names << parts[i];
    return names;
}
}  // namespace

std::optional<std::string> AskFileName(QWidget* owner, const FileDialogSpec& spec) {
    if (g_hook) return g_hook(spec);
    QFileDialog dialog(owner);
    dialog.setNameFilters(NameFilters(spec.filter));
    dialog.setDefaultSuffix(QString::fromStdString(spec.defaultExtension));
    if (spec.kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!spec.proposedName.empty()) dialog.selectFile(QString::fromStdString(spec.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

void SetFileDialogHook(FileDialogHook hook) { g_hook = std::move(hook); }
