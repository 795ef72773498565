#include "collection/ProblemCodec.h"

#include "collection/ShiftJis.h"
#include "puzzle/GridPosition.h"
#include "puzzle/ShownText.h"

namespace collection {

std::optional<std::array<MondaiRec, 2>> EncodeProblem(const puzzle::DoubleBoard& board, int s, const ProblemNotes& notes,
                                                      EncodeError* error, std::optional<bool> firstDiagonal) {
    std::array<MondaiRec, 2> records;
    for (int g = 1; g <= 2; ++g) {
        GridText grid;
        grid.recordNo = s + g - 1;
        grid.pattern = board.pattern;
        grid.ab = g == 1 ? 'A' : 'B';
        for (int k = 1; k <= puzzle::kGridCells; ++k) {
            int d = board.at(g, k);
            grid.cells[static_cast<std::size_t>(k)] = d == 0 ? "" : std::string(1, static_cast<char>('0' + d));
        }
        grid.naname = g == 1 && firstDiagonal ? *firstDiagonal : board.diagonal;
        grid.nanido = notes.nanido;
        grid.memo = notes.memo;
        grid.question = notes.question;
        grid.question2 = notes.question2;
        std::optional<MondaiRec> rec = Encode(grid, error);
        if (!rec) return std::nullopt;
        records[static_cast<std::size_t>(g - 1)] = std::move(*rec);
    }
    return records;
}

RecordGivens GivensOf(const MondaiRec& rec, int pattern) {
    RecordGivens givens;
    givens.cells = SelectedBoardCells(pattern, rec.AB);
    givens.digits.reserve(givens.cells.size());
    for (std::size_t i = 0; i < givens.cells.size(); ++i) givens.digits.push_back(DecodeCell(rec.Masu[i + 1]));
    return givens;
}

std::optional<DecodedProblem> DecodeProblem(const MondaiRec& first, const MondaiRec* second) {
    std::optional<int> pattern = DecodePattern(first.Pattern);
    if (!pattern) return std::nullopt;
    DecodedProblem p;
    p.board.pattern = *pattern;
    p.board.diagonal = first.Naname == "1";
    p.number = FromShiftJis(first.Kakunou);
    p.notes = {FromShiftJis(first.Nanido), FromShiftJis(first.Memo), FromShiftJis(first.Question),
               FromShiftJis(first.Question2)};
    const MondaiRec* records[2] = {&first, second};
    for (std::size_t r = 0; r < 2 && records[r]; ++r) {
        const char* ab = r == 0 ? "A" : "B";
        if (records[r]->AB != ab) {
            Finding wrong;
            wrong.grid = static_cast<int>(r) + 1;
            wrong.ab = records[r]->AB;
            p.findings.push_back(std::move(wrong));
        }
        p.givens[r] = GivensOf(*records[r], *pattern);
    }
    // The first record's digits, then the second's over them, as the window places them; a
    // digit of the first record that the second does not give is lost on the board.
    std::array<int, puzzle::kBoardCells + 1> byFirst{};
    for (std::size_t i = 0; i < p.givens[0].cells.size(); ++i) {
        byFirst[static_cast<std::size_t>(p.givens[0].cells[i])] = p.givens[0].digits[i];
        p.board.digits[static_cast<std::size_t>(p.givens[0].cells[i])] = static_cast<uint8_t>(p.givens[0].digits[i]);
    }
    Finding clash;
    clash.kind = Finding::Kind::Clash;
    for (std::size_t i = 0; i < p.givens[1].cells.size(); ++i) {
        auto c = static_cast<std::size_t>(p.givens[1].cells[i]);
        int d = p.givens[1].digits[i];
        if (byFirst[c] != 0 && byFirst[c] != d && clash.cells++ == 0) clash.cell = static_cast<int>(c);
        p.board.digits[c] = static_cast<uint8_t>(d);
    }
    if (clash.cells > 0) p.findings.push_back(clash);
    return p;
}

std::string FindingText(const Finding& finding, int n, int pattern) {
    switch (finding.kind) {
        case Finding::Kind::WrongGrid:
            return "格納番号 " + std::to_string(n) + " の" + puzzle::GridName(finding.grid) + "の記録の A/B 欄が「" +
                   puzzle::ShownField(finding.ab) + "」です（" + (finding.grid == 1 ? "A" : "B") + " のはずです）";
        case Finding::Kind::Clash:
            break;
    }
    std::string text = "2つの盤が重なるマス（" + puzzle::SpacedCellName(pattern, finding.cell, 2) + "）で 2つの盤の数字が食い違っています";
    if (finding.cells > 1) text += "（ほかに " + std::to_string(finding.cells - 1) + " マス）";
    return text;
}

}  // namespace collection
