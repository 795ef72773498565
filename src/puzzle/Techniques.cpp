#include "puzzle/Techniques.h"

namespace puzzle {

const std::array<TechniqueName, 15> kTechniqueNames{{
    {Technique::LastCell, "最後の空きマス", "Last Cell"},
    {Technique::NakedSingle, "ネイキッドシングル", "Naked Single"},
    {Technique::HiddenSingle, "ヒドゥンシングル", "Hidden Single"},
    {Technique::Pointing, "ポインティング", "Pointing"},
    {Technique::Claiming, "クレーミング", "Claiming"},
    {Technique::NakedPair, "ネイキッドペア", "Naked Pair"},
    {Technique::HiddenPair, "ヒドゥンペア", "Hidden Pair"},
    {Technique::NakedTriple, "ネイキッドトリプル", "Naked Triple"},
    {Technique::HiddenTriple, "ヒドゥントリプル", "Hidden Triple"},
    {Technique::NakedQuad, "ネイキッドクアッド", "Naked Quad"},
    {Technique::HiddenQuad, "ヒドゥンクアッド", "Hidden Quad"},
    {Technique::XWing, "Xウィング", "X-Wing"},
    {Technique::Swordfish, "ソードフィッシュ", "Swordfish"},
    {Technique::XYWing, "XYウィング", "XY-Wing"},
    {Technique::XYZWing, "XYZウィング", "XYZ-Wing"},
}};

std::string_view JapaneseName(Technique t) { return kTechniqueNames[static_cast<std::size_t>(t)].japanese; }
std::string_view EnglishName(Technique t) { return kTechniqueNames[static_cast<std::size_t>(t)].english; }

}  // namespace puzzle
