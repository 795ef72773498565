#include "ui/qt/KeyChords.h"

#include <QKeyEvent>

namespace ui::qt {
namespace {

int ModelKey(int key) {
    switch (key) {
        case Qt::Key_Left: return kKeyLeft;
        case Qt::Key_Right: return kKeyRight;
        case Qt::Key_Up: return kKeyUp;
        case Qt::Key_Down: return kKeyDown;
        case Qt::Key_Home: return kKeyHome;
        case Qt::Key_End: return kKeyEnd;
        case Qt::Key_PageUp: return kKeyPageUp;
        case Qt::Key_PageDown: return kKeyPageDown;
        case Qt::Key_Delete: return kKeyDelete;
        case Qt::Key_Insert: return kKeyInsert;
        case Qt::Key_Backspace: return kKeyBack;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kKeyReturn;
        case Qt::Key_Escape: return kKeyEscape;
        case Qt::Key_Tab: return kKeyTab;
        case Qt::Key_Space: return kKeySpace;
        default: break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return kKeyF1 + (key - Qt::Key_F1);
    // Letters, digits and the other printable keys are their character.
    if (key > ' ' && key < 0x7F) return key;
    return 0;
}

// Keys that act whatever the modifiers: the model sees them.
bool Named(int key) {
    return key == kKeyLeft || key == kKeyRight || key == kKeyUp || key == kKeyDown || key == kKeyHome ||
           key == kKeyEnd || key == kKeyPageUp || key == kKeyPageDown || key == kKeyDelete || key == kKeyInsert ||
           key == kKeyEscape || (key >= kKeyF1 && key < kKeyF1 + 12);
}

}  // namespace

std::optional<KeyChord> ChordOf(const QKeyEvent& event) {
    int key = ModelKey(event.key());
    if (key == 0) return std::nullopt;
    int modifiers = 0;
    if (event.modifiers() & Qt::ShiftModifier) modifiers |= kShiftMask;
    if (event.modifiers() & Qt::ControlModifier) modifiers |= kCtrlMask;
    if (event.modifiers() & Qt::AltModifier) modifiers |= kAltMask;
    // Tab walks the focus chain as Qt does it; a plain character is typed.
    if (key == kKeyTab) return std::nullopt;
    // Shift+digit edits candidates: the digit key is known by its place on the keyboard, since
    // Shift turns it into a different character on every layout (X11 key codes 10..18 are 1..9).
    if (modifiers == kShiftMask) {
        if (key >= '1' && key <= '9') return KeyChord{key, modifiers};
        const quint32 scan = event.nativeScanCode();
        if (scan >= 10 && scan <= 18) return KeyChord{static_cast<int>('1' + (scan - 10)), modifiers};
    }
    if (!Named(key) && !(modifiers & (kCtrlMask | kAltMask))) return std::nullopt;
    return KeyChord{key, modifiers};
}

}  // namespace ui::qt
