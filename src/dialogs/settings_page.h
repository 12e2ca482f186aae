// A page of the Settings sheet, built from its dialog template. Its members
// stand between the controls and the options: they are filled from the options
// when the page is first shown, exchanged with the controls whenever the page
// is entered or left, and copied into the options when the sheet ends with OK.
#pragma once

#include <QDialog>
#include <cstdint>
#include <initializer_list>

#include "platform/atomic_file.h"

class SettingsPage : public QDialog {
    Q_OBJECT

public:
    // `index` is the page's place in the sheet, remembered in g_lastSettingsPage.
    SettingsPage(int templateId, int index);

    // The page becomes current: the first time it is also initialised.
    void Activate();
    // The page is left, or OK is pressed: false when a value is refused, and
    // the page must stay current.
    bool Deactivate();
    // Whether the page has been shown, and so has options to apply.
    bool Shown() const { return shown_; }
    // OK: copies the members into the options and writes them to the profile;
    // says why when the profile could not be written.
    virtual FileResult Apply() = 0;

protected:
    // Fills the members from the options, and whatever the exchange leaves out.
    virtual void InitPage() = 0;
    // Moves the members into the controls, or with `save` back from them;
    // false when a value is refused.
    virtual bool Exchange(bool save) = 0;

    struct StoredOption {
        const char* key;
        int32_t& option;
        int32_t value;
    };
    // Copies each value into its option and writes it to the profile, in
    // order; the first write that failed is returned.
    static FileResult StoreOptions(std::initializer_list<StoredOption> options);

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
    int index_;
    bool shown_ = false;
    bool entered_ = false;
};
