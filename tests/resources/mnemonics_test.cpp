#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "resources/dialog_templates.h"
#include "resources/menu.h"

namespace {
// A letter marked twice in one menu or dialog only moves between the two.
class Place {
public:
    explicit Place(std::string name) : name_(std::move(name)) {}
    void Add(std::string_view text) {
        const std::size_t at = text.find('&');
        if (at == std::string_view::npos || at + 1 == text.size()) return;
        const auto [it, fresh] = seen_.emplace(std::toupper(static_cast<unsigned char>(text[at + 1])), text);
        EXPECT_TRUE(fresh) << name_ << ": \"" << it->second << "\" and \"" << text << "\"";
    }

private:
    std::string name_;
    std::map<int, std::string_view> seen_;
};

void CheckPopup(const char* title, std::span<const MenuItem> items) {
    Place place(title);
    for (const MenuItem& item : items) {
        if (item.text) place.Add(item.text);
        if (!item.popup.empty()) CheckPopup(item.text, item.popup);
    }
}
}  // namespace

TEST(Mnemonics, NoTwoTextsOfAMenuOrDialogShareALetter) {
    Place bar("menu bar");
    for (const MenuPopup& popup : MainMenu()) {
        bar.Add(popup.title);
        CheckPopup(popup.title, popup.items);
    }
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        Place place(dialog->title);
        for (const DialogControl& c : dialog->controls) place.Add(c.text);
    }
}
