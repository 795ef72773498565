// The techniques of the logic step finder, one row each, in search order (the order of the
// Technique enum). A row is everything the program knows of a technique: its names, its
// difficulty number, its search and its wording. The step finder tries the rows in turn,
// StepText words a step through its row, and the names and numbers are read from it.
// Private to src/puzzle.
//
// The difficulty numbers follow the published explainers' scales in spirit (singles near 1,
// uniqueness below the chains, forcing chains from 8) but rise with the search order, so that
// each level of Difficulty.h is one range of numbers.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "puzzle/TechniqueSearch.h"
#include "puzzle/Techniques.h"

namespace puzzle {

struct TechniqueRow {
    Technique technique;
    std::string_view japanese;
    std::string_view english;
    int difficulty = 0;  // tenths: 10 is 1.0, 100 is 10.0
    // The search: of the whole board, or of one digit at a time (exactly one of the two).
    search::BoardSearch search = nullptr;
    search::DigitSearch searchDigit = nullptr;
    search::Wording wording = nullptr;
    bool single = false;           // places a digit by one of the singles
    bool needsUniqueness = false;  // holds only when the problem has exactly one solution
    // Searched only on a board with one solution: elsewhere most candidates lie in some
    // solution and cannot be refuted, so the search would look through every one in vain.
    bool uniqueBoardsOnly = false;
};

inline constexpr auto kTechniques = std::to_array<TechniqueRow>({
    {.technique = Technique::LastCell, .japanese = "最後の空きマス", .english = "Last Cell", .difficulty = 10,
     .search = search::LastCell, .wording = search::LastCellWording, .single = true},
    {.technique = Technique::NakedSingle, .japanese = "ネイキッドシングル", .english = "Naked Single", .difficulty = 15,
     .search = search::NakedSingle, .wording = search::NakedSingleWording, .single = true},
    {.technique = Technique::HiddenSingle, .japanese = "ヒドゥンシングル", .english = "Hidden Single", .difficulty = 20,
     .search = search::HiddenSingle, .wording = search::HiddenSingleWording, .single = true},
    {.technique = Technique::Pointing, .japanese = "ポインティング", .english = "Pointing", .difficulty = 25,
     .search = search::Pointing, .wording = search::LockedCandidatesWording},
    {.technique = Technique::Claiming, .japanese = "クレーミング", .english = "Claiming", .difficulty = 27,
     .search = search::Claiming, .wording = search::LockedCandidatesWording},
    {.technique = Technique::NakedPair, .japanese = "ネイキッドペア", .english = "Naked Pair", .difficulty = 30,
     .search = search::NakedPair, .wording = search::NakedSubsetWording},
    {.technique = Technique::HiddenPair, .japanese = "ヒドゥンペア", .english = "Hidden Pair", .difficulty = 32,
     .search = search::HiddenPair, .wording = search::HiddenSubsetWording},
    {.technique = Technique::NakedTriple, .japanese = "ネイキッドトリプル", .english = "Naked Triple", .difficulty = 34,
     .search = search::NakedTriple, .wording = search::NakedSubsetWording},
    {.technique = Technique::HiddenTriple, .japanese = "ヒドゥントリプル", .english = "Hidden Triple", .difficulty = 36,
     .search = search::HiddenTriple, .wording = search::HiddenSubsetWording},
    {.technique = Technique::NakedQuad, .japanese = "ネイキッドクアッド", .english = "Naked Quad", .difficulty = 38,
     .search = search::NakedQuad, .wording = search::NakedSubsetWording},
    {.technique = Technique::HiddenQuad, .japanese = "ヒドゥンクアッド", .english = "Hidden Quad", .difficulty = 39,
     .search = search::HiddenQuad, .wording = search::HiddenSubsetWording},
    {.technique = Technique::XWing, .japanese = "Xウィング", .english = "X-Wing", .difficulty = 40,
     .searchDigit = search::XWing, .wording = search::FishWording},
    {.technique = Technique::Swordfish, .japanese = "ソードフィッシュ", .english = "Swordfish", .difficulty = 41,
     .searchDigit = search::Swordfish, .wording = search::FishWording},
    {.technique = Technique::Jellyfish, .japanese = "ジェリーフィッシュ", .english = "Jellyfish", .difficulty = 42,
     .searchDigit = search::Jellyfish, .wording = search::FishWording},
    {.technique = Technique::FinnedXWing, .japanese = "フィン付きXウィング", .english = "Finned X-Wing", .difficulty = 43,
     .searchDigit = search::FinnedXWing, .wording = search::FinnedFishWording},
    {.technique = Technique::SashimiXWing, .japanese = "サシミXウィング", .english = "Sashimi X-Wing", .difficulty = 43,
     .searchDigit = search::SashimiXWing, .wording = search::FinnedFishWording},
    {.technique = Technique::FinnedSwordfish, .japanese = "フィン付きソードフィッシュ", .english = "Finned Swordfish", .difficulty = 44,
     .searchDigit = search::FinnedSwordfish, .wording = search::FinnedFishWording},
    {.technique = Technique::SashimiSwordfish, .japanese = "サシミソードフィッシュ", .english = "Sashimi Swordfish", .difficulty = 44,
     .searchDigit = search::SashimiSwordfish, .wording = search::FinnedFishWording},
    {.technique = Technique::FinnedJellyfish, .japanese = "フィン付きジェリーフィッシュ", .english = "Finned Jellyfish", .difficulty = 45,
     .searchDigit = search::FinnedJellyfish, .wording = search::FinnedFishWording},
    {.technique = Technique::SashimiJellyfish, .japanese = "サシミジェリーフィッシュ", .english = "Sashimi Jellyfish", .difficulty = 45,
     .searchDigit = search::SashimiJellyfish, .wording = search::FinnedFishWording},
    {.technique = Technique::Skyscraper, .japanese = "スカイスクレイパー", .english = "Skyscraper", .difficulty = 46,
     .searchDigit = search::Skyscraper, .wording = search::ChainWording},
    {.technique = Technique::TwoStringKite, .japanese = "ツーストリングカイト", .english = "2-String Kite", .difficulty = 47,
     .searchDigit = search::TwoStringKite, .wording = search::ChainWording},
    {.technique = Technique::EmptyRectangle, .japanese = "エンプティレクタングル", .english = "Empty Rectangle", .difficulty = 48,
     .searchDigit = search::EmptyRectangle, .wording = search::EmptyRectangleWording},
    {.technique = Technique::XYWing, .japanese = "XYウィング", .english = "XY-Wing", .difficulty = 50,
     .search = search::XYWing, .wording = search::XYWingWording},
    {.technique = Technique::XYZWing, .japanese = "XYZウィング", .english = "XYZ-Wing", .difficulty = 52,
     .search = search::XYZWing, .wording = search::XYZWingWording},
    {.technique = Technique::WWing, .japanese = "Wウィング", .english = "W-Wing", .difficulty = 54,
     .search = search::WWing, .wording = search::ChainWording},
    // The uniqueness techniques come before the chains, as on the published scales: a BUG+1
    // position is full of cells with two candidates, so with the chains first it would never
    // be the step found.
    {.technique = Technique::UniqueRectangle1, .japanese = "ユニークレクタングル1", .english = "Unique Rectangle Type 1", .difficulty = 60,
     .search = search::UniqueRectangle1, .wording = search::UniqueRectangle1Wording, .needsUniqueness = true},
    {.technique = Technique::UniqueRectangle2, .japanese = "ユニークレクタングル2", .english = "Unique Rectangle Type 2", .difficulty = 61,
     .search = search::UniqueRectangle2, .wording = search::UniqueRectangle2Wording, .needsUniqueness = true},
    {.technique = Technique::UniqueRectangle3, .japanese = "ユニークレクタングル3", .english = "Unique Rectangle Type 3", .difficulty = 62,
     .search = search::UniqueRectangle3, .wording = search::UniqueRectangle3Wording, .needsUniqueness = true},
    {.technique = Technique::UniqueRectangle4, .japanese = "ユニークレクタングル4", .english = "Unique Rectangle Type 4", .difficulty = 62,
     .search = search::UniqueRectangle4, .wording = search::UniqueRectangle4Wording, .needsUniqueness = true},
    {.technique = Technique::BugPlusOne, .japanese = "BUG+1", .english = "BUG+1", .difficulty = 63,
     .search = search::BugPlusOne, .wording = search::BugPlusOneWording, .needsUniqueness = true},
    {.technique = Technique::XChain, .japanese = "Xチェーン", .english = "X-Chain", .difficulty = 65,
     .searchDigit = search::XChain, .wording = search::ChainWording},
    {.technique = Technique::XYChain, .japanese = "XYチェーン", .english = "XY-Chain", .difficulty = 67,
     .search = search::XYChain, .wording = search::ChainWording},
    {.technique = Technique::AlternatingChain, .japanese = "交互推論チェーン", .english = "Alternating Inference Chain", .difficulty = 70,
     .search = search::AlternatingChain, .wording = search::ChainWording},
    {.technique = Technique::AlsXZ, .japanese = "ALS-XZ", .english = "ALS-XZ", .difficulty = 74,
     .search = search::AlsXZ, .wording = search::AlsXZWording},
    {.technique = Technique::AlsXYWing, .japanese = "ALS-XYウィング", .english = "ALS-XY-Wing", .difficulty = 77,
     .search = search::AlsXYWing, .wording = search::AlsXYWingWording},
    {.technique = Technique::CellForcingChain, .japanese = "セルフォーシングチェーン", .english = "Cell Forcing Chain", .difficulty = 80,
     .search = search::CellForcingChain, .wording = search::ForcingChainWording},
    {.technique = Technique::UnitForcingChain, .japanese = "ユニットフォーシングチェーン", .english = "Unit Forcing Chain", .difficulty = 83,
     .search = search::UnitForcingChain, .wording = search::ForcingChainWording},
    {.technique = Technique::NestedForcingChain, .japanese = "入れ子のフォーシングチェーン", .english = "Nested Forcing Chain", .difficulty = 90,
     .search = search::NestedForcingChain, .wording = search::NestedForcingChainWording, .uniqueBoardsOnly = true},
});

inline constexpr int kTechniqueCount = static_cast<int>(kTechniques.size());

// Row i is the technique numbered i, so that a technique finds its row by its number; the
// difficulty never falls along the search order. (That each row has one search and a wording
// is checked by the tests: with the sanitizers a function's address is no constant.)
static_assert([] {
    for (std::size_t i = 0; i < kTechniques.size(); ++i) {
        const TechniqueRow& row = kTechniques[i];
        if (static_cast<std::size_t>(row.technique) != i) return false;
        if (row.japanese.empty() || row.english.empty()) return false;
        if (i > 0 && row.difficulty < kTechniques[i - 1].difficulty) return false;
    }
    return true;
}());

inline const TechniqueRow& RowOf(Technique t) { return kTechniques[static_cast<std::size_t>(t)]; }

}  // namespace puzzle
