// The Japanese words of the difficulty levels, as the new-problem window offers them, and the
// description a generated problem is stored with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "puzzle/Difficulty.h"

namespace puzzle {

// やさしい, ふつう, 少し難しい, 難しい, とても難しい, 上級, 最上級.
std::string_view LevelWord(Level level);

// The characters a problem's description holds (a collection record keeps 25 full-width ones).
inline constexpr std::size_t kMemoChars = 25;

// A generated problem's description: 「自動生成 ふつう 種 105」, with 「余分あり」 after the level
// when the generator kept givens the one solution does not need. Within kMemoChars characters:
// 自動生成 goes first when there is no room, then the seed; the level always stays.
std::string GeneratedMemo(Level level, uint64_t seed, bool spare);

}  // namespace puzzle
