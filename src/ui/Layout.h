// A window's layout as a table: one row per control with its caption and bounds, applied in
// one call, so that a window's layout code reads like the window itself.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "ui/Color.h"

namespace ui {

class Control;

struct LayoutRow {
    Control* control;
    std::string_view caption;  // a text box's or image combo's text; empty leaves it as it is
    int left, top, width, height;  // twips
    int fontSize = 0;              // points; 0 keeps the control's own
};

// Gives every row's control its caption, bounds and font size, in the order of the rows.
// Throws std::logic_error for a caption or font size the control cannot take.
void LayOut(std::span<const LayoutRow> rows);

// Sets the background colour of labels, buttons, check boxes and text boxes alike.
void SetBackColor(std::initializer_list<Control*> controls, Color color);

}  // namespace ui
