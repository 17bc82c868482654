// Keyboard codes of the kit's key events: the virtual-key codes the kit's handlers and events speak
// (TKeyEvent's Key), the character a key press types (TKeyPressEvent's Key, control characters
// included), and the shift state, all derived from a QKeyEvent's key and modifiers.
#pragma once

#include <QKeyEvent>
#include <cstdint>

#include "kit/QNTKITTypes.h"

namespace qnt {

// Virtual-key codes used by the kit.
inline constexpr std::uint16_t VK_BACK = 0x08;
inline constexpr std::uint16_t VK_TAB = 0x09;
inline constexpr std::uint16_t VK_RETURN = 0x0D;
inline constexpr std::uint16_t VK_SHIFT = 0x10;
inline constexpr std::uint16_t VK_CONTROL = 0x11;
inline constexpr std::uint16_t VK_MENU = 0x12;
inline constexpr std::uint16_t VK_ESCAPE = 0x1B;
inline constexpr std::uint16_t VK_SPACE = 0x20;
inline constexpr std::uint16_t VK_PRIOR = 0x21;  // Page Up
inline constexpr std::uint16_t VK_NEXT = 0x22;   // Page Down
inline constexpr std::uint16_t VK_END = 0x23;
inline constexpr std::uint16_t VK_HOME = 0x24;
inline constexpr std::uint16_t VK_LEFT = 0x25;
inline constexpr std::uint16_t VK_UP = 0x26;
inline constexpr std::uint16_t VK_RIGHT = 0x27;
inline constexpr std::uint16_t VK_DOWN = 0x28;
inline constexpr std::uint16_t VK_INSERT = 0x2D;
inline constexpr std::uint16_t VK_DELETE = 0x2E;
inline constexpr std::uint16_t VK_NUMPAD0 = 0x60;
inline constexpr std::uint16_t VK_MULTIPLY = 0x6A;
inline constexpr std::uint16_t VK_ADD = 0x6B;
inline constexpr std::uint16_t VK_SUBTRACT = 0x6D;
inline constexpr std::uint16_t VK_DECIMAL = 0x6E;
inline constexpr std::uint16_t VK_DIVIDE = 0x6F;
inline constexpr std::uint16_t VK_F1 = 0x70;
inline constexpr std::uint16_t VK_F10 = 0x79;
inline constexpr std::uint16_t VK_OEM_PLUS = 0xBB;
inline constexpr std::uint16_t VK_OEM_COMMA = 0xBC;
inline constexpr std::uint16_t VK_OEM_MINUS = 0xBD;
inline constexpr std::uint16_t VK_OEM_PERIOD = 0xBE;

/// The virtual-key code of a key event (0 for keys the kit has no code for).
std::uint16_t VirtualKeyOf(const QKeyEvent& event);
/// Shift, Alt and Ctrl of a key event.
TShiftState ShiftStateOf(const QKeyEvent& event);
/// Whether a key event comes from the numeric keypad's decimal key.
bool IsNumPadDecimal(const QKeyEvent& event);
/// The character a key press types: Enter #13, Esc #27, Backspace #8, Ctrl+letter #1..#26, else the
/// printable text when neither Ctrl nor Alt nor Meta is held; 0 when the key types nothing.
char16_t KeyPressCharOf(const QKeyEvent& event);

}  // namespace qnt
