// The game names keys by the classic virtual-key codes: letters and digits by
// their upper-case character, the rest by the constants below.
#pragma once

constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;  // Alt
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_F1 = 0x70;

constexpr int VK_NONE = 0;

// The virtual-key code of a Qt key, or VK_NONE for keys the game never names.
int VirtualKeyOf(int qtKey);

constexpr bool IsModifierKey(int vk) { return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU; }
