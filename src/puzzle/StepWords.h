// The pieces the techniques' wordings build their sentences from: digits, cells, units and
// removals named on the board of a pattern, a cell through the grid preferred. Private to
// src/puzzle.
#pragma once

#include <string>
#include <vector>

#include "puzzle/GridPosition.h"
#include "puzzle/LogicState.h"

namespace puzzle::search {

std::string Num(int n);
// "4", "4と6", "4・6・8".
std::string DigitList(const std::vector<int>& digits);
// Cells in order, the grid written only where it changes: "グリッド1の3行5列、3行7列". With
// grid already said (lastGrid), cells of that grid go without it.
std::string CellList(int pattern, const std::vector<int>& cells, int grid, int lastGrid = 0);
// Removed candidates by cell: "グリッド1の3行5列の7、3行7列の7".
std::string RemovalList(int pattern, const std::vector<CellDigit>& removals, int grid);
// A box of the overlap is also a box of the other grid: "グリッド1のブロック9（グリッド2のブロック1）".
std::string Named(int pattern, const Unit& u);
// Units joined by "と"; a shared box listed for both grids is named once.
std::string UnitList(int pattern, const std::vector<Unit>& units);
// The cells of a list of candidates, each once, in order.
std::vector<int> CellsOf(const std::vector<CellDigit>& list);
// A cell and its candidates: "グリッド1の3行5列は4と6".
std::string CellPair(int pattern, int c, Candidates m, int grid);
// A cell named after the grid said last: "3行5列", or "グリッド2の1行3列" when the grid changes.
std::string CellAfter(int pattern, int c, int& lastGrid);
// The links of a forcing branch after its assumption: " → 3行7列=5 → グリッド2の1行1列=4".
// A nested chain's link that takes a digit out reads "3行7列≠5".
std::string ForcingLinks(int pattern, const ForcingBranch& branch, int& lastGrid);

inline constexpr const char* kContradiction = "（ここで入る数字のないマスか、数字の入らないユニットができて矛盾します）";

}  // namespace puzzle::search
