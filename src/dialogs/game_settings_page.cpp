#include "dialogs/game_settings_page.h"

#include <QComboBox>
#include <QLineEdit>

#include "dialogs/dialog_builder.h"
#include "resources/dialog_templates.h"

namespace {
constexpr int IDC_SKILL = 1056;
constexpr int IDC_AUTO_CHANGE_TURN = 1045;
constexpr int IDC_AUTO_FORCED = 1067;
constexpr int IDC_USE_CUBE = 1049;
constexpr int IDC_INTEL_MOVES = 1111;
constexpr int IDC_MANUAL_DICE = 1128;
constexpr int IDC_HUMAN_SCORE = 1113;
constexpr int IDC_COMPUTER_SCORE = 1114;
constexpr int IDC_FIRST_RANDOM = 1061;
constexpr int IDC_FIRST_COMPUTER = 1062;
constexpr int IDC_FIRST_HUMAN = 1063;
}  // namespace

GameSettingsPage::GameSettingsPage(const GameSettings& shown, int32_t humanScore, int32_t computerScore)
    : SettingsPage(IDD_SETTINGS_GAME),
      skill_(DialogItemAs<QComboBox>(*this, IDC_SKILL)),
      settings_(shown),
      humanScore_(humanScore),
      computerScore_(computerScore) {
    skill_->addItems({"Poor", "Moderate", "Good", "Expert"});
}

bool GameSettingsPage::Exchange(bool save) {
    ExchangeCheck(save, IDC_AUTO_CHANGE_TURN, settings_.autoChangeTurn);
    ExchangeCheck(save, IDC_AUTO_FORCED, settings_.autoForced);
    ExchangeCheck(save, IDC_USE_CUBE, settings_.useCube);
    ExchangeCheck(save, IDC_INTEL_MOVES, settings_.intelMoves);
    ExchangeCheck(save, IDC_MANUAL_DICE, settings_.manualDice);
    ExchangeRadio(save, {IDC_FIRST_RANDOM, IDC_FIRST_COMPUTER, IDC_FIRST_HUMAN}, settings_.firstMove);
    if (save) {
        settings_.level = skill_->currentIndex();
        return true;
    }
    skill_->setCurrentIndex(settings_.level);
    // The scores are only shown: play and Reset scores change them.
    DialogItemAs<QLineEdit>(*this, IDC_HUMAN_SCORE)->setText(QString::number(humanScore_));
    DialogItemAs<QLineEdit>(*this, IDC_COMPUTER_SCORE)->setText(QString::number(computerScore_));
    return true;
}
