#include "dialogs/match_settings_page.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <iterator>

#include "dialogs/dialog_builder.h"
#include "resources/dialog_templates.h"
#include "rules/match_score.h"

namespace {
constexpr int IDC_MATCH_LENGTH = 1130;
constexpr int IDC_DOUBLE_BEFORE_ROLL = 1131;
constexpr int IDC_MATCH_IN_PLAY = 1132;
constexpr int IDC_TUTOR = 1133;

QString LengthText(int32_t length) {
    if (length == 0) return QStringLiteral("Money game");
    return length == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(length);
}
}  // namespace

MatchSettingsPage::MatchSettingsPage(const MatchSettings& shown, int32_t inPlay)
    : SettingsPage(IDD_SETTINGS_MATCH), length_(DialogItemAs<QComboBox>(*this, IDC_MATCH_LENGTH)), settings_(shown) {
    for (int32_t length : MATCH_LENGTHS) length_->addItem(LengthText(length));
    if (inPlay > 0)
        DialogItemAs<QLabel>(*this, IDC_MATCH_IN_PLAY)
            ->setText(QStringLiteral("A match to %1 is being played; a new length takes effect with the next match.")
                          .arg(inPlay));
}

bool MatchSettingsPage::Exchange(bool save) {
    ExchangeCheck(save, IDC_DOUBLE_BEFORE_ROLL, settings_.doubleBeforeRoll);
    ExchangeCheck(save, IDC_TUTOR, settings_.tutor);
    if (save) {
        settings_.length = MATCH_LENGTHS[length_->currentIndex()];
        return true;
    }
    const int32_t* chosen =
        std::find(std::begin(MATCH_LENGTHS), std::end(MATCH_LENGTHS), MatchLengthOrMoney(settings_.length));
    length_->setCurrentIndex(static_cast<int>(chosen - std::begin(MATCH_LENGTHS)));
    return true;
}
