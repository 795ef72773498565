// What the puzzle on the board is: the overlap pattern, the diagonal rule, and each board
// cell's text, lock, candidates and whether they are shown. The one owner of that state: the
// main window's cells are views of it, the grid windows show its candidates, and every window
// asks it what the board holds. Each change is recorded by the journal through journalBlock()
// and told to the listeners once.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "puzzle/DoubleBoard.h"
#include "puzzle/LogicState.h"
#include "ui/CellStore.h"
#include "ui/Journal.h"
#include "ui/Signal.h"

namespace state {

// The board as the puzzle library takes it, with the first cell that is neither blank nor a
// digit 1..9 (in board order), which makes the board unreadable.
struct BoardReading {
    puzzle::DoubleBoard board;
    std::optional<int> notDigit;
    std::string notDigitText;
};

// What one notification says changed.
struct StateChange {
    // Each changed cell once, with the fields (ui::CellStore::Fields) that changed.
    std::vector<std::pair<int, unsigned>> cells;
    bool pattern = false;
    bool diagonal = false;
    // An undo or redo put the values back: views follow, no handler acts on it.
    bool restored = false;
};

class PuzzleState : public ui::CellStore {
public:
    static constexpr int kCells = puzzle::kBoardCells + 1;  // board cells 0..225; 0 is no cell

    PuzzleState();

    // Changes made while a batch is alive are told together, once, when the outermost batch
    // closes. Every operation opens one; a caller that makes many changes in a row (copying a
    // grid back) opens one around them.
    class Batch;

    // Told once per operation, after it is complete.
    ui::Signal<const StateChange&> changed;

    // The pattern (1..12 for a real one; any other number has no cells) and the diagonal rule.
    int pattern() const { return pattern_; }
    void setPattern(int pattern);
    bool diagonal() const { return diagonal_; }
    void setDiagonal(bool on);
    // Whether board cell c belongs to the current pattern.
    bool inPattern(int c) const { return c >= 0 && c < kCells && inPattern_[static_cast<std::size_t>(c)]; }

    // One cell, as a text box bound to it sees it. Setting a text keeps the candidates in step:
    // a digit placed leaves its peers' candidates, a digit taken away goes back to the peers no
    // other digit rules it out of, and a cell emptied starts from the digits no peer holds.
    const std::string& cellText(int c) const override { return cells_[Index(c)].text; }
    void setCellText(int c, const std::string& text) override;
    bool cellLocked(int c) const override { return cells_[Index(c)].locked; }
    void setCellLocked(int c, bool locked) override;
    int cellCandidates(int c) const override { return cells_[Index(c)].candidates; }
    void setCellCandidates(int c, int mask) override;
    bool cellCandidatesShown(int c) const override { return cells_[Index(c)].candidatesShown; }
    void setCellCandidatesShown(int c, bool shown) override;

    // Operations the windows carry out.
    // A digit 1..9 written into a cell, or the cell emptied ("").
    void placeDigit(int c, int d) { setCellText(c, std::to_string(d)); }
    void erase(int c) { setCellText(c, ""); }
    // Takes candidate d of an empty cell of the pattern out, or puts it back.
    void toggleCandidate(int c, int d);
    // The candidates of every cell shown or hidden.
    void showCandidates(bool shown);
    // Every empty cell of the pattern gets the digits no peer holds; a filled cell none.
    void recalculateCandidates();
    // A hint's step: its removals taken out of the candidates, its digits placed.
    void applyStep(const puzzle::Step& step);
    // The givens of a grid: board cell cells[i] gets digits[i] (0: emptied) and is locked.
    void placeGivens(const std::vector<int>& cells, const std::vector<int>& digits);
    // Every cell emptied to two blanks and unlocked.
    void clear();
    // Cells holding a digit 1..9 locked or unlocked; the others keep their flag.
    void lock(bool locked);

    // Questions the windows ask.
    BoardReading reading() const;
    puzzle::DoubleBoard board() const { return reading().board; }
    // The cells of the pattern; those of them whose text reads as a number above 0.
    int cellCount() const;
    int filledCount() const;
    // A cell of the pattern that is not locked.
    bool mayChange(int c) const { return inPattern(c) && !cellLocked(c); }
    // Every cell of the pattern holds a digit 1..9.
    bool complete() const;
    std::array<int, kCells> candidateMasks() const;
    std::vector<bool> lockedCells() const;

    // The state for the journal: saved as bytes, and put back with the views told.
    ui::StateBlock journalBlock();

private:
    struct Cell {
        std::string text;
        bool locked = false;
        int candidates = 0;
        bool candidatesShown = false;
        // The digit the cell held when its peers' candidates were last brought in step.
        std::uint8_t digit = 0;
        bool operator==(const Cell&) const = default;
    };

    // A board cell's place in cells_; a number outside 0..225 throws std::out_of_range.
    static std::size_t Index(int c) {
        if (c < 0 || c >= kCells) OutOfRange(c);
        return static_cast<std::size_t>(c);
    }
    [[noreturn]] static void OutOfRange(int c);
    // A cell of the board by a number already known to be 0..225.
    Cell& at(int c) { return cells_[static_cast<std::size_t>(c)]; }
    const Cell& at(int c) const { return cells_[static_cast<std::size_t>(c)]; }
    void patternChanged();
    void note(int c, unsigned fields);
    void keepCandidatesInStep(int c);
    void assignCandidates(int c, int mask);

    int pattern_ = 0;
    bool diagonal_ = false;
    std::array<Cell, kCells> cells_{};
    // Which cells the pattern covers, worked out when the pattern changes.
    std::array<bool, kCells> inPattern_{};
    // The journal's bytes of the state as it was when last saved, while nothing has changed.
    mutable std::string savedBytes_;
    mutable bool bytesCurrent_ = false;

    int batchDepth_ = 0;
    StateChange pending_;
    std::array<unsigned, kCells> pendingFields_{};
};

class PuzzleState::Batch {
public:
    explicit Batch(PuzzleState& state);
    // Tells the listeners when it is the outermost; throws what a listener throws.
    ~Batch() noexcept(false);
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    PuzzleState& state_;
    int exceptions_;
};

}  // namespace state
