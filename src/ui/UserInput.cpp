#include "ui/UserInput.h"

#include "ui/Buttons.h"
#include "ui/FormRegistry.h"
#include "ui/ImageCombo.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"

namespace ui {

std::string Utf8(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

void DropLastCharacter(std::string& utf8) {
    if (utf8.empty()) return;
    size_t i = utf8.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) --i;
    utf8.erase(i);
}

namespace {

// Decodes the next UTF-8 character of text at pos (invalid bytes are taken one by one).
char32_t NextCharacter(std::string_view text, size_t& pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (pos + static_cast<size_t>(extra) >= text.size()) extra = 0;  // cut short: the byte alone
    char32_t code = extra == 0 ? lead : (lead & (0x3F >> extra));
    for (int k = 1; k <= extra; ++k) code = (code << 6) | (byte(pos + static_cast<size_t>(k)) & 0x3F);
    pos += static_cast<size_t>(extra) + 1;
    return code;
}

}  // namespace

bool TypeKey(FormRegistry& registry, TextBox& box, char32_t key) {
    if (registry.ended()) return false;
    FormRegistry::EventScope scope(registry);
    int keyAscii = static_cast<int>(key);
    if (box.onKeyPress) box.onKeyPress(keyAscii);
    if (keyAscii == 0) return false;
    if (registry.ended() || box.locked()) return true;
    std::string text = box.text();
    if (keyAscii == 8) {
        DropLastCharacter(text);
    } else if (keyAscii >= 32) {
        text += Utf8(static_cast<char32_t>(keyAscii));
    }
    box.setText(text);
    if (!registry.ended() && box.onKeyUp) box.onKeyUp(keyAscii);
    return true;
}

void KeyUp(FormRegistry& registry, TextBox& box, int keyAscii) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    if (box.onKeyUp) box.onKeyUp(keyAscii);
}

int PressKey(FormRegistry& registry, TextBox& box, int keyAscii) {
    if (registry.ended()) return 0;
    FormRegistry::EventScope scope(registry);
    if (box.onKeyPress) box.onKeyPress(keyAscii);
    return registry.ended() ? 0 : keyAscii;
}

void EditText(FormRegistry& registry, TextBox& box, const std::string& text) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    box.setText(text);
}

bool KeyDown(FormRegistry& registry, Control* focus, const KeyChord& chord) {
    if (registry.ended()) return false;
    FormRegistry::EventScope scope(registry);
    if (registry.runShortcut(chord, focus)) return true;
    auto* box = dynamic_cast<TextBox*>(focus);
    if (!box || !box->onKeyDown || registry.ended()) return false;
    int keyCode = chord.key;
    box->onKeyDown(keyCode, chord.modifiers);
    return keyCode == 0;
}

void Press(FormRegistry& registry, Control& control, const KeyChord& chord) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    registry.noteFocus(&control);
    if (KeyDown(registry, &control, chord)) return;
    auto* box = dynamic_cast<TextBox*>(&control);
    if (int typed = TypedCharacter(chord); box && typed != 0 && !registry.ended()) TypeKey(registry, *box, static_cast<char32_t>(typed));
}

void TypeText(FormRegistry& registry, TextBox& box, std::string_view utf8) {
    size_t pos = 0;
    while (pos < utf8.size()) TypeKey(registry, box, NextCharacter(utf8, pos));
}

void Click(FormRegistry& registry, Control& control) {
    auto* clickable = dynamic_cast<Clickable*>(&control);
    if (!clickable) throw PropertyError(std::string(control.typeName()) + " " + control.path() + " cannot be clicked");
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    clickable->click();
}

void MouseDown(FormRegistry& registry, TextBox& box, int button, int x, int y) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    if (box.onMouseDown) box.onMouseDown(button, 0, x, y);
}

bool Pick(FormRegistry& registry, ImageCombo& combo, const std::string& name) {
    if (registry.ended()) return false;
    FormRegistry::EventScope scope(registry);
    return combo.pick(name);
}

void SpinUp(FormRegistry& registry, UpDown& spinner) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    spinner.up();
}

void SpinDown(FormRegistry& registry, UpDown& spinner) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    spinner.down();
}

void CloseWindow(FormRegistry& registry, Form& form) {
    if (registry.ended()) return;
    FormRegistry::EventScope scope(registry);
    registry.unload(form, Form::UnloadMode::User);
}

}  // namespace ui
