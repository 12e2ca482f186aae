#include "dialogs/settings_dialog.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "controller/dice_display.h"
#include "controller/enable_rules.h"
#include "controller/file_failure.h"
#include "controller/game_view.h"
#include "controller/progress_bar.h"
#include "dialogs/game_settings_page.h"
#include "dialogs/manual_dice_dialog.h"
#include "dialogs/show_help.h"
#include "dialogs/visual_settings_page.h"
#include "display/pip_band.h"
#include "platform/main_window.h"
#include "platform/modal.h"
#include "platform/profile.h"

int g_lastSettingsPage = 0;

SettingsDialog::SettingsDialog(QWidget* owner) : QDialog(owner), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Settings"));
    pages_ = {new GameSettingsPage, new VisualSettingsPage};
    for (SettingsPage* page : pages_) tabs_->addTab(page, page->windowTitle());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, ShowHelp);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    current_ = g_lastSettingsPage >= 0 && g_lastSettingsPage < PAGE_COUNT ? g_lastSettingsPage : 0;
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(current_);
    }
    pages_[static_cast<std::size_t>(current_)]->Activate();
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
    current_ = index;
    Page(current_)->Activate();
}

void SettingsDialog::accept() {
    if (!Page(current_)->Deactivate()) return;
    for (SettingsPage* page : pages_)
        if (page->Shown()) saved_ = FirstFailure(saved_, page->Apply());
    QDialog::accept();
}

void OnSettings() {
    SettingsDialog sheet(MainWindow());
    if (RunModal(sheet) != QDialog::Accepted) return;
    FollowManualDiceOption();
    View().EnableCube(CanDouble());
    ShowDice();
    // The bar and the pip counts follow their options at once, also when
    // they were switched off.
    DrawProgressBar();
    DrawPipBand();
    // The options are in force for this run all the same.
    ShowSaveFailure({{g_profile.Path(), sheet.Saved()}});
}
