#include "dialogs/settings_dialog.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "dialogs/game_settings_page.h"
#include "dialogs/match_settings_page.h"
#include "dialogs/visual_settings_page.h"
#include "platform/message_box.h"
#include "resources/help_topics.h"

namespace {
constexpr int MATCH_PAGE = 2;
}  // namespace

SettingsDialog::SettingsDialog(QWidget* owner, const SettingsShown& shown, int page)
    : QDialog(owner),
      tabs_(new QTabWidget(this)),
      game_(new GameSettingsPage(shown.game, shown.humanScore, shown.computerScore)),
      visual_(new VisualSettingsPage(shown.visual)),
      match_(new MatchSettingsPage(shown.match, shown.matchInPlay)) {
    setWindowTitle(QStringLiteral("Settings"));
    pages_ = {game_, visual_, match_};
    for (SettingsPage* p : pages_) tabs_->addTab(p, p->windowTitle());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &SettingsDialog::HelpRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    current_ = page >= 0 && page < PAGE_COUNT ? page : 0;
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(current_);
    }
    Enter(current_);
    connect(tabs_, &QTabWidget::currentChanged, this, &SettingsDialog::PageChosen);
}

void SettingsDialog::SetActivePage(int index) { tabs_->setCurrentIndex(index); }

void SettingsDialog::PageChosen(int index) {
    if (index == current_) return;
    if (!Page(current_)->Deactivate()) {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(current_);
        return;
    }
    Enter(index);
}

void SettingsDialog::Enter(int index) {
    current_ = index;
    Page(current_)->Activate();
    // The Match page's section stands last on the sheet's help page, which
    // the Game and Visual pages open at its top.
    setProperty(HELP_TOPIC_PROPERTY,
                index == MATCH_PAGE ? QVariant(QString::fromLatin1(HELP_SETTINGS_MATCH)) : QVariant());
}

void SettingsDialog::accept() {
    if (Page(current_)->Deactivate()) QDialog::accept();
}

SettingsChosen SettingsDialog::Chosen() const {
    SettingsChosen chosen;
    if (game_->Shown()) chosen.game = game_->Chosen();
    if (visual_->Shown()) chosen.visual = visual_->Chosen();
    if (match_->Shown()) chosen.match = match_->Chosen();
    return chosen;
}
