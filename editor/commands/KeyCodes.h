// The editor's key codes and shift state. The host maps its own keys to these codes (they are
// the classic virtual-key numbers) and delivers a key-down for every key, then a key press with
// the key's single-byte character: a typed byte, or a control character such as Enter (13),
// Backspace (8), Tab (9) and Ctrl+letter (Ctrl+A = 1 ... Ctrl+Z = 26).
#pragma once

#include <cstdint>

using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;

constexpr int vkBack = 8;
constexpr int vkTab = 9;
constexpr int vkReturn = 13;
constexpr int vkShift = 16;
constexpr int vkControl = 17;
constexpr int vkMenu = 18; // Alt
constexpr int vkEscape = 27;
constexpr int vkSpace = 32;
constexpr int vkPrior = 33; // Page Up
constexpr int vkNext = 34;  // Page Down
constexpr int vkEnd = 35;
constexpr int vkHome = 36;
constexpr int vkLeft = 37;
constexpr int vkUp = 38;
constexpr int vkRight = 39;
constexpr int vkDown = 40;
constexpr int vkInsert = 45;
constexpr int vkDelete = 46;
constexpr int vkF2 = 113;
// Letters are their upper-case ASCII codes, 'A' (65) ... 'Z' (90).
constexpr int vkKey(char letter) {
    return static_cast<unsigned char>(letter);
}

// Control characters of the key press.
constexpr char chCtrlA = 1;
constexpr char chCtrlC = 3;
constexpr char chCtrlF = 6;
constexpr char chBackspace = 8;
constexpr char chTab = 9;
constexpr char chEnter = 13;
constexpr char chCtrlV = 22;
constexpr char chCtrlX = 24;
constexpr char chCtrlY = 25;
