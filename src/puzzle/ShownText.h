// Text from an input file shown inside a message: short, and harmless on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace puzzle {

// At most this many characters of a field are shown.
constexpr std::size_t kShownCharacters = 32;

// The field as a message shows it: its first kShownCharacters characters, then "…" when there
// are more; a control character (C0, DEL, C1) or a byte that is not UTF-8 shows as \xHH for
// each of its bytes, so that no escape sequence reaches the terminal.
std::string ShownField(std::string_view field);

}  // namespace puzzle
