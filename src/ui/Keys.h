// Keys as the keyboard names them: a key code (the classic ones: letters and digits as their
// capital ASCII codes, arrows, Home, End, Delete ...) and the modifiers held, written and read
// as Qt writes key sequences in portable text ("Left", "Ctrl+Shift+Z", "Ctrl++").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Modifier bits, as KeyDown's Shift argument reports them.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Key codes of the keys without a character of their own; letters are 'A'..'Z', digits
// '0'..'9', and other characters their own code ('+', '-', ...).
enum KeyCode : int {
    kKeyBack = 8,
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyPageUp = 0x121,
    kKeyPageDown = 0x122,
    kKeyEnd = 0x123,
    kKeyHome = 0x124,
    kKeyLeft = 0x125,
    kKeyUp = 0x126,
    kKeyRight = 0x127,
    kKeyDown = 0x128,
    kKeyInsert = 0x12D,
    kKeyDelete = 0x12E,
    kKeyF1 = 0x170,  // F1 .. F12 follow
};

struct KeyChord {
    int key = 0;
    int modifiers = 0;
    bool operator==(const KeyChord&) const = default;
};

// "Ctrl+Shift+Z", "Left", "Home", "Del", "Ctrl+V", "Shift+5", "Ctrl++"; nothing for a text that
// names no key.
std::optional<KeyChord> ParseKeySequence(std::string_view text);
std::string KeySequenceText(const KeyChord& chord);

// The character a key types when no Ctrl or Alt is held (0 for none): a digit, a letter in
// lower case (upper with Shift), Space, Backspace (8), Enter (13).
int TypedCharacter(const KeyChord& chord);

}  // namespace ui
