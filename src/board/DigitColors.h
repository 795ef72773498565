// The colours of the digits on the board (0xBBGGRR). The entries' blue is dark enough to read
// on every background the judgements and hints paint (white, yellow, light green, light blue
// and the red of the cross-grid mark), and far enough from black to tell it from a given.
#pragma once

#include "ui/Color.h"

namespace board {

constexpr ui::Color kGivenColor = 0x000000;
constexpr ui::Color kEntryColor = 0xB40000;   // RGB 0, 0, 180
constexpr ui::Color kRepeatColor = 0x0000D0;  // RGB 208, 0, 0

}  // namespace board
