#include "dialogs/about_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "platform/main_window.h"
#include "platform/modal.h"
#include "resources/dialog_templates.h"
#include "resources/stored_texts.h"

namespace {
constexpr int IDC_TITLE = 204;
constexpr int IDC_LINE1 = 233;
constexpr int IDC_LINE2 = 212;
constexpr int IDC_LINE3 = 214;
constexpr int IDC_OK = 2;

QString Plain(StoredText which) { return QString::fromLatin1(Unscramble(ScrambledText(which)).c_str()); }

void SetFieldText(QWidget* field, const QString& text) {
    auto* edit = qobject_cast<QPlainTextEdit*>(field);
    edit->setPlainText(text);
    // A multi-line edit has no alignment of its own; its document has.
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    edit->document()->setDefaultTextOption(option);
    // Read-only, it sits on the dialog's own face like a label.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}
}  // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    BuildDialog(*this, *FindDialogTemplate(IDD_ABOUT));
    auto* title = DialogItemAs<QLabel>(*this, IDC_TITLE);
    title->setText(QString::fromStdString(ProgramTitle()));
    DialogItemAs<QLabel>(*this, IDC_LINE1)->setText(Plain(StoredText::AboutLine1));
    SetFieldText(DialogItem(*this, IDC_LINE2), Plain(StoredText::AboutLine2));
    SetFieldText(DialogItem(*this, IDC_LINE3), Plain(StoredText::AboutLine3));
    QFont bold = title->font();
    bold.setWeight(QFont::Bold);
    title->setFont(bold);

    // The only button carries Cancel's id; Enter presses it as well as Esc.
    auto* ok = DialogItemAs<QPushButton>(*this, IDC_OK);
    ok->setDefault(true);
    ok->setFocus();
}

void OnAbout() {
    AboutDialog dialog(MainWindow());
    RunModal(dialog);
}
