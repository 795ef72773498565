#include "state/PuzzleState.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <stdexcept>

#include "puzzle/OverlapPatterns.h"
#include "state/CellRules.h"

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

PuzzleState::Batch::Batch(PuzzleState& state) : state_(state), exceptions_(std::uncaught_exceptions()) { ++state_.batchDepth_; }

PuzzleState::Batch::~Batch() noexcept(false) {
    if (--state_.batchDepth_ > 0) return;
    // An operation that failed half-way still tells what it changed, unless that would throw
    // while the failure unwinds.
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

PuzzleState::PuzzleState() = default;

void PuzzleState::OutOfRange(int c) { throw std::out_of_range("board cell " + std::to_string(c) + " outside 0..225"); }

void PuzzleState::patternChanged() {
    inPattern_.fill(false);
    if (!puzzle::IsPattern(pattern_)) return;
    const puzzle::OverlapPattern& shape = puzzle::Pattern(pattern_);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) inPattern_[static_cast<std::size_t>(c)] = puzzle::CellCode(shape, c) != 0;
}

void PuzzleState::note(int c, unsigned fields) {
    bytesCurrent_ = false;
    unsigned& pending = pendingFields_[Index(c)];
    if (pending == 0) pending_.cells.emplace_back(c, 0u);
    pending |= fields;
}

void PuzzleState::setPattern(int pattern) {
    if (pattern == pattern_) return;
    Batch batch(*this);
    pattern_ = pattern;
    patternChanged();
    bytesCurrent_ = false;
    pending_.pattern = true;
}

void PuzzleState::setDiagonal(bool on) {
    if (on == diagonal_) return;
    Batch batch(*this);
    diagonal_ = on;
    bytesCurrent_ = false;
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
    bytesCurrent_ = false;
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
            bool held = std::any_of(around.begin(), around.end(), [&](int p) { return at(p).digit == gone; });
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
    bytesCurrent_ = false;
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        assignCandidates(c, masks[Index(c)]);
        at(c).digit = current.digits[Index(c)];
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
        const std::string& text = at(c).text;
        if (text.find_first_not_of(' ') == std::string::npos) continue;
        if (const int d = BoardDigit(text); d != 0) {
            r.board.digits[Index(c)] = static_cast<std::uint8_t>(d);
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
    for (int c = 1; c <= puzzle::kBoardCells; ++c) n += inPattern(c) && IsFilledCell(at(c).text) ? 1 : 0;
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

namespace {

// A cell's fields for the journal's bytes, the text's length in place of the text; the texts
// follow all cells, one after another.
struct PackedCell {
    std::int32_t candidates;
    std::uint32_t textLength;
    std::uint8_t locked, candidatesShown, digit, unused;
};

// Puts a saved cell's values into the live cell; returns the fields that changed.
template <class LiveCell>
unsigned PutBack(LiveCell& live, const PackedCell& saved, std::string_view text) {
    using F = ui::CellStore::Fields;
    const unsigned fields = (text != live.text ? F::kText : 0u) | ((saved.locked != 0) != live.locked ? F::kLocked : 0u) |
                            (saved.candidates != live.candidates ? F::kCandidates : 0u) |
                            ((saved.candidatesShown != 0) != live.candidatesShown ? F::kCandidatesShown : 0u);
    if (fields & F::kText) live.text.assign(text);
    live.locked = saved.locked != 0;
    live.candidates = saved.candidates;
    live.candidatesShown = saved.candidatesShown != 0;
    live.digit = saved.digit;
    return fields;
}

}  // namespace

ui::StateBlock PuzzleState::journalBlock() {
    return {"PuzzleState",
            [this] {
                // Saved at the start and the end of every user event: unchanged, the last bytes.
                if (bytesCurrent_) return savedBytes_;
                std::array<PackedCell, kCells> packed{};
                std::size_t textBytes = 0;
                for (int c = 0; c < kCells; ++c) {
                    const Cell& cell = at(c);
                    packed[static_cast<std::size_t>(c)] = {cell.candidates, static_cast<std::uint32_t>(cell.text.size()), cell.locked,
                                                           cell.candidatesShown, cell.digit, 0};
                    textBytes += cell.text.size();
                }
                std::string& out = savedBytes_;
                out.clear();
                out.reserve(sizeof(int) + 1 + sizeof packed + textBytes);
                out.append(reinterpret_cast<const char*>(&pattern_), sizeof pattern_);
                out.push_back(diagonal_ ? 1 : 0);
                out.append(reinterpret_cast<const char*>(packed.data()), sizeof packed);
                for (const Cell& cell : cells_) out += cell.text;
                bytesCurrent_ = true;
                return savedBytes_;
            },
            [this](std::string_view bytes) {
                std::array<PackedCell, kCells> packed{};
                int pattern = 0;
                if (bytes.size() < sizeof pattern + 1 + sizeof packed) throw std::logic_error("state bytes end early");
                std::memcpy(&pattern, bytes.data(), sizeof pattern);
                const bool diagonal = bytes[sizeof pattern] != 0;
                std::memcpy(packed.data(), bytes.data() + sizeof pattern + 1, sizeof packed);
                std::size_t pos = sizeof pattern + 1 + sizeof packed;
                StateChange change;
                change.restored = true;
                change.pattern = pattern != pattern_;
                change.diagonal = diagonal != diagonal_;
                pattern_ = pattern;
                diagonal_ = diagonal;
                patternChanged();
                bytesCurrent_ = false;
                for (int c = 0; c < kCells; ++c) {
                    const PackedCell& p = packed[static_cast<std::size_t>(c)];
                    if (p.textLength > bytes.size() - pos) throw std::logic_error("state bytes end early");
                    const std::string_view text = bytes.substr(pos, p.textLength);
                    pos += p.textLength;
                    const unsigned fields = PutBack(at(c), p, text);
                    if (fields != 0) change.cells.emplace_back(c, fields);
                }
                if (!change.cells.empty() || change.pattern || change.diagonal) changed.emit(change);
            },
            // A step keeps the pattern, the rule and the cells that changed, with their old values.
            [this](std::string_view before) {
                std::array<PackedCell, kCells> packed{};
                std::size_t pos = sizeof(int) + 1 + sizeof packed;
                if (before.size() < pos) throw std::logic_error("state bytes end early");
                std::memcpy(packed.data(), before.data() + sizeof(int) + 1, sizeof packed);
                std::string out(before.substr(0, sizeof(int) + 1));
                for (int c = 0; c < kCells; ++c) {
                    const PackedCell& old = packed[static_cast<std::size_t>(c)];
                    if (old.textLength > before.size() - pos) throw std::logic_error("state bytes end early");
                    const std::string_view text = before.substr(pos, old.textLength);
                    pos += old.textLength;
                    const Cell& live = at(c);
                    if (text == live.text && old.candidates == live.candidates && (old.locked != 0) == live.locked &&
                        (old.candidatesShown != 0) == live.candidatesShown && old.digit == live.digit)
                        continue;
                    const auto cell = static_cast<std::uint16_t>(c);
                    out.append(reinterpret_cast<const char*>(&cell), sizeof cell);
                    out.append(reinterpret_cast<const char*>(&old), sizeof old);
                    out += text;
                }
                return out;
            },
            // Puts a step's values back and keeps the live ones in their place, for the way back.
            [this](std::string& entry) {
                std::string_view in = entry;
                if (in.size() < sizeof(int) + 1) throw std::logic_error("state bytes end early");
                std::string out;
                out.reserve(entry.size());
                out.append(reinterpret_cast<const char*>(&pattern_), sizeof pattern_);
                out.push_back(diagonal_ ? 1 : 0);
                StateChange change;
                change.restored = true;
                int pattern = 0;
                std::memcpy(&pattern, in.data(), sizeof pattern);
                const bool diagonal = in[sizeof pattern] != 0;
                change.pattern = pattern != pattern_;
                change.diagonal = diagonal != diagonal_;
                pattern_ = pattern;
                diagonal_ = diagonal;
                std::size_t pos = sizeof pattern + 1;
                while (pos < in.size()) {
                    std::uint16_t c = 0;
                    PackedCell p{};
                    if (in.size() - pos < sizeof c + sizeof p) throw std::logic_error("state bytes end early");
                    std::memcpy(&c, in.data() + pos, sizeof c);
                    std::memcpy(&p, in.data() + pos + sizeof c, sizeof p);
                    pos += sizeof c + sizeof p;
                    if (c >= kCells || p.textLength > in.size() - pos) throw std::logic_error("state bytes end early");
                    const std::string_view text = in.substr(pos, p.textLength);
                    pos += p.textLength;
                    Cell& live = at(c);
                    const PackedCell now{live.candidates, static_cast<std::uint32_t>(live.text.size()), live.locked,
                                         live.candidatesShown, live.digit, 0};
                    out.append(reinterpret_cast<const char*>(&c), sizeof c);
                    out.append(reinterpret_cast<const char*>(&now), sizeof now);
                    out += live.text;
                    const unsigned fields = PutBack(live, p, text);
                    if (fields != 0) change.cells.emplace_back(c, fields);
                }
                entry = std::move(out);
                patternChanged();
                bytesCurrent_ = false;
                if (!change.cells.empty() || change.pattern || change.diagonal) changed.emit(change);
            }};
}

}  // namespace state
