// How a grid window reads its cell texts. "" and "  " are the two empty forms (clears write
// "  ", loading a problem writes ""); every other text is filled, and its value is the number
// it reads as (0 when it reads as none).
#pragma once

#include <string_view>

#include "ui/Value.h"

namespace grid {

constexpr std::string_view kClearedCell = "  ";

inline bool IsFilled(std::string_view text) { return !text.empty() && text != kClearedCell; }

// Blanks only, or nothing at all: a cell that holds no character worth checking.
inline bool IsBlankOnly(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// The cell's value truncated to a whole number; 0 for an empty or non-numeric text.
inline double TruncatedValue(std::string_view text) { return ui::Fix(ui::Val(text)); }

// Holds digit d: filled and its truncated value is d.
inline bool HoldsDigit(std::string_view text, int d) { return IsFilled(text) && TruncatedValue(text) == d; }

}  // namespace grid
