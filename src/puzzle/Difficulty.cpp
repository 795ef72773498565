#include "puzzle/Difficulty.h"

namespace puzzle {

const std::array<LevelRange, kLevelCount> kLevels{{
    {Level::Singles, "singles", 10, 20},
    {Level::Locked, "locked", 21, 29},
    {Level::Subsets, "subsets", 30, 39},
    {Level::Fish, "fish", 40, 49},
    {Level::Wings, "wings", 50, 59},
    {Level::Chains, "chains", 60, 79},
    {Level::Guess, "guess", 80, 100},
}};

std::string_view LevelName(Level level) { return kLevels[static_cast<std::size_t>(level)].name; }

std::optional<Level> LevelNamed(std::string_view name) {
    for (const LevelRange& l : kLevels)
        if (l.name == name) return l.level;
    return std::nullopt;
}

Level LevelOfDifficulty(int tenths) {
    for (const LevelRange& l : kLevels)
        if (tenths <= l.high) return l.level;
    return Level::Guess;
}

Level LevelOf(Technique t) { return LevelOfDifficulty(Difficulty(t)); }

Level LevelOf(const Rating& rating) {
    if (!rating.finished) return Level::Guess;
    if (!rating.hardest) return Level::Singles;
    return LevelOf(*rating.hardest);
}

Technique HardestOf(Level level) {
    Technique hardest = Technique::LastCell;
    for (Technique t : AllTechniques())
        if (LevelOf(t) <= level) hardest = t;
    return hardest;
}

}  // namespace puzzle
