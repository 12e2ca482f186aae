// The colour scheme dialog: pick one of the four schemes and edit its
// colours. It works on its own copy of the schemes, read from the scheme file
// each time it opens; only OK makes them live and writes them back.
#pragma once

#include <QDialog>
#include <string>

#include "platform/atomic_file.h"
#include "settings/color_scheme.h"

class QComboBox;
class QLabel;

class ColorSchemeDialog : public QDialog {
    Q_OBJECT

public:
    explicit ColorSchemeDialog(QWidget* owner, std::string schemePath = SCHEME_FILE_NAME);

    // Makes the selected scheme live and writes all four schemes to the file.
    void accept() override;
    // After OK: whether the scheme file was written, and if not why.
    FileResult Saved() const { return saved_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The scheme selected in the list.
    ColorScheme& Current();
    void EditSlot(int slot);
    // Shows the selected scheme's colours and whether it differs from its built-in one.
    void Refresh();

    SchemeSet schemes_;
    std::string schemePath_;
    FileResult saved_;
    QComboBox* list_;
    std::array<QLabel*, NUM_COLOR_SLOTS> swatches_{};
};

// The Colors command: runs the dialog and, after OK, repaints every window in
// the new colours and remembers the scheme in the profile.
void OnColors();
