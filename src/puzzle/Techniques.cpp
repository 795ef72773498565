#include "puzzle/Techniques.h"

namespace puzzle {

// The difficulty numbers follow the published explainers' scales in spirit (singles near 1,
// uniqueness below the chains, forcing chains from 8) but rise with the search order, so that
// each level of Difficulty.h is one range of numbers.
const std::array<TechniqueName, kTechniqueCount> kTechniqueNames{{
    {Technique::LastCell, "最後の空きマス", "Last Cell", 10},
    {Technique::NakedSingle, "ネイキッドシングル", "Naked Single", 15},
    {Technique::HiddenSingle, "ヒドゥンシングル", "Hidden Single", 20},
    {Technique::Pointing, "ポインティング", "Pointing", 25},
    {Technique::Claiming, "クレーミング", "Claiming", 27},
    {Technique::NakedPair, "ネイキッドペア", "Naked Pair", 30},
    {Technique::HiddenPair, "ヒドゥンペア", "Hidden Pair", 32},
    {Technique::NakedTriple, "ネイキッドトリプル", "Naked Triple", 34},
    {Technique::HiddenTriple, "ヒドゥントリプル", "Hidden Triple", 36},
    {Technique::NakedQuad, "ネイキッドクアッド", "Naked Quad", 38},
    {Technique::HiddenQuad, "ヒドゥンクアッド", "Hidden Quad", 39},
    {Technique::XWing, "Xウィング", "X-Wing", 40},
    {Technique::Swordfish, "ソードフィッシュ", "Swordfish", 41},
    {Technique::Jellyfish, "ジェリーフィッシュ", "Jellyfish", 42},
    {Technique::FinnedXWing, "フィン付きXウィング", "Finned X-Wing", 43},
    {Technique::SashimiXWing, "サシミXウィング", "Sashimi X-Wing", 43},
    {Technique::FinnedSwordfish, "フィン付きソードフィッシュ", "Finned Swordfish", 44},
    {Technique::SashimiSwordfish, "サシミソードフィッシュ", "Sashimi Swordfish", 44},
    {Technique::FinnedJellyfish, "フィン付きジェリーフィッシュ", "Finned Jellyfish", 45},
    {Technique::SashimiJellyfish, "サシミジェリーフィッシュ", "Sashimi Jellyfish", 45},
    {Technique::Skyscraper, "スカイスクレイパー", "Skyscraper", 46},
    {Technique::TwoStringKite, "ツーストリングカイト", "2-String Kite", 47},
    {Technique::EmptyRectangle, "エンプティレクタングル", "Empty Rectangle", 48},
    {Technique::XYWing, "XYウィング", "XY-Wing", 50},
    {Technique::XYZWing, "XYZウィング", "XYZ-Wing", 52},
    {Technique::WWing, "Wウィング", "W-Wing", 54},
    {Technique::UniqueRectangle1, "ユニークレクタングル1", "Unique Rectangle Type 1", 60},
    {Technique::UniqueRectangle2, "ユニークレクタングル2", "Unique Rectangle Type 2", 61},
    {Technique::UniqueRectangle3, "ユニークレクタングル3", "Unique Rectangle Type 3", 62},
    {Technique::UniqueRectangle4, "ユニークレクタングル4", "Unique Rectangle Type 4", 62},
    {Technique::BugPlusOne, "BUG+1", "BUG+1", 63},
    {Technique::XChain, "Xチェーン", "X-Chain", 65},
    {Technique::XYChain, "XYチェーン", "XY-Chain", 67},
    {Technique::AlternatingChain, "交互推論チェーン", "Alternating Inference Chain", 70},
    {Technique::AlsXZ, "ALS-XZ", "ALS-XZ", 74},
    {Technique::AlsXYWing, "ALS-XYウィング", "ALS-XY-Wing", 77},
    {Technique::CellForcingChain, "セルフォーシングチェーン", "Cell Forcing Chain", 80},
    {Technique::UnitForcingChain, "ユニットフォーシングチェーン", "Unit Forcing Chain", 83},
    {Technique::NestedForcingChain, "入れ子のフォーシングチェーン", "Nested Forcing Chain", 90},
}};

std::string_view JapaneseName(Technique t) { return kTechniqueNames[static_cast<std::size_t>(t)].japanese; }
std::string_view EnglishName(Technique t) { return kTechniqueNames[static_cast<std::size_t>(t)].english; }
int Difficulty(Technique t) { return kTechniqueNames[static_cast<std::size_t>(t)].difficulty; }

std::string DifficultyText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

}  // namespace puzzle
