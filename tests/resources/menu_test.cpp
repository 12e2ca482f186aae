#include "resources/menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "resources/commands.h"
#include "resources/dialog_templates.h"

namespace {

// Items written as "item|item|-|item", "-" for a separator, a popup as
// "title>[items]" and a radio item with a "*".
std::string Flatten(std::span<const MenuItem> items) {
    std::string line;
    for (const MenuItem& item : items) {
        if (!item.text)
            line += "-";
        else if (!item.popup.empty())
            line += std::string(item.text) + ">[" + Flatten(item.popup) + "]";
        else
            line += std::string(item.radio ? "*" : "") + item.text + "=" + std::to_string(item.command);
        line += "|";
    }
    return line;
}

// Each popup of the bar written as "title:" and its items.
std::vector<std::string> Flatten() {
    std::vector<std::string> out;
    for (const MenuPopup& popup : MainMenu()) out.push_back(std::string(popup.title) + ":" + Flatten(popup.items));
    return out;
}

// Every command item, popups opened.
void CommandItems(std::span<const MenuItem> items, std::vector<const MenuItem*>& out) {
    for (const MenuItem& item : items) {
        if (!item.popup.empty())
            CommandItems(item.popup, out);
        else if (item.text)
            out.push_back(&item);
    }
}

// The letters marked with "&", by the menu or dialog they answer in.
void AddLetters(std::map<std::string, std::string>& places, const std::string& place, std::string_view text) {
    const std::size_t at = text.find('&');
    if (at != std::string_view::npos && at + 1 < text.size())
        places[place] += static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
}

void AddLetters(std::map<std::string, std::string>& places, const char* title, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
        if (item.text) AddLetters(places, title, item.text);
        if (!item.popup.empty()) AddLetters(places, item.text, item.popup);
    }
}

TEST(MainMenu, PopupsItemsAndSeparatorsInOrder) {
    std::vector<std::string> expected = {
        "&File:&New game\tCtrl+N=57600|New &match=32782|-|&Open\tCtrl+O=57601|&Save\tCtrl+S=57603|"
        "Expor&t games...=32781|-|S&ettings...\tCtrl+E=229|-|&Reset scores=226|-|E&xit=205|",
        "&Edit:&Copy position\tCtrl+Shift+C=57634|&Paste position\tCtrl+V=57637|",
        "&Action:&Show progress\t?=209|&Undo\tEsc=216|&Double\tCtrl+D=227|"
        "&Pass\tSpace=218|&Resign\tCtrl+Space=32774|-|"
        "Suggest &move\tCtrl+M=32773|&Hint\tCtrl+H=32783|Re&view games...=32784|-|S&witch sides\tCtrl+W=32771|"
        "&Finish game\tCtrl+F=32772|",
        "&Screen:&Colors...\tCtrl+C=32770|&Redraw\tCtrl+R=32769|-|"
        "&Board size>[*&100 %=32777|*12&5 %=32778|*15&0 %=32779|*&200 %=32780|]|",
        "&Help:&Help\tF1=57670|&About=57664|",
    };
    EXPECT_EQ(Flatten(), expected);
}

TEST(MainMenu, EveryMenuCommandIsInTheCommandTable) {
    std::set<int> known;
    for (const CommandInfo& c : CommandTable()) known.insert(c.id);
    std::vector<const MenuItem*> items;
    for (const MenuPopup& popup : MainMenu()) CommandItems(popup.items, items);
    for (const MenuItem* item : items) EXPECT_TRUE(known.count(item->command)) << item->text;
    EXPECT_EQ(items.size() + 2, CommandTable().size());  // plus the two internal ones
}

// A letter marked twice in one place only moves between the two.
TEST(MainMenu, NoTwoTextsOfAMenuOrDialogShareALetter) {
    std::map<std::string, std::string> places;
    for (const MenuPopup& popup : MainMenu()) {
        AddLetters(places, "menu bar", popup.title);
        AddLetters(places, popup.title, popup.items);
    }
    for (const DialogTemplate* dialog : AllDialogTemplates())
        for (const DialogControl& c : dialog->controls) AddLetters(places, dialog->title, c.text);
    for (auto [place, letters] : places) {
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(std::adjacent_find(letters.begin(), letters.end()), letters.end()) << place << ": " << letters;
    }
}

TEST(Accelerators, TableMatchesTheKeyList) {
    struct Row {
        char character;
        AccelKey key;
        bool ctrl;
        int command;
        bool shift = false;
    };
    const Row expected[] = {
        {'/', AccelKey::None, false, 209}, {'?', AccelKey::None, false, 209}, {0, AccelKey::C, true, 32770},
        {0, AccelKey::D, true, 227},       {0, AccelKey::E, true, 229},       {0, AccelKey::F, true, 32772},
        {0, AccelKey::H, true, 32783},     {0, AccelKey::M, true, 32773},     {0, AccelKey::N, true, 57600},
        {0, AccelKey::O, true, 57601},     {0, AccelKey::R, true, 32769},     {0, AccelKey::S, true, 57603},
        {0, AccelKey::Escape, false, 216}, {0, AccelKey::F1, false, 57670},   {0, AccelKey::Space, false, 218},
        {0, AccelKey::Space, true, 32774}, {0, AccelKey::W, true, 32771},     {0, AccelKey::C, true, 57634, true},
        {0, AccelKey::V, true, 57637},
    };
    auto table = MainAccelerators();
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].character, expected[i].character);
        EXPECT_EQ(table[i].command, expected[i].command);
        EXPECT_EQ(table[i].key, expected[i].key);
        EXPECT_EQ(table[i].ctrl, expected[i].ctrl);
        EXPECT_EQ(table[i].shift, expected[i].shift);
    }
}

}  // namespace
