// The Settings sheet: the Game and Visual pages behind tabs, with OK, Cancel
// and Help. OK applies every page that was shown; Cancel changes nothing but
// the page the sheet opens on next time.
#pragma once

#include <QDialog>
#include <array>

#include "platform/atomic_file.h"

class QTabWidget;
class SettingsPage;

// The page last made current: 0 Game, 1 Visual. Kept for the run only.
extern int g_lastSettingsPage;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int PAGE_COUNT = 2;

    explicit SettingsDialog(QWidget* owner);

    // Makes a page current as a click on its tab does: refused while the
    // current page holds a value it cannot take.
    void SetActivePage(int index);
    int ActiveIndex() const { return current_; }
    SettingsPage* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }

    // OK: the current page's values are checked first; then every page that
    // was shown applies its values, in page order.
    void accept() override;
    // After OK: whether the profile took every value, and if not why.
    FileResult Saved() const { return saved_; }

private:
    void PageChosen(int index);

    QTabWidget* tabs_;
    std::array<SettingsPage*, PAGE_COUNT> pages_{};
    int current_ = 0;
    FileResult saved_;
};

// The Settings command: runs the sheet and, after OK, brings the cube button
// and the dice in line with the options now in force.
void OnSettings();
