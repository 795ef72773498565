#include "app/solve/Difficulty.h"

#include <array>

namespace solve {
namespace {

constexpr std::array<std::string_view, 6> kNames{"singles", "locked", "subsets", "fish", "wings", "guess"};

}  // namespace

std::string_view LevelName(Level level) { return kNames[static_cast<std::size_t>(level)]; }

std::optional<Level> LevelNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<Level>(i);
    return std::nullopt;
}

Level LevelOf(const puzzle::Rating& rating) {
    using puzzle::Technique;
    if (!rating.finished) return Level::Guess;
    if (!rating.hardest) return Level::Singles;
    switch (*rating.hardest) {
        case Technique::LastCell:
        case Technique::NakedSingle:
        case Technique::HiddenSingle: return Level::Singles;
        case Technique::Pointing:
        case Technique::Claiming: return Level::Locked;
        case Technique::XWing:
        case Technique::Swordfish: return Level::Fish;
        case Technique::XYWing:
        case Technique::XYZWing: return Level::Wings;
        case Technique::NakedPair:
        case Technique::HiddenPair:
        case Technique::NakedTriple:
        case Technique::HiddenTriple:
        case Technique::NakedQuad:
        case Technique::HiddenQuad: return Level::Subsets;
    }
    return Level::Guess;
}

}  // namespace solve
