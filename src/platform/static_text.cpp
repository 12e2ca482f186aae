#include "platform/static_text.h"

#include <QLabel>
#include <QPointer>

#include "platform/canvas.h"

// The window deletes its children first when it goes before the control.
struct StaticText::Control {
    QPointer<QLabel> label;
};

StaticText::StaticText(const Canvas& over, const Rect& r, Align align) : control_(std::make_unique<Control>()) {
    auto* label = new QLabel(over.Target());
    label->setAlignment((align == LEFT ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
    label->setGeometry(r.left, r.top, r.Width(), r.Height());
    label->setFont(over.Font());
    label->setFocusPolicy(Qt::NoFocus);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    control_->label = label;
}

StaticText::~StaticText() { delete control_->label; }

void StaticText::Show() {
    if (control_->label) control_->label->show();
}

void StaticText::SetText(const std::string& text) {
    if (!control_->label) return;
    control_->label->setText(QString::fromStdString(text));
    control_->label->repaint();
}

std::string StaticText::Text() const { return control_->label ? control_->label->text().toStdString() : std::string(); }
