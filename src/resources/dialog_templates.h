// The program's dialog resources as plain data. Coordinates and sizes are in
// dialog units of the template's font: x units are a quarter of the font's
// average character width, y units an eighth of its height. The builder in
// the window code turns a template into widgets; dialog code then finds its
// controls by id.
#pragma once

#include <cstdint>
#include <span>

// The id of controls that code never looks up; it may repeat in a template.
inline constexpr int IDC_STATIC = -1;

// Dialog resource ids.
inline constexpr int IDD_STATISTICS = 109;
inline constexpr int IDD_COLORS = 114;
inline constexpr int IDD_RESIGN = 177;
inline constexpr int IDD_ABOUT = 206;
inline constexpr int IDD_SETTINGS_GAME = 216;
inline constexpr int IDD_SETTINGS_VISUAL = 217;
inline constexpr int IDD_MANUAL_DICE = 220;
inline constexpr int IDD_SETTINGS_MATCH = 221;

enum class ControlKind {
    Label,       // static text
    Icon,        // static picture; `icon` names the resource, 0 = set later
    EtchedHorz,  // etched line, drawn along the rectangle's width
    EtchedVert,  // etched line, drawn along the rectangle's height
    GroupBox,
    PushButton,
    DefaultButton,  // push button that Enter presses
    CheckBox,
    RadioButton,
    Edit,
    DropDownList,  // non-editable combo box; h includes the open list
};

// Style bits; only what the template states. Buttons, check boxes, edits and
// lists take the keyboard focus by their kind; TabStop marks the others.
enum ControlStyle : std::uint32_t {
    kAlignLeft = 0,
    kAlignCenter = 1u << 0,
    kAlignRight = 1u << 1,
    kBorder = 1u << 2,    // label with a thin frame
    kNoBorder = 1u << 3,  // edit without its frame
    kReadOnly = 1u << 4,
    kMultiline = 1u << 5,  // edit of several lines, or label whose text wraps
    kDigitsOnly = 1u << 6,
    kGroupStart = 1u << 7,  // first of a radio group, or start of a tab group
    kTabStop = 1u << 8,
    kSorted = 1u << 9,  // list keeps its entries sorted
};

struct DialogControl {
    int id;
    ControlKind kind;
    const char* text;  // initial text; "" for none
    int x, y, w, h;
    std::uint32_t style;
    int icon = 0;  // icon resource of an Icon control
};

struct DialogTemplate {
    int id;
    const char* title;
    int x, y;  // relative to the owner; both 0 = centred on the owner
    int w, h;
    const char* fontName;
    int fontPoints;
    std::span<const DialogControl> controls;  // in template (tab) order
};

// The template with this resource id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// Every template, for tools and tests.
std::span<const DialogTemplate* const> AllDialogTemplates();

// A control of a template by id, or nullptr (IDC_STATIC never matches).
const DialogControl* FindControl(const DialogTemplate& dialog, int id);
