#include "puzzle/ShownText.h"

#include <cstdio>

#include "puzzle/Utf8.h"

namespace puzzle {
namespace {

bool IsControl(std::string_view ch) {
    auto b = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) return b < 0x20 || b == 0x7F;
    // U+0080..U+009F: a terminal may take U+009B as the start of an escape sequence.
    return ch.size() == 2 && b == 0xC2 && static_cast<unsigned char>(ch[1]) < 0xA0;
}

}  // namespace

std::string ShownField(std::string_view field) {
    std::string shown;
    std::size_t pos = 0;
    for (std::size_t n = 0; pos < field.size() && n < kShownCharacters; ++n) {
        std::size_t length = Utf8SequenceLength(field, pos);
        std::string_view ch = field.substr(pos, length == 0 ? 1 : length);
        if (length == 0 || IsControl(ch)) {
            for (char byte : ch) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(byte));
                shown += hex;
            }
        } else {
            shown += ch;
        }
        pos += ch.size();
    }
    return pos < field.size() ? shown + "…" : shown;
}

}  // namespace puzzle
