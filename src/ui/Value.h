// How a text reads as a number: the classic BASIC rules the program depends on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Leading blanks skipped, then the longest numeric prefix (sign, digits, point, exponent);
// 0 when there is none. "  5" -> 5, "12abc" -> 12, "abc" -> 0.
double Val(std::string_view text);

// True when the whole text, blanks around it allowed, is one number. "" and "  " are not.
bool IsNumeric(std::string_view text);

// Truncation towards zero (BASIC Fix).
double Fix(double value);

// Rounding down (BASIC Int).
double Int(double value);

// Conversion to a 16-bit integer with rounding half to even (BASIC CInt); nothing when the
// value lies outside -32768..32767.
std::optional<int16_t> CInt(double value);

// A number formatted as BASIC's Str$/CStr would for whole numbers: "12", "-3", "2.5".
std::string NumberText(double value);

}  // namespace ui
