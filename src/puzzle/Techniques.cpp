#include "puzzle/Techniques.h"

#include "puzzle/TechniqueTable.h"

namespace puzzle {

namespace {
constexpr auto kAll = [] {
    std::array<Technique, kTechniqueCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = kTechniques[i].technique;
    return all;
}();
}  // namespace

std::span<const Technique> AllTechniques() { return kAll; }

std::string_view JapaneseName(Technique t) { return RowOf(t).japanese; }
std::string_view EnglishName(Technique t) { return RowOf(t).english; }
int Difficulty(Technique t) { return RowOf(t).difficulty; }

std::string DifficultyText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

bool IsSingle(Technique t) { return RowOf(t).single; }
bool NeedsUniqueness(Technique t) { return RowOf(t).needsUniqueness; }

}  // namespace puzzle
