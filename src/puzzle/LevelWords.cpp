#include "puzzle/LevelWords.h"

#include <algorithm>

namespace puzzle {
namespace {

// Characters of UTF-8 text: every byte but the continuation bytes starts one.
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string_view LevelWord(Level level) {
    switch (level) {
        case Level::Singles: return "やさしい";
        case Level::Locked: return "ふつう";
        case Level::Subsets: return "少し難しい";
        case Level::Fish: return "難しい";
        case Level::Wings: return "とても難しい";
        case Level::Chains: return "上級";
        case Level::Guess: return "最上級";
    }
    return "";
}

std::string GeneratedMemo(Level level, uint64_t seed, bool spare) {
    const std::string named = std::string(LevelWord(level)) + (spare ? " 余分あり" : "");
    const std::string seeded = named + " 種 " + std::to_string(seed);
    for (const std::string& memo : {"自動生成 " + seeded, seeded}) {
        if (Characters(memo) <= kMemoChars) return memo;
    }
    return named;
}

}  // namespace puzzle
