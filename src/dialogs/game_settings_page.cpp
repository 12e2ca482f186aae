#include "dialogs/game_settings_page.h"

#include <QComboBox>
#include <QLineEdit>

#include "dialogs/dialog_builder.h"
#include "rules/location.h"
#include "settings/options.h"

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

GameSettingsPage::GameSettingsPage()
    : SettingsPage(IDD_SETTINGS_GAME, 0), skill_(DialogItemAs<QComboBox>(*this, IDC_SKILL)) {}

void GameSettingsPage::InitPage() {
    firstMove_ = FirstMoveBy;
    useCube_ = UseCube;
    autoChangeTurn_ = AutoChangeTurn;
    autoForced_ = AutoForcedMoves;
    intelMoves_ = IntelMoves;
    manualDice_ = ManualDice;
    humanScore_ = g_totalScore[SIDE_HUMAN];
    computerScore_ = g_totalScore[SIDE_COMPUTER];
    if (skill_->count() == 0) skill_->addItems({"Poor", "Moderate", "Good", "Expert"});
    skill_->setCurrentIndex(LevelOfPlay);
}

bool GameSettingsPage::Exchange(bool save) {
    ExchangeCheck(save, IDC_AUTO_CHANGE_TURN, autoChangeTurn_);
    ExchangeCheck(save, IDC_AUTO_FORCED, autoForced_);
    ExchangeCheck(save, IDC_USE_CUBE, useCube_);
    ExchangeCheck(save, IDC_INTEL_MOVES, intelMoves_);
    ExchangeCheck(save, IDC_MANUAL_DICE, manualDice_);
    ExchangeRadio(save, {IDC_FIRST_RANDOM, IDC_FIRST_COMPUTER, IDC_FIRST_HUMAN}, firstMove_);
    // The scores are only shown: play and Reset scores change them.
    if (!save) {
        DialogItemAs<QLineEdit>(*this, IDC_HUMAN_SCORE)->setText(QString::number(humanScore_));
        DialogItemAs<QLineEdit>(*this, IDC_COMPUTER_SCORE)->setText(QString::number(computerScore_));
    }
    return true;
}

FileResult GameSettingsPage::Apply() {
    // FirstMoveBy acts at the next start only: the game in play keeps its starter.
    return StoreOptions({
        {"FirstMoveBy", FirstMoveBy, firstMove_},
        {"UseCube", UseCube, useCube_},
        {"AutoChangeTurn", AutoChangeTurn, autoChangeTurn_},
        {"AutoForcedMoves", AutoForcedMoves, autoForced_},
        {"IntelMoves", IntelMoves, intelMoves_},
        {"ManualDice", ManualDice, manualDice_},
        {"LevelOfPlay", LevelOfPlay, skill_->currentIndex()},
    });
}
