// A page of the Settings sheet, built from its dialog template. The page's
// values stand between the controls and what the sheet brings back: they are
// moved into the controls whenever the page is entered and read back from
// them when it is left.
#pragma once

#include <QDialog>
#include <cstdint>
#include <initializer_list>

class SettingsPage : public QDialog {
    Q_OBJECT

public:
    explicit SettingsPage(int templateId);

    // The page becomes current.
    void Activate();
    // The page is left, or OK is pressed: false when a value is refused, and
    // the page must stay current.
    bool Deactivate();
    // Whether the page has been shown, and so has values to bring back.
    bool Shown() const { return shown_; }

protected:
    // Moves the values into the controls, or with `save` back from them;
    // false when a value is refused.
    virtual bool Exchange(bool save) = 0;

    // A check box as 0 or 1.
    void ExchangeCheck(bool save, int id, int32_t& value) const;
    // A radio group as the index of its checked button, in the order of `ids`.
    void ExchangeRadio(bool save, std::initializer_list<int> ids, int32_t& index) const;
    // A number box shown as is and read back only within min..max; otherwise
    // the user is told, the box takes the focus and false is returned.
    bool ExchangeNumber(bool save, int id, int32_t& value, int32_t min, int32_t max) const;

    // Enter and Esc belong to the sheet, not to the page inside it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool shown_ = false;
};
