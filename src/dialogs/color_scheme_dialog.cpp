#include "dialogs/color_scheme_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "dialogs/dialog_builder.h"
#include "platform/canvas.h"
#include "platform/color_chooser.h"
#include "resources/command_ids.h"
#include "resources/dialog_templates.h"
#include "settings/scheme_file.h"

namespace {
constexpr int IDC_SCHEME_LIST = 1022;
constexpr int IDC_DEFAULT = 1016;

// Each slot's label and its ".." button.
constexpr std::array<std::pair<int, int>, NUM_COLOR_SLOTS> kSlotControls = {{
    {1011, 1017},
    {1012, 1018},
    {1013, 1019},
    {1014, 1020},
    {1015, 1021},
    {1024, 1023},
}};

constexpr COLORREF WHITE = 0x00FFFFFF;
}  // namespace

ColorSchemeDialog::ColorSchemeDialog(QWidget* owner, int scheme, const std::string& schemePath)
    : QDialog(owner), scheme_(scheme >= 0 && scheme < NUM_SCHEMES ? scheme : 0) {
    BuildDialog(*this, *FindDialogTemplate(IDD_COLORS));
    schemes_ = ReadSchemeFile(schemePath).value_or(kDefaultSchemes);

    list_ = DialogItemAs<QComboBox>(*this, IDC_SCHEME_LIST);
    for (int s = 0; s < NUM_SCHEMES; ++s) list_->addItem(QStringLiteral("Scheme %1").arg(QChar('A' + s)));
    list_->setCurrentIndex(scheme_);
    connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) {
        scheme_ = index;
        Refresh();
    });

    for (int slot = 0; slot < NUM_COLOR_SLOTS; ++slot) {
        auto* swatch = DialogItemAs<QLabel>(*this, kSlotControls[slot].first);
        swatch->setAutoFillBackground(true);
        swatch->installEventFilter(this);
        swatches_[slot] = swatch;
        auto* edit = DialogItemAs<QPushButton>(*this, kSlotControls[slot].second);
        // The label's mnemonic leads to its ".." button.
        swatch->setBuddy(edit);
        connect(edit, &QPushButton::clicked, this, [this, slot] { EditSlot(slot); });
    }
    connect(DialogItemAs<QPushButton>(*this, IDC_DEFAULT), &QPushButton::clicked, this, [this] {
        Current() = kDefaultSchemes[static_cast<std::size_t>(scheme_)];
        Refresh();
    });
    connect(DialogItemAs<QPushButton>(*this, ID_HELP), &QPushButton::clicked, this, &ColorSchemeDialog::HelpRequested);
    Refresh();
}

ColorScheme& ColorSchemeDialog::Current() { return schemes_[static_cast<std::size_t>(scheme_)]; }

void ColorSchemeDialog::Refresh() {
    const QColor text = palette().color(QPalette::WindowText);
    for (int slot = 0; slot < NUM_COLOR_SLOTS; ++slot) {
        const COLORREF colour = Current()[slot];
        QPalette palette = swatches_[slot]->palette();
        palette.setColor(QPalette::Window, ToQColor(colour));
        // A black swatch would hide its own name.
        palette.setColor(QPalette::WindowText, colour == 0 ? ToQColor(WHITE) : text);
        swatches_[slot]->setPalette(palette);
    }
    DialogItem(*this, IDC_DEFAULT)->setEnabled(Current() != kDefaultSchemes[static_cast<std::size_t>(scheme_)]);
    update();
}

void ColorSchemeDialog::EditSlot(int slot) {
    if (const std::optional<COLORREF> chosen = ChooseColor(this, Current()[slot])) {
        Current()[slot] = *chosen;
        Refresh();
    }
}

bool ColorSchemeDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(swatches_.begin(), swatches_.end(), watched);
    if (found == swatches_.end()) return QDialog::eventFilter(watched, event);
    QLabel* swatch = *found;
    // The press is taken so that the release comes to the same label.
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && swatch->rect().contains(mouse->position().toPoint()))
        EditSlot(static_cast<int>(found - swatches_.begin()));
    return true;
}
