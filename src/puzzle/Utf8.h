// UTF-8 checking shared by the command-line programs, which write JSON and show text from
// files that may hold anything.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace puzzle {

// Length of the valid UTF-8 sequence that starts at s[pos], or 0 when it is not one (overlong
// forms, surrogates and values past U+10FFFF included).
inline std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos) {
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = at(pos);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > s.size()) return 0;
    if (at(pos + 1) < low || at(pos + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (at(pos + k) < 0x80 || at(pos + k) > 0xBF) return 0;
    }
    return length;
}

// The UTF-8 characters of a text, each as its bytes; a byte that starts no valid sequence
// stands alone.
inline std::vector<std::string_view> Utf8Characters(std::string_view s) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = std::max<std::size_t>(Utf8SequenceLength(s, i), 1);
        chars.push_back(s.substr(i, n));
        i += n;
    }
    return chars;
}

}  // namespace puzzle
