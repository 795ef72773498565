// What a user does to the windows, as one event each: the views of the Qt layer, the script
// runner and the tests all go through here. Each action runs inside an event scope, so that
// windows unloaded by it are destroyed only after it has returned, and is ignored once the
// program has ended.
#pragma once

#include <string>
#include <string_view>

#include "ui/Keys.h"

namespace ui {

class Control;
class Form;
class FormRegistry;
class ImageCombo;
class TextBox;
class UpDown;

// Characters as typed: KeyPress first; an accepted key edits the text at its end (a
// backspace, code 8, deletes the last character; other control codes edit nothing; a locked
// box does not change), then KeyUp fires. Returns false when the key was dropped.
bool TypeKey(FormRegistry& registry, TextBox& box, char32_t key);
void TypeText(FormRegistry& registry, TextBox& box, std::string_view utf8);

// For a view whose widget applies keys itself: runs KeyPress for the key and returns the key
// as the handler left it (0 = dropped). The widget then applies that key and reports its new
// text with EditText, which writes it to the model (firing Change).
int PressKey(FormRegistry& registry, TextBox& box, int keyAscii);
void EditText(FormRegistry& registry, TextBox& box, const std::string& text);
// Then, once the widget has applied the key: KeyUp.
void KeyUp(FormRegistry& registry, TextBox& box, int keyAscii);

// A key pressed while focus (nothing: no control of the program) has the focus: the
// program's shortcuts first, then the text box's KeyDown. True when one of them took it; a
// view leaves a key taken alone.
bool KeyDown(FormRegistry& registry, Control* focus, const KeyChord& chord);
// A key as a user presses it on a control: the control takes the focus, then KeyDown; a key
// nobody took that types a character is typed into a text box (KeyPress, edit, KeyUp). One
// event.
void Press(FormRegistry& registry, Control& control, const KeyChord& chord);

// A click: a button or menu item fires Click, a check box toggles, an option button is
// selected. Throws PropertyError for a control that cannot be clicked.
void Click(FormRegistry& registry, Control& control);

// A mouse button pressed on a text box (button: kLeftButton, kRightButton, kMiddleButton).
void MouseDown(FormRegistry& registry, TextBox& box, int button, int x = 0, int y = 0);

// The user picks an entry of a drop-down list by name; false when there is none.
bool Pick(FormRegistry& registry, ImageCombo& combo, const std::string& name);

void SpinUp(FormRegistry& registry, UpDown& spinner);
void SpinDown(FormRegistry& registry, UpDown& spinner);

// The user closes the window with its close box.
void CloseWindow(FormRegistry& registry, Form& form);

// UTF-8 helpers for key codes.
std::string Utf8(char32_t code);
void DropLastCharacter(std::string& utf8);

}  // namespace ui
