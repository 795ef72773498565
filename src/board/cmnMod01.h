// The shared module: process-wide variables that every window reads and writes directly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Color.h"
#include "ui/Journal.h"
#include "ui/Property.h"

namespace state { class PuzzleState; }

namespace board {

// PatternNo: the puzzle state's pattern, read and set as the module's variable. A module not
// attached to a state (one made alone, as the pattern tables' tests make it) keeps its own.
class PatternNumber {
public:
    void attach(state::PuzzleState& state);
    operator int16_t() const;  // NOLINT(google-explicit-constructor): read as the variable it was
    PatternNumber& operator=(int16_t pattern);

private:
    state::PuzzleState* state_ = nullptr;
    int16_t own_ = 0;
};

struct cmnMod01 {
    // Cell code of board cell c (0..225) in pattern p (0..12): 0 none, 1 grid 1, 2 grid 2,
    // 3 both. Pattern 0 and cell 0 are all 0.
    std::array<std::array<int16_t, 226>, 13> PatternMasu{};
    // The current pattern, 1..12.
    PatternNumber PatternNo;
    // Board cell (1..225) of grid cell k (1..81) of grid g (1, 2) in pattern p; index 0 unused.
    std::array<std::array<std::array<int16_t, 82>, 3>, 13> GridMasu{};
    // -1 once the current board has been congratulated, else 0.
    int16_t OmedetouZumi = 0;

    // The six marking colours (0x00BBGGRR) and the names the options window shows for them.
    ui::Color IroGaito = 0;    // cells holding the judged digit
    ui::Color IroRyouiki = 0;  // cells the judged digit rules out
    ui::Color IroMiketei = 0;  // plain, undecided cells
    ui::Color IroError = 0;    // two equal digits in one unit
    ui::Color IroAuto1 = 0;    // digits placed by the automatic judgement
    ui::Color IroOnly = 0;     // the only place left for a digit
    std::array<std::string, 9> IroName{};

    // Set to 1 by the full clear and a grid window's clear; never back to 0.
    int16_t ClearFlag = 0;
    // 1 when the last judgement of digit d (1..9) found grid cell k (1..81) free for it.
    std::array<std::array<int16_t, 10>, 82> KouhoTbl{};
    // Grid (1, 2) whose judgement wrote the marks of digit d (1..9) last; 0 for none. Both grids
    // write KouhoTbl, and a grid applies a digit's marks to its own cells only when it wrote them.
    std::array<int16_t, 10> KouhoGrid{};
    // Grid cells of the main diagonal (entry i = 10i - 9) and the anti-diagonal (8i + 1).
    std::array<int16_t, 10> NanameX{};
    std::array<int16_t, 10> NanameY{};
    // Unit kind of the last equal-digit find of a grid window: 0 none, 1 column, 2 row,
    // 4 box, 31 main diagonal, 32 anti-diagonal.
    int16_t HintKind = 0;
    // 9 right after the double board was congratulated as solved.
    int16_t SolvedMark = 0;
    // A setting, not puzzle state (undo leaves it): digits standing twice in a unit are drawn
    // in red on the board.
    bool MarkRepeats = true;
};

// One variable of the module as the script runner reaches it by name: its index ranges and
// typed access. Indexes outside a range throw ui::PropertyError.
struct SharedVariable {
    std::string name;
    std::vector<int> upperBounds;  // one per index, each from 0; empty for a scalar
    std::function<ui::PropertyValue(const std::vector<int>&)> get;
    std::function<void(const std::vector<int>&, const ui::PropertyValue&)> set;
};

std::vector<SharedVariable> SharedVariables(cmnMod01& module);

// The module's solving state, for undo: the congratulation and clear flags, the candidate
// marks and their writers, the last equal-digit find and the solved mark. The colours and the
// pattern tables are no puzzle state; the pattern is the puzzle state's.
ui::StateBlock SolvingState(cmnMod01& module);

}  // namespace board
