// One hand-made board per technique on which it is the first step the finder takes, with the
// placements or removals a player would derive. The harder techniques start from an empty
// double board with pencil marks, as a player's candidate grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "puzzle/StepFinder.h"
#include "puzzle/StepText.h"
#include "puzzle/TechniqueTable.h"

using namespace puzzle;

namespace {

constexpr int kPattern = 12;

// Board cell of grid g, row r, column c in pattern 12.
int Cell(int g, int r, int c) { return BoardCellOf(Pattern(kPattern), g, GridCell(r, c)); }

struct Given {
    int g, r, c, d;
};
DoubleBoard BoardOf(std::initializer_list<Given> givens) {
    DoubleBoard b;
    b.pattern = kPattern;
    for (const Given& x : givens) b.digits[static_cast<std::size_t>(Cell(x.g, x.r, x.c))] = static_cast<uint8_t>(x.d);
    return b;
}

// Pencil marks: the cell of grid 1 keeps only the given digits.
void Keep(LogicState& s, int r, int c, std::initializer_list<int> digits) {
    for (int d = 1; d <= 9; ++d)
        if (std::find(digits.begin(), digits.end(), d) == digits.end()) s.removeCandidate(Cell(1, r, c), d);
}
// Pencil marks: digit d leaves grid 1's row r except the given columns.
void RowOnlyIn(LogicState& s, int r, int d, std::initializer_list<int> columns) {
    for (int c = 1; c <= 9; ++c)
        if (std::find(columns.begin(), columns.end(), c) == columns.end()) s.removeCandidate(Cell(1, r, c), d);
}

std::vector<CellDigit> Removals(int d, std::initializer_list<std::pair<int, int>> cells) {
    std::vector<CellDigit> list;
    for (auto [r, c] : cells) list.push_back({Cell(1, r, c), d});
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit; });
    return list;
}
std::vector<CellDigit> Sorted(std::vector<CellDigit> list) {
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit; });
    return list;
}

Step First(const LogicState& s) {
    std::optional<Step> step = FindStep(s);
    EXPECT_TRUE(step.has_value());
    return step.value_or(Step{});
}

std::set<int> SetOf(const std::vector<int>& cells) { return {cells.begin(), cells.end()}; }

}  // namespace

TEST(Techniques, LastCellOfARow) {
    LogicState s(BoardOf({{1, 1, 1, 1}, {1, 1, 2, 2}, {1, 1, 3, 3}, {1, 1, 4, 4}, {1, 1, 5, 5}, {1, 1, 6, 6}, {1, 1, 7, 7}, {1, 1, 8, 8}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::LastCell);
    EXPECT_EQ(step.place, (std::vector<CellDigit>{{Cell(1, 1, 9), 9}}));
    EXPECT_TRUE(step.remove.empty());
    EXPECT_EQ(StepText(step, kPattern), "グリッド1の1行目で空いているのはグリッド1の1行9列だけです。残る9がそこに入ります。");
}

TEST(Techniques, NakedSingleProvedByTheDigitsItSees) {
    LogicState s(BoardOf({{1, 1, 4, 1}, {1, 1, 5, 2}, {1, 1, 7, 3}, {1, 4, 1, 4}, {1, 5, 1, 5}, {1, 7, 1, 6}, {1, 2, 2, 7}, {1, 3, 3, 8}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::NakedSingle);
    EXPECT_EQ(step.place, (std::vector<CellDigit>{{Cell(1, 1, 1), 9}}));
    EXPECT_EQ(SetOf(step.proof), (std::set<int>{Cell(1, 1, 4), Cell(1, 1, 5), Cell(1, 1, 7), Cell(1, 4, 1), Cell(1, 5, 1),
                                                  Cell(1, 7, 1), Cell(1, 2, 2), Cell(1, 3, 3)}));
}

TEST(Techniques, HiddenSingleInARow) {
    LogicState s(BoardOf({{1, 2, 4, 5}, {1, 3, 7, 5}, {1, 4, 2, 5}, {1, 7, 3, 5}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::HiddenSingle);
    EXPECT_EQ(step.place, (std::vector<CellDigit>{{Cell(1, 1, 1), 5}}));
    ASSERT_EQ(step.units.size(), 1u);
    EXPECT_EQ(step.units[0].kind, UnitKind::Row);
    EXPECT_EQ(SetOf(step.proof), (std::set<int>{Cell(1, 2, 4), Cell(1, 3, 7), Cell(1, 4, 2), Cell(1, 7, 3)}));
    EXPECT_EQ(StepText(step, kPattern), "グリッド1の1行目では、5が入るのはグリッド1の1行1列だけです。そこに5が入ります。");
}

TEST(Techniques, HiddenSingleProvedThroughTheOtherGrid) {
    // Grid 1's 5s in columns 7 and 8 and grid 2's 5s in its rows 2 and 3 leave grid 1's
    // column 9 one place for 5: the shared cell that is grid 2's row 1, column 3.
    LogicState s(BoardOf({{1, 1, 7, 5}, {1, 4, 8, 5}, {2, 2, 4, 5}, {2, 3, 7, 5}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::HiddenSingle);
    EXPECT_EQ(step.place, (std::vector<CellDigit>{{Cell(2, 1, 3), 5}}));
    EXPECT_EQ(Cell(2, 1, 3), Cell(1, 7, 9));
    EXPECT_TRUE(SetOf(step.proof).count(Cell(2, 2, 4)));
    EXPECT_TRUE(SetOf(step.proof).count(Cell(2, 3, 7)));
}

TEST(Techniques, PointingFromTheSharedBoxAlongARowOfTheOtherGrid) {
    // Grid 1's 5s in rows 8 and 9 confine 5 in its box 9, the box it shares with grid 2, to
    // row 7: that is grid 2's row 1, so grid 2's row 1 loses 5 outside the box.
    LogicState s(BoardOf({{1, 8, 1, 5}, {1, 9, 4, 5}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::Pointing);
    ASSERT_EQ(step.units.size(), 1u);
    EXPECT_EQ(step.units[0].grid, 1);
    EXPECT_EQ(step.units[0].index, 9);
    ASSERT_EQ(step.targets.size(), 1u);
    EXPECT_EQ(step.targets[0].grid, 2);
    EXPECT_EQ(step.targets[0].kind, UnitKind::Row);
    std::vector<CellDigit> expected;
    for (int c = 4; c <= 9; ++c) expected.push_back({Cell(2, 1, c), 5});
    EXPECT_EQ(step.remove, Sorted(expected));
    EXPECT_EQ(SetOf(step.proof), (std::set<int>{Cell(1, 7, 7), Cell(1, 7, 8), Cell(1, 7, 9)}));
}

TEST(Techniques, ClaimingFromARowOfGrid2IntoTheSharedBox) {
    // Grid 2's row 1 holds 1 to 6 outside the shared box, so its 7 is in the box, on grid 1's
    // row 7: 7 leaves the rest of the box and the rest of grid 1's row 7.
    LogicState s(BoardOf({{2, 1, 4, 1}, {2, 1, 5, 2}, {2, 1, 6, 3}, {2, 1, 7, 4}, {2, 1, 8, 5}, {2, 1, 9, 6}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::Claiming);
    EXPECT_EQ(step.units[0].grid, 2);
    EXPECT_EQ(step.units[0].kind, UnitKind::Row);
    std::vector<CellDigit> expected;
    for (int c = 1; c <= 6; ++c) expected.push_back({Cell(1, 7, c), 7});
    for (int r = 2; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) expected.push_back({Cell(2, r, c), 7});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, PointingWithinOneGrid) {
    // Box 1 of grid 1 has only its column 1 free, so its 5 leaves the rest of column 1.
    LogicState s(BoardOf({{1, 1, 2, 1}, {1, 1, 3, 2}, {1, 2, 2, 3}, {1, 2, 3, 4}, {1, 3, 2, 6}, {1, 3, 3, 7}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::Pointing);
    EXPECT_EQ(step.digits, std::vector<int>{5});
    EXPECT_EQ(step.remove, Removals(5, {{4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}));
    EXPECT_EQ(StepText(step, kPattern),
              "グリッド1のブロック1では、5が入るのはグリッド1の1行1列、2行1列、3行1列のどれかで、どれもグリッド1の1列目にあります。"
              "そのためグリッド1の1列目の他のマス（グリッド1の4行1列、5行1列、6行1列、7行1列、8行1列、9行1列）には5が入りません。");
}

TEST(Techniques, ClaimingWithinOneGrid) {
    // Grid 1's row 1 holds 1 to 6 outside box 1, so its 7 claims box 1's row 1.
    LogicState s(BoardOf({{1, 1, 4, 1}, {1, 1, 5, 2}, {1, 1, 6, 3}, {1, 1, 7, 4}, {1, 1, 8, 5}, {1, 1, 9, 6}}));
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::Claiming);
    EXPECT_EQ(step.remove, Removals(7, {{2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}));
    ASSERT_EQ(step.targets.size(), 1u);
    EXPECT_EQ(step.targets[0].kind, UnitKind::Box);
}

TEST(Techniques, NakedPairInARow) {
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2});
    Keep(s, 1, 5, {1, 2});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::NakedPair);
    std::vector<CellDigit> expected;
    for (int c : {2, 3, 4, 6, 7, 8, 9})
        for (int d : {1, 2}) expected.push_back({Cell(1, 1, c), d});
    EXPECT_EQ(step.remove, Sorted(expected));
    EXPECT_EQ(step.digits, (std::vector<int>{1, 2}));
}

TEST(Techniques, HiddenPairInARow) {
    LogicState s(DoubleBoard{});
    for (int d : {1, 2}) RowOnlyIn(s, 1, d, {1, 5});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::HiddenPair);
    std::vector<CellDigit> expected;
    for (int c : {1, 5})
        for (int d = 3; d <= 9; ++d) expected.push_back({Cell(1, 1, c), d});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, NakedTripleInARow) {
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2});
    Keep(s, 1, 4, {2, 3});
    Keep(s, 1, 7, {1, 3});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::NakedTriple);
    std::vector<CellDigit> expected;
    for (int c : {2, 3, 5, 6, 8, 9})
        for (int d : {1, 2, 3}) expected.push_back({Cell(1, 1, c), d});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, HiddenTripleInARow) {
    LogicState s(DoubleBoard{});
    for (int d : {1, 2, 3}) RowOnlyIn(s, 1, d, {1, 4, 7});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::HiddenTriple);
    std::vector<CellDigit> expected;
    for (int c : {1, 4, 7})
        for (int d = 4; d <= 9; ++d) expected.push_back({Cell(1, 1, c), d});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, NakedQuadInARow) {
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2});
    Keep(s, 1, 4, {2, 3});
    Keep(s, 1, 6, {3, 4});
    Keep(s, 1, 8, {1, 4});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::NakedQuad);
    std::vector<CellDigit> expected;
    for (int c : {2, 3, 5, 7, 9})
        for (int d : {1, 2, 3, 4}) expected.push_back({Cell(1, 1, c), d});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, HiddenQuadInARow) {
    LogicState s(DoubleBoard{});
    for (int d : {1, 2, 3, 4}) RowOnlyIn(s, 1, d, {1, 4, 6, 8});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::HiddenQuad);
    std::vector<CellDigit> expected;
    for (int c : {1, 4, 6, 8})
        for (int d = 5; d <= 9; ++d) expected.push_back({Cell(1, 1, c), d});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, XWingOnTwoRows) {
    LogicState s(DoubleBoard{});
    RowOnlyIn(s, 2, 5, {3, 7});
    RowOnlyIn(s, 6, 5, {3, 7});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::XWing);
    std::vector<CellDigit> expected;
    for (int r : {1, 3, 4, 5, 7, 8, 9})
        for (int c : {3, 7}) expected.push_back({Cell(1, r, c), 5});
    EXPECT_EQ(step.remove, Sorted(expected));
    EXPECT_EQ(SetOf(step.proof), (std::set<int>{Cell(1, 2, 3), Cell(1, 2, 7), Cell(1, 6, 3), Cell(1, 6, 7)}));
    EXPECT_EQ(StepText(step, kPattern),
              "5が入るのは、グリッド1の2行目とグリッド1の6行目のどれでもグリッド1の3列目とグリッド1の7列目の上だけです。"
              "そのためグリッド1の3列目とグリッド1の7列目の他のマス（グリッド1の1行3列、1行7列、3行3列、3行7列、4行3列、"
              "4行7列、5行3列、5行7列、7行3列、7行7列、8行3列、8行7列、9行3列、9行7列）には5が入りません。");
}

TEST(Techniques, SwordfishOnThreeRows) {
    LogicState s(DoubleBoard{});
    RowOnlyIn(s, 2, 5, {1, 4});
    RowOnlyIn(s, 5, 5, {4, 7});
    RowOnlyIn(s, 8, 5, {1, 7});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::Swordfish);
    std::vector<CellDigit> expected;
    for (int r : {1, 3, 4, 6, 7, 9})
        for (int c : {1, 4, 7}) expected.push_back({Cell(1, r, c), 5});
    EXPECT_EQ(step.remove, Sorted(expected));
}

TEST(Techniques, JellyfishOnFourRows) {
    // 5 in rows 2, 4, 6 and 8 only in three each of columns 1, 4, 7 and 8: no two or three of
    // the rows hold a smaller fish, and every box keeps places on two rows.
    LogicState s(DoubleBoard{});
    RowOnlyIn(s, 2, 5, {1, 4, 7});
    RowOnlyIn(s, 4, 5, {1, 4, 8});
    RowOnlyIn(s, 6, 5, {1, 7, 8});
    RowOnlyIn(s, 8, 5, {4, 7, 8});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::Jellyfish);
    std::vector<CellDigit> expected;
    for (int r : {1, 3, 5, 7, 9})
        for (int c : {1, 4, 7, 8}) expected.push_back({Cell(1, r, c), 5});
    EXPECT_EQ(step.remove, Sorted(expected));
    EXPECT_EQ(step.units.size(), 4u);
}

TEST(Techniques, FinnedXWingWithItsFinInTheSharedBox) {
    // 5 in row 2 only in columns 3 and 7; in row 8 in columns 3, 7 and 8, where 8 is a fin in
    // box 9, the box grid 1 shares with grid 2. Either the fin holds 5 or the X-wing does: the
    // cells of column 7 in box 9 outside the two rows lose 5, and they are grid 2's cells too.
    LogicState s(DoubleBoard{});
    RowOnlyIn(s, 2, 5, {3, 7});
    RowOnlyIn(s, 8, 5, {3, 7, 8});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::FinnedXWing);
    EXPECT_EQ(step.remove, Removals(5, {{7, 7}, {9, 7}}));
    EXPECT_EQ(step.remove.front().cell, Cell(2, 1, 1));
    EXPECT_EQ(step.proof.back(), Cell(1, 8, 8));  // the fin is painted last
    EXPECT_NE(StepText(step, kPattern).find("ひれ（グリッド1の8行8列）"), std::string::npos) << StepText(step, kPattern);
}

TEST(Techniques, SashimiXWing) {
    // Row 8 keeps 5 only in columns 3 and 8: without the fin it would have one place in the
    // covers 3 and 7.
    LogicState s(DoubleBoard{});
    RowOnlyIn(s, 2, 5, {3, 7});
    RowOnlyIn(s, 5, 5, {3, 8});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::SashimiXWing);
    ASSERT_FALSE(step.remove.empty());
    // Whichever fin it takes, the removals lie in the fin's box, on a cover, outside the bases.
    for (const CellDigit& r : step.remove) {
        EXPECT_EQ(r.digit, 5);
        EXPECT_NE(BoardRow(r.cell), 2);
        EXPECT_NE(BoardRow(r.cell), 5);
    }
}

TEST(Techniques, SashimiJellyfish) {
    // 5 in rows 2, 4, 6 and 8 lies in columns 1, 4, 6 and 8, except in row 4: there only column
    // 4 is a cover, and column 3 is a fin in box 4. Row 4 alone would break the jellyfish, so it
    // is sashimi: the cell of box 4 on a cover outside the bases, row 5 column 1, loses 5.
    LogicState s(DoubleBoard{});
    RowOnlyIn(s, 2, 5, {1, 6, 8});
    RowOnlyIn(s, 4, 5, {3, 4});
    RowOnlyIn(s, 6, 5, {4, 8});
    RowOnlyIn(s, 8, 5, {1, 4, 6});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::SashimiJellyfish);
    EXPECT_EQ(step.remove, Removals(5, {{5, 1}}));
    EXPECT_EQ(step.proof.back(), Cell(1, 4, 3));
}

TEST(Techniques, UniqueRectangleType2) {
    // Rows 1 and 2, columns 1 and 4 of grid 1 (boxes 1 and 2): the first row's two cells hold
    // only 1 and 2, the second row's also 3. Without a 3 in one of them the four cells would
    // swap 1 and 2, so one of them is 3 and the rest of row 2 loses it. Row 1 has no other 1 or
    // 2, so the pair there removes nothing first.
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2});
    Keep(s, 1, 4, {1, 2});
    Keep(s, 2, 1, {1, 2, 3});
    Keep(s, 2, 4, {1, 2, 3});
    for (int d : {1, 2}) RowOnlyIn(s, 1, d, {1, 4});
    FindOptions unique;
    unique.unique = true;
    std::optional<Step> step = FindStep(s, unique);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->technique, Technique::UniqueRectangle2);
    EXPECT_EQ(step->remove, Removals(3, {{2, 2}, {2, 3}, {2, 5}, {2, 6}, {2, 7}, {2, 8}, {2, 9}}));
    // Without the promise of one solution the rectangle says nothing.
    std::optional<Step> plain = FindStep(s);
    EXPECT_TRUE(!plain || plain->technique != Technique::UniqueRectangle2);
}

TEST(Techniques, XYChainOfFourCells) {
    // 1|2 - 2|3 - 3|4 - 4|1 around rows 1 and 6: one end takes 1, so the cells seeing both
    // ends lose it.
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2});
    Keep(s, 1, 5, {2, 3});
    Keep(s, 6, 5, {3, 4});
    Keep(s, 6, 2, {4, 1});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::XYChain);
    EXPECT_EQ(step.remove, Removals(1, {{1, 2}, {2, 2}, {3, 2}, {4, 1}, {5, 1}, {6, 1}}));
    ASSERT_EQ(step.chain.size(), 8u);
    EXPECT_EQ(step.proof, (std::vector<int>{Cell(1, 1, 1), Cell(1, 1, 5), Cell(1, 6, 5), Cell(1, 6, 2)}));
    EXPECT_EQ(StepText(step, kPattern),
              "次の連鎖が成り立ちます（＝は少なくとも一方が正しい、－は両方は正しくない）: グリッド1の1行1列(1)＝1行1列(2)－1行5列(2)＝"
              "1行5列(3)－6行5列(3)＝6行5列(4)－6行2列(4)＝6行2列(1)。両端のどちらかに1が入るので、両端の両方と同じ行・列・ブロックにあるマス"
              "（グリッド1の1行2列、2行2列、3行2列、4行1列、5行1列、6行1列）には1が入りません。");
}

TEST(Techniques, XYWing) {
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2});  // pivot
    Keep(s, 1, 5, {1, 3});  // pincer in its row
    Keep(s, 2, 2, {2, 3});  // pincer in its box
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::XYWing);
    EXPECT_EQ(step.remove, Removals(3, {{1, 2}, {1, 3}, {2, 4}, {2, 5}, {2, 6}}));
    EXPECT_EQ(step.proof, (std::vector<int>{Cell(1, 1, 1), Cell(1, 1, 5), Cell(1, 2, 2)}));
}

TEST(Techniques, XYZWing) {
    LogicState s(DoubleBoard{});
    Keep(s, 1, 1, {1, 2, 3});  // pivot
    Keep(s, 1, 5, {1, 3});
    Keep(s, 2, 2, {2, 3});
    Step step = First(s);
    EXPECT_EQ(step.technique, Technique::XYZWing);
    EXPECT_EQ(step.remove, Removals(3, {{1, 2}, {1, 3}}));
}

TEST(Techniques, NothingAppliesOnANearlyEmptyBoard) {
    LogicState s(BoardOf({{1, 1, 1, 1}}));
    EXPECT_FALSE(FindStep(s).has_value());
}

TEST(Techniques, TheTableListsEveryTechniqueOnceInOrderWithNamesOfItsOwn) {
    const std::span<const Technique> all = AllTechniques();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(Technique::NestedForcingChain) + 1);
    std::set<std::string_view> japanese, english;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(all[i]), i);
        const TechniqueRow& row = kTechniques[i];
        EXPECT_TRUE((row.search == nullptr) != (row.searchDigit == nullptr) && row.wording != nullptr) << EnglishName(all[i]);
        // The technique boards and the solver's JSON name a technique by its English name.
        EXPECT_TRUE(japanese.insert(JapaneseName(all[i])).second) << JapaneseName(all[i]);
        EXPECT_TRUE(english.insert(EnglishName(all[i])).second) << EnglishName(all[i]);
        EXPECT_EQ(IsSingle(all[i]), all[i] <= Technique::HiddenSingle) << EnglishName(all[i]);
        EXPECT_EQ(NeedsUniqueness(all[i]), all[i] >= Technique::UniqueRectangle1 && all[i] <= Technique::BugPlusOne) << EnglishName(all[i]);
    }
    EXPECT_EQ(JapaneseName(Technique::XWing), "Xウィング");
    EXPECT_EQ(EnglishName(Technique::HiddenSingle), "Hidden Single");
}

TEST(Techniques, TheDiagonalIsAUnitUnderTheDiagonalRule) {
    DoubleBoard b = BoardOf({{1, 1, 1, 1}, {1, 2, 2, 2}, {1, 3, 3, 3}, {1, 4, 4, 4}, {1, 5, 5, 5}, {1, 6, 6, 6}, {1, 7, 7, 7}, {1, 8, 8, 8}});
    EXPECT_FALSE(FindStep(LogicState(b)).has_value());
    b.diagonal = true;
    Step step = First(LogicState(b));
    EXPECT_EQ(step.technique, Technique::LastCell);
    EXPECT_EQ(step.place, (std::vector<CellDigit>{{Cell(1, 9, 9), 9}}));
    EXPECT_EQ(StepText(step, kPattern), "グリッド1の対角線（左上から右下）で空いているのはグリッド1の9行9列だけです。残る9がそこに入ります。");
}
