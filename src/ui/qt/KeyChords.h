// Qt's key events as the model's keys: the keys that KeyDown and the program's shortcuts see
// (arrows, Home, End, Delete, function keys, and every key held with Ctrl or Alt). Keys that
// only type a character are left to KeyPress.
#pragma once

#include <optional>

#include "ui/Keys.h"

class QKeyEvent;

namespace ui::qt {

std::optional<KeyChord> ChordOf(const QKeyEvent& event);

}  // namespace ui::qt
