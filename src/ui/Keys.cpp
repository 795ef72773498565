#include "ui/Keys.h"

#include <array>
#include <utility>

namespace ui {
namespace {

struct Named {
    std::string_view name;
    int key;
};

// Qt's portable names; the first of two names for one key is the one written.
constexpr std::array<Named, 17> kNamed{{
    {"Backspace", kKeyBack},
    {"Tab", kKeyTab},
    {"Return", kKeyReturn},
    {"Enter", kKeyReturn},
    {"Esc", kKeyEscape},
    {"Space", kKeySpace},
    {"PgUp", kKeyPageUp},
    {"PgDown", kKeyPageDown},
    {"End", kKeyEnd},
    {"Home", kKeyHome},
    {"Left", kKeyLeft},
    {"Up", kKeyUp},
    {"Right", kKeyRight},
    {"Down", kKeyDown},
    {"Ins", kKeyInsert},
    {"Del", kKeyDelete},
    {"Delete", kKeyDelete},
}};

constexpr std::array<std::pair<std::string_view, int>, 4> kModifiers{{
    {"Ctrl", kCtrlMask},
    {"Shift", kShiftMask},
    {"Alt", kAltMask},
    {"Meta", 0},
}};

std::optional<int> KeyNamed(std::string_view name) {
    for (const Named& n : kNamed) {
        if (n.name == name) return n.key;
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12) return kKeyF1 + n - 1;
        return std::nullopt;
    }
    if (name.size() != 1) return std::nullopt;
    char c = name[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x7F) return std::nullopt;
    return c;
}

}  // namespace

std::optional<KeyChord> ParseKeySequence(std::string_view text) {
    KeyChord chord;
    while (true) {
        std::size_t plus = text.find('+');
        // The last part is the key; a "+" key is written as a trailing "+" ("Ctrl++", "+").
        if (plus == std::string_view::npos || plus == text.size() - 1 || plus == 0) break;
        std::string_view part = text.substr(0, plus);
        bool known = false;
        for (const auto& [name, mask] : kModifiers) {
            if (part == name) {
                chord.modifiers |= mask;
                known = true;
            }
        }
        if (!known) return std::nullopt;
        text.remove_prefix(plus + 1);
    }
    std::optional<int> key = KeyNamed(text);
    if (!key) return std::nullopt;
    chord.key = *key;
    return chord;
}

std::string KeySequenceText(const KeyChord& chord) {
    std::string text;
    for (const auto& [name, mask] : kModifiers) {
        if (mask && (chord.modifiers & mask)) text += std::string(name) + "+";
    }
    for (const Named& n : kNamed) {
        if (n.key == chord.key) return text + std::string(n.name);
    }
    if (chord.key >= kKeyF1 && chord.key < kKeyF1 + 12) return text + "F" + std::to_string(chord.key - kKeyF1 + 1);
    return text + std::string(1, static_cast<char>(chord.key));
}

int TypedCharacter(const KeyChord& chord) {
    if (chord.modifiers & (kCtrlMask | kAltMask)) return 0;
    if (chord.key == kKeyBack || chord.key == kKeyReturn || chord.key == kKeySpace) return chord.key;
    if (chord.key > ' ' && chord.key < 0x7F) {
        if (chord.key >= 'A' && chord.key <= 'Z' && !(chord.modifiers & kShiftMask)) return chord.key - 'A' + 'a';
        return chord.key;
    }
    return 0;
}

}  // namespace ui
