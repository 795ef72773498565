// The fields of a model control that make up its state, named so that the journal can record
// a change of one and put it back: everything a user's action may change, not the layout.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "ui/Color.h"

namespace ui {

// A straight line drawn on a window's surface.
struct SurfaceLine {
    int x1, y1, x2, y2;  // twips
    int width;           // pixels
    Color color;
    bool operator==(const SurfaceLine&) const = default;
};

enum class Field : std::uint8_t {
    Visible,
    Enabled,
    Text,
    Caption,
    BackColor,
    ForeColor,
    Locked,
    Alignment,
    FontSize,
    FontBold,
    MultiLine,
    Value,
    Min,
    Max,
    Selected,
    Lines,
    Candidates,
    CandidatesShown,
    ToolTip,
    Picture,
};

// A field's value: numbers, flags and enumerations as integers.
using FieldValue = std::variant<std::int64_t, std::string, std::vector<SurfaceLine>>;

}  // namespace ui
