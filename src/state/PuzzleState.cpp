#include "state/PuzzleState.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "puzzle/OverlapPatterns.h"
#include "state/CellRules.h"
#include "ui/StateBytes.h"

namespace state {
namespace {

// The digits no peer of a cell holds.
int AllowedDigits(const puzzle::Topology& topology, const puzzle::DoubleBoard& board, int c) {
    int mask = puzzle::kAllCandidates;
    for (int peer : topology.peerList[static_cast<std::size_t>(c)]) mask &= ~(1 << board.digits[static_cast<std::size_t>(peer)]);
    return mask & puzzle::kAllCandidates;
}

// The digit 1..9 a text holds by the board's cell rules, else 0.
std::uint8_t DigitOf(const std::string& text) {
    if (!IsDigitCell(text)) return 0;
    return static_cast<std::uint8_t>(CellValue(text));
}

}  // namespace

// Changes made while a batch is open are told together when the outermost one closes.
class PuzzleState::Batch {
public:
    explicit Batch(PuzzleState& state) : state_(state), exceptions_(std::uncaught_exceptions()) { ++state_.batchDepth_; }
    ~Batch() noexcept(false) {
        if (--state_.batchDepth_ > 0) return;
        // An operation that failed half-way still tells what it changed, unless that would
        // throw while the failure unwinds.
        if (std::uncaught_exceptions() > exceptions_) {
            for (const auto& [c, fields] : state_.pending_.cells) state_.pendingFields_[Index(c)] = 0;
            state_.pending_ = {};
            return;
        }
        if (state_.pending_.cells.empty() && !state_.pending_.pattern && !state_.pending_.diagonal) return;
        StateChange change = std::move(state_.pending_);
        state_.pending_ = {};
        for (auto& [c, fields] : change.cells) {
            fields = state_.pendingFields_[Index(c)];
            state_.pendingFields_[Index(c)] = 0;
        }
        state_.changed.emit(change);
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    PuzzleState& state_;
    int exceptions_;
};

PuzzleState::PuzzleState() = default;

std::size_t PuzzleState::Index(int c) {
    if (c < 0 || c >= kCells) throw std::out_of_range("board cell " + std::to_string(c) + " outside 0..225");
    return static_cast<std::size_t>(c);
}

void PuzzleState::note(int c, unsigned fields) {
    unsigned& pending = pendingFields_[Index(c)];
    if (pending == 0) pending_.cells.emplace_back(c, 0u);
    pending |= fields;
}

bool PuzzleState::inPattern(int c) const {
    return puzzle::IsPattern(pattern_) && c >= 1 && c <= puzzle::kBoardCells && puzzle::CellCode(puzzle::Pattern(pattern_), c) != 0;
}

void PuzzleState::setPattern(int pattern) {
    if (pattern == pattern_) return;
    Batch batch(*this);
    pattern_ = pattern;
    pending_.pattern = true;
}

void PuzzleState::setDiagonal(bool on) {
    if (on == diagonal_) return;
    Batch batch(*this);
    diagonal_ = on;
    pending_.diagonal = true;
}

void PuzzleState::setCellText(int c, const std::string& text) {
    Cell& cell = cells_[Index(c)];
    if (cell.text == text) return;
    Batch batch(*this);
    cell.text = text;
    note(c, kText);
    keepCandidatesInStep(c);
}

void PuzzleState::setCellLocked(int c, bool locked) {
    Cell& cell = cells_[Index(c)];
    if (cell.locked == locked) return;
    Batch batch(*this);
    cell.locked = locked;
    note(c, kLocked);
}

void PuzzleState::assignCandidates(int c, int mask) {
    Cell& cell = cells_[Index(c)];
    mask &= puzzle::kAllCandidates;
    if (cell.candidates == mask) return;
    cell.candidates = mask;
    note(c, kCandidates);
}

void PuzzleState::setCellCandidates(int c, int mask) {
    Batch batch(*this);
    assignCandidates(c, mask);
}

void PuzzleState::setCellCandidatesShown(int c, bool shown) {
    Cell& cell = cells_[Index(c)];
    if (cell.candidatesShown == shown) return;
    Batch batch(*this);
    cell.candidatesShown = shown;
    note(c, kCandidatesShown);
}

void PuzzleState::keepCandidatesInStep(int c) {
    if (!inPattern(c)) return;
    const std::uint8_t digit = DigitOf(cells_[Index(c)].text);
    std::uint8_t& before = cells_[Index(c)].digit;
    if (digit == before) return;
    const puzzle::Topology& topology = puzzle::TopologyOf(pattern_, diagonal_);
    const auto& peers = topology.peerList[Index(c)];
    // A digit taken away goes back to the peers that no other digit on the board rules it out of.
    if (before != 0) {
        const int gone = before;
        before = 0;
        for (int peer : peers) {
            const auto& around = topology.peerList[Index(peer)];
            bool held = std::any_of(around.begin(), around.end(), [&](int p) { return cells_[Index(p)].digit == gone; });
            if (!held) assignCandidates(peer, cells_[Index(peer)].candidates | (1 << gone));
        }
    }
    // A cell emptied starts its candidates from the board; a filled one has none.
    before = digit;
    if (digit == 0) return assignCandidates(c, AllowedDigits(topology, board(), c));
    assignCandidates(c, 0);
    // A digit placed takes itself out of the candidates of its peers in both grids.
    for (int peer : peers) assignCandidates(peer, cells_[Index(peer)].candidates & ~(1 << digit));
}

void PuzzleState::toggleCandidate(int c, int d) {
    if (c < 1 || c > puzzle::kBoardCells || d < 1 || d > 9) return;
    // Only an empty cell of the pattern has candidates of its own to edit.
    if (!inPattern(c) || IsFilledCell(cells_[Index(c)].text)) return;
    setCellCandidates(c, cells_[Index(c)].candidates ^ (1 << d));
}

void PuzzleState::showCandidates(bool shown) {
    Batch batch(*this);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) setCellCandidatesShown(c, shown);
}

void PuzzleState::recalculateCandidates() {
    if (!puzzle::IsPattern(pattern_)) return;
    Batch batch(*this);
    const puzzle::DoubleBoard current = board();
    const puzzle::Topology& topology = puzzle::TopologyOf(current.pattern, current.diagonal);
    std::array<int, kCells> masks{};
    for (int c : topology.cells)
        if (current.digits[Index(c)] == 0) masks[Index(c)] = AllowedDigits(topology, current, c);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        assignCandidates(c, masks[Index(c)]);
        cells_[Index(c)].digit = current.digits[Index(c)];
    }
}

void PuzzleState::applyStep(const puzzle::Step& step) {
    Batch batch(*this);
    for (const puzzle::CellDigit& r : step.remove) setCellCandidates(r.cell, cellCandidates(r.cell) & ~(1 << r.digit));
    for (const puzzle::CellDigit& p : step.place) placeDigit(p.cell, p.digit);
}

void PuzzleState::placeGivens(const std::vector<int>& cells, const std::vector<int>& digits) {
    Batch batch(*this);
    for (std::size_t i = 0; i < cells.size() && i < digits.size(); ++i) {
        if (digits[i] == 0) {
            erase(cells[i]);
            continue;
        }
        placeDigit(cells[i], digits[i]);
        setCellLocked(cells[i], true);
    }
}

void PuzzleState::clear() {
    Batch batch(*this);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        setCellText(c, "  ");
        setCellLocked(c, false);
    }
}

void PuzzleState::lock(bool locked) {
    Batch batch(*this);
    for (int c = 1; c <= puzzle::kBoardCells; ++c)
        if (IsDigitCell(cells_[Index(c)].text)) setCellLocked(c, locked);
}

BoardReading PuzzleState::reading() const {
    BoardReading r;
    r.board.pattern = pattern_;
    r.board.diagonal = diagonal_;
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        if (!inPattern(c)) continue;
        const std::string& text = cells_[Index(c)].text;
        std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        std::size_t last = text.find_last_not_of(' ');
        if (first == last && text[first] >= '1' && text[first] <= '9') {
            r.board.digits[Index(c)] = static_cast<std::uint8_t>(text[first] - '0');
        } else if (!r.notDigit) {
            r.notDigit = c;
            r.notDigitText = text;
        }
    }
    return r;
}

int PuzzleState::cellCount() const {
    int n = 0;
    for (int c = 1; c <= puzzle::kBoardCells; ++c) n += inPattern(c) ? 1 : 0;
    return n;
}

int PuzzleState::filledCount() const {
    int n = 0;
    for (int c = 1; c <= puzzle::kBoardCells; ++c) n += inPattern(c) && IsFilledCell(cells_[Index(c)].text) ? 1 : 0;
    return n;
}

bool PuzzleState::complete() const {
    if (!puzzle::IsPattern(pattern_)) return false;
    for (int c = 1; c <= puzzle::kBoardCells; ++c)
        if (inPattern(c) && DigitOf(cells_[Index(c)].text) == 0) return false;
    return true;
}

std::array<int, PuzzleState::kCells> PuzzleState::candidateMasks() const {
    std::array<int, kCells> masks{};
    for (int c = 1; c <= puzzle::kBoardCells; ++c) masks[Index(c)] = cells_[Index(c)].candidates;
    return masks;
}

std::vector<bool> PuzzleState::lockedCells() const {
    std::vector<bool> locked(kCells, false);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) locked[Index(c)] = cells_[Index(c)].locked;
    return locked;
}

ui::StateBlock PuzzleState::journalBlock() {
    return {"PuzzleState",
            [this] {
                ui::StateWriter out;
                out << pattern_ << diagonal_;
                for (const Cell& cell : cells_) out << cell.text << cell.locked << cell.candidates << cell.candidatesShown << cell.digit;
                return out.take();
            },
            [this](std::string_view bytes) {
                ui::StateReader in(bytes);
                StateChange change;
                change.restored = true;
                int pattern = 0;
                bool diagonal = false;
                in >> pattern >> diagonal;
                change.pattern = pattern != pattern_;
                change.diagonal = diagonal != diagonal_;
                pattern_ = pattern;
                diagonal_ = diagonal;
                for (int c = 0; c < kCells; ++c) {
                    Cell cell;
                    in >> cell.text >> cell.locked >> cell.candidates >> cell.candidatesShown >> cell.digit;
                    Cell& live = cells_[Index(c)];
                    unsigned fields = (cell.text != live.text ? kText : 0u) | (cell.locked != live.locked ? kLocked : 0u) |
                                      (cell.candidates != live.candidates ? kCandidates : 0u) |
                                      (cell.candidatesShown != live.candidatesShown ? kCandidatesShown : 0u);
                    live = std::move(cell);
                    if (fields != 0) change.cells.emplace_back(c, fields);
                }
                if (!change.cells.empty() || change.pattern || change.diagonal) changed.emit(change);
            }};
}

}  // namespace state
