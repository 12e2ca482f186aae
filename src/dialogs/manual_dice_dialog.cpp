#include "dialogs/manual_dice_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "dialogs/dialog_builder.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/number_box.h"
#include "resources/dialog_templates.h"
#include "resources/icons.h"

namespace {
constexpr int kLowest = 1;
constexpr int kHighest = 6;

void SelectBox(QLineEdit* box) {
    box->setFocus();
    box->selectAll();
}
}  // namespace

ManualDiceDialog::ManualDiceDialog(QWidget* owner, TwoDice thrown, bool opening)
    : QDialog(owner), opening_(opening), chosen_(thrown) {
    BuildDialog(*this, *FindDialogTemplate(IDD_MANUAL_DICE));
    m_die1 = {DialogItemAs<QLineEdit>(*this, IDC_DIE1), DialogItemAs<QLabel>(*this, IDC_DIE1_PICTURE), thrown.first};
    m_die2 = {DialogItemAs<QLineEdit>(*this, IDC_DIE2), DialogItemAs<QLabel>(*this, IDC_DIE2_PICTURE), thrown.second};
    for (Die* die : {&m_die1, &m_die2}) {
        die->box->setText(QString::number(die->value));
        ShowPicture(*die);
    }
    // Only what the user types is judged: putting a digit back is no typing.
    connect(m_die1.box, &QLineEdit::textEdited, this, [this] { Typed(m_die1, m_die2); });
    connect(m_die2.box, &QLineEdit::textEdited, this, [this] { Typed(m_die2, m_die1); });
    SelectBox(m_die1.box);
}

void ManualDiceDialog::ShowPicture(const Die& die) {
    die.picture->setPixmap(QPixmap::fromImage(DieFaceIcon(die.value, die.picture->devicePixelRatioF())));
}

void ManualDiceDialog::Typed(Die& die, Die& other) {
    const QString text = die.box->text();
    if (text.isEmpty()) return;
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (isNumber && value >= kLowest && value <= kHighest) {
        if (value != die.value) {
            die.value = value;
            ShowPicture(die);
        }
        return SelectBox(other.box);
    }
    Beep();
    die.box->setText(QString::number(die.value));
    SelectBox(die.box);
}

void ManualDiceDialog::accept() {
    const bool read = ReadNumberBox(*m_die1.box, kLowest, kHighest, m_die1.value) &&
                      ReadNumberBox(*m_die2.box, kLowest, kHighest, m_die2.value);
    // The throw that opens a game decides who starts, so it is never a double.
    if (!read || (opening_ && m_die1.value == m_die2.value)) return Beep();
    chosen_ = {m_die1.value, m_die2.value};
    QDialog::accept();
}

TwoDice RunManualDiceDialog(QWidget* owner, TwoDice thrown, bool opening) {
    ManualDiceDialog dialog(owner, thrown, opening);
    RunModal(dialog);
    return dialog.Chosen();
}
