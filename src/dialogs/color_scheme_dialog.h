// The colour scheme dialog: pick one of the four schemes and edit its
// colours. It works on its own copy of the schemes, read from the scheme file
// each time it opens, and brings back the schemes and the one selected;
// making them live and writing them back is the caller's.
#pragma once

#include <QDialog>
#include <string>

#include "settings/color_scheme.h"

class QComboBox;
class QLabel;

class ColorSchemeDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on scheme `scheme`, or on the first when there is no such scheme.
    ColorSchemeDialog(QWidget* owner, int scheme, const std::string& schemePath = SCHEME_FILE_NAME);

    // The scheme selected in the list, whether the dialog ended with OK or Cancel.
    int Scheme() const { return scheme_; }
    // All four schemes with the player's edits.
    const SchemeSet& Schemes() const { return schemes_; }

signals:
    // The Help button.
    void HelpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The scheme selected in the list.
    ColorScheme& Current();
    void EditSlot(int slot);
    // Shows the selected scheme's colours and whether it differs from its built-in one.
    void Refresh();

    SchemeSet schemes_;
    int scheme_;
    QComboBox* list_;
    std::array<QLabel*, NUM_COLOR_SLOTS> swatches_{};
};
