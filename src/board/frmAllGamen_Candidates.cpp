// 候補: the candidates of every board cell, kept beside its text and drawn small while shown.
// They start from what the digits on the board allow; after that they are the user's: a digit
// placed takes itself out of its peers' candidates (and goes back when taken away),
// Shift+digit and a right click on a small digit take one out or put it back, 候補を再計算
// starts them again from the board. The grid windows' cells show the same candidates.
#include "board/BoardCell.h"
#include "board/BoardReading.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "puzzle/LogicState.h"

#include <algorithm>
#include <array>

namespace board {

namespace {

// The digits no peer of a cell holds.
int AllowedDigits(const puzzle::Topology& topology, const puzzle::DoubleBoard& board, int c) {
    int mask = puzzle::kAllCandidates;
    for (int peer : topology.peerList[static_cast<std::size_t>(c)]) mask &= ~(1 << board.digits[static_cast<std::size_t>(peer)]);
    return mask & puzzle::kAllCandidates;
}

}  // namespace

void frmAllGamen::chkKouho_Click() { ShowCandidates(chkKouho.value() == 1); }

void frmAllGamen::cmdKouhoSaikeisan_Click() { RecalculateCandidates(); }

void frmAllGamen::ShowCandidates(bool shown) {
    if (chkKouho.value() != (shown ? 1 : 0)) return chkKouho.setValue(shown ? 1 : 0);
    for (int c = 1; c <= kBoardCells; ++c) text1(c).setCandidatesShown(shown);
    for (const char* name : {"frmMozelAuto", "frmMozelAuto2"}) {
        auto* window = dynamic_cast<grid::frmMozelAuto*>(program_.forms().find(name));
        if (!window) continue;
        for (int k = 0; k <= 80; ++k) window->Text1(k).setCandidatesShown(shown);
    }
}

void frmAllGamen::RecalculateCandidates() {
    if (!puzzle::IsPattern(cmn.PatternNo)) return;
    const puzzle::DoubleBoard board = ReadBoard(*this, cmn).board;
    const puzzle::Topology& topology = puzzle::TopologyOf(board.pattern, board.diagonal);
    std::array<int, kBoardCells + 1> masks{};
    // An empty cell: every digit no peer holds; a filled cell has none.
    for (int c : topology.cells)
        if (board.digits[static_cast<std::size_t>(c)] == 0) masks[static_cast<std::size_t>(c)] = AllowedDigits(topology, board, c);
    for (int c = 1; c <= kBoardCells; ++c) {
        text1(c).setCandidates(masks[static_cast<std::size_t>(c)]);
        candidateDigit_[static_cast<std::size_t>(c)] = board.digits[static_cast<std::size_t>(c)];
    }
}

void frmAllGamen::ToggleCandidate(int c, int d) {
    if (c < 1 || c > kBoardCells || d < 1 || d > 9) return;
    ui::TextBox& cell = text1(c);
    // Only an empty cell of the pattern has candidates of its own to edit.
    if (cmn.PatternMasu[static_cast<std::size_t>(cmn.PatternNo)][static_cast<std::size_t>(c)] == 0 || IsFilledCell(cell.text())) return;
    cell.setCandidates(cell.candidates() ^ (1 << d));
}

void frmAllGamen::text1_Change(int Index) {
    if (!puzzle::IsPattern(cmn.PatternNo) || Index < 1 || Index > kBoardCells) return;
    if (cmn.PatternMasu[static_cast<std::size_t>(cmn.PatternNo)][static_cast<std::size_t>(Index)] == 0) return;
    const std::string& text = text1(Index).text();
    const int digit = IsDigitCell(text) && CellValue(text) >= 1 && CellValue(text) <= 9 ? static_cast<int>(CellValue(text)) : 0;
    std::uint8_t& before = candidateDigit_[static_cast<std::size_t>(Index)];
    if (digit == before) return;
    const puzzle::Topology& topology = puzzle::TopologyOf(cmn.PatternNo, cmdNaname01.visible());
    const auto& peers = topology.peerList[static_cast<std::size_t>(Index)];
    // A digit taken away goes back to the peers that no other digit on the board rules it out of.
    if (before != 0) {
        const int gone = before;
        before = 0;
        for (int peer : peers) {
            const auto& around = topology.peerList[static_cast<std::size_t>(peer)];
            bool held = std::any_of(around.begin(), around.end(), [&](int p) { return candidateDigit_[static_cast<std::size_t>(p)] == gone; });
            if (!held) text1(peer).setCandidates(text1(peer).candidates() | (1 << gone));
        }
    }
    // A cell emptied starts its candidates from the board; a filled one has none.
    before = static_cast<std::uint8_t>(digit);
    if (digit == 0) {
        text1(Index).setCandidates(AllowedDigits(topology, ReadBoard(*this, cmn).board, Index));
        return;
    }
    text1(Index).setCandidates(0);
    // A digit placed takes itself out of the candidates of its peers in both grids.
    for (int peer : peers) {
        ui::TextBox& cell = text1(peer);
        if (cell.candidates() & (1 << digit)) cell.setCandidates(cell.candidates() & ~(1 << digit));
    }
}

void frmAllGamen::text1_CandidatesChange(int Index) {
    // The grid windows' cells show the board's candidates.
    const int mask = text1(Index).candidates();
    for (int g = 1; g <= 2; ++g) {
        int k = puzzle::GridCellOf(Pattern(cmn.PatternNo), g, Index);
        if (k == 0) continue;
        auto* window = dynamic_cast<grid::frmMozelAuto*>(program_.forms().find(g == 1 ? "frmMozelAuto" : "frmMozelAuto2"));
        if (window) window->cell(k).setCandidates(mask);
    }
}

int frmAllGamen::CandidateUnder(const ui::TextBox& cell, int x, int y) {
    // The small digits stand in three rows of three: 1 2 3 / 4 5 6 / 7 8 9.
    int column = std::clamp(cell.width() > 0 ? x * 3 / cell.width() : 0, 0, 2);
    int row = std::clamp(cell.height() > 0 ? y * 3 / cell.height() : 0, 0, 2);
    return row * 3 + column + 1;
}

}  // namespace board
