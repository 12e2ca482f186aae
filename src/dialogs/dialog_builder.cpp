#include "dialogs/dialog_builder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "dialogs/etched_line.h"
#include "resources/icons.h"

namespace {
const char* const kIdProperty = "dialogItemId";
constexpr int IDOK_BUTTON = 1;
constexpr int IDCANCEL_BUTTON = 2;

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

Qt::Alignment AlignmentOf(std::uint32_t style) {
    if (style & kAlignCenter) return Qt::AlignHCenter | Qt::AlignTop;
    if (style & kAlignRight) return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* MakeEdit(const DialogControl& c, QWidget* parent) {
    if (c.style & kMultiline) {
        auto* edit = new QPlainTextEdit(QString::fromUtf8(c.text), parent);
        edit->setReadOnly(c.style & kReadOnly);
        if (c.style & kNoBorder) edit->setFrameShape(QFrame::NoFrame);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return edit;
    }
    auto* edit = new QLineEdit(QString::fromUtf8(c.text), parent);
    edit->setReadOnly(c.style & kReadOnly);
    edit->setFrame(!(c.style & kNoBorder));
    if (c.style & kAlignCenter) edit->setAlignment(Qt::AlignHCenter);
    if (c.style & kDigitsOnly) edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    return edit;
}

QWidget* MakeLabel(const DialogControl& c, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(c.text), parent);
    label->setAlignment(AlignmentOf(c.style));
    if (c.style & kBorder) label->setFrameShape(QFrame::Box);
    label->setWordWrap(c.style & kMultiline);
    if (c.kind == ControlKind::Icon && c.icon != 0)
        label->setPixmap(QPixmap::fromImage(IconResource(c.icon, parent->devicePixelRatioF())));
    return label;
}

QWidget* MakeLine(const DialogControl& c, QWidget* parent) {
    return new EtchedLine(c.kind == ControlKind::EtchedHorz ? Qt::Horizontal : Qt::Vertical, parent);
}

QWidget* MakeButton(const DialogControl& c, QDialog& dialog) {
    auto* button = new QPushButton(QString::fromUtf8(c.text), &dialog);
    button->setAutoDefault(false);
    button->setDefault(c.kind == ControlKind::DefaultButton);
    if (c.id == IDOK_BUTTON) QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (c.id == IDCANCEL_BUTTON) QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}

// A group box's mnemonic leads to the first control after it that takes the
// focus; into a radio group, to the group's checked button, as Tab does.
class GroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return QGroupBox::event(event);
        if (QWidget* next = NextControl()) next->setFocus(Qt::ShortcutFocusReason);
        return true;
    }

private:
    QWidget* NextControl() const {
        const QObjectList& controls = parentWidget()->children();
        for (auto it = std::find(controls.begin(), controls.end(), this); it != controls.end(); ++it) {
            auto* control = qobject_cast<QWidget*>(*it);
            if (!control || !(control->focusPolicy() & Qt::TabFocus) || !control->isEnabled()) continue;
            const auto* radio = qobject_cast<QRadioButton*>(control);
            if (radio && radio->group() && radio->group()->checkedButton()) return radio->group()->checkedButton();
            return control;
        }
        return nullptr;
    }
};

// Enter presses the push button that has the focus, and otherwise the
// default button or OK (id 1), although no button is drawn as the default.
class EnterKey : public QObject {
public:
    explicit EnterKey(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = (key->key() == Qt::Key_Return && key->modifiers() == Qt::NoModifier) ||
                           (key->key() == Qt::Key_Enter && (key->modifiers() & ~Qt::KeypadModifier) == 0);
        if (!enter) return false;
        QPushButton* button = Target();
        if (!button) return false;
        button->click();
        return true;
    }

private:
    QPushButton* Target() const {
        auto* focused = qobject_cast<QPushButton*>(dialog_.focusWidget());
        if (focused && focused->isEnabled()) return focused;
        for (QPushButton* button : dialog_.findChildren<QPushButton*>())
            if (button->isDefault() && button->isEnabled()) return button;
        auto* ok = DialogItemAs<QPushButton>(dialog_, IDOK_BUTTON);
        return ok && ok->isEnabled() ? ok : nullptr;
    }

    QDialog& dialog_;
};

QWidget* MakeControl(const DialogControl& c, QDialog& dialog) {
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return MakeLabel(c, &dialog);
        case ControlKind::EtchedHorz:
        case ControlKind::EtchedVert:
            return MakeLine(c, &dialog);
        case ControlKind::GroupBox:
            return new GroupBox(text, &dialog);
        case ControlKind::PushButton:
        case ControlKind::DefaultButton:
            return MakeButton(c, dialog);
        case ControlKind::CheckBox:
            return new QCheckBox(text, &dialog);
        case ControlKind::RadioButton:
            return new QRadioButton(text, &dialog);
        case ControlKind::Edit:
            return MakeEdit(c, &dialog);
        case ControlKind::DropDownList:
            return new QComboBox(&dialog);
    }
    return nullptr;
}
}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    // The classic average: the width of the 52 letters, halved twice with rounding.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

// Each edge is converted on its own, rounding to the nearest pixel.
Rect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int w, int h) {
    const auto px = [&](int dx) { return (dx * units.x + 2) / 4; };
    const auto py = [&](int dy) { return (dy * units.y + 4) / 8; };
    return {px(x), py(y), px(x + w), py(y + h)};
}

void BuildDialog(QDialog& dialog, const DialogTemplate& t) {
    QFont font(QString::fromUtf8(t.fontName), t.fontPoints);
    font.setStyleHint(QFont::SansSerif);
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromUtf8(t.title));
    const DialogBaseUnits units = BaseUnitsOf(font);
    const Rect size = DialogUnitsToPixels(units, 0, 0, t.w, t.h);
    dialog.setFixedSize(size.Width(), size.Height());

    // Radio buttons exclude each other within a group, which starts at a
    // control marked as a group start or at the first radio after another kind.
    QButtonGroup* radios = nullptr;
    ControlKind previous = ControlKind::Label;
    for (const DialogControl& c : t.controls) {
        QWidget* widget = MakeControl(c, dialog);
        Rect r = DialogUnitsToPixels(units, c.x, c.y, c.w, c.h);
        // A drop-down list's height includes its open list; closed, it is one line.
        if (c.kind == ControlKind::DropDownList) r.bottom = r.top + widget->sizeHint().height();
        widget->setGeometry(ToQRect(r));
        widget->setProperty(kIdProperty, c.id);
        if (c.kind == ControlKind::RadioButton) {
            if (!radios || previous != ControlKind::RadioButton || (c.style & kGroupStart)) {
                radios = new QButtonGroup(&dialog);
            }
            radios->addButton(static_cast<QRadioButton*>(widget));
        }
        previous = c.kind;
    }
    dialog.installEventFilter(new EnterKey(dialog));
}

QWidget* DialogItem(const QWidget& dialog, int id) {
    if (id == IDC_STATIC) return nullptr;
    for (QWidget* child : dialog.findChildren<QWidget*>())
        if (child->property(kIdProperty).isValid() && child->property(kIdProperty).toInt() == id) return child;
    return nullptr;
}
