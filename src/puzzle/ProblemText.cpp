#include "puzzle/ProblemText.h"

#include <algorithm>
#include <array>
#include <vector>

#include "puzzle/ProblemLine.h"
#include "puzzle/Units.h"
#include "puzzle/Utf8.h"

namespace puzzle {
namespace {

constexpr const char* kForms =
    "次のどれかの形で貼り付けてください。\n"
    "・mozeldouble-solve の行（パターン番号、グリッド1の81文字、グリッド2の81文字、対角ルールなら x）\n"
    "・盤面の絵（15文字×15行。数字はヒント、. か 0 は空きマス、それ以外の文字は盤の外）\n"
    "・今のパターンのグリッド1とグリッド2を続けた162文字（. か 0 は空きマス）";

ProblemText Refused(std::string why) { return {std::nullopt, std::move(why)}; }

bool IsCell(std::string_view ch) { return ch.size() == 1 && ((ch[0] >= '0' && ch[0] <= '9') || ch[0] == '.'); }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    // Blank lines around the text belong to no form.
    auto blank = [](std::string_view l) { return l.find_first_not_of(" \t") == std::string_view::npos; };
    while (!lines.empty() && blank(lines.back())) lines.pop_back();
    return lines;
}

// 162 cell characters once the whitespace is gone.
std::optional<std::string> BothGrids(std::string_view text) {
    std::string cells;
    for (char c : text) {
        if (IsSpace(c)) continue;
        if (!((c >= '0' && c <= '9') || c == '.')) return std::nullopt;
        cells += c;
    }
    if (cells.size() != 2 * static_cast<std::size_t>(kGridCells)) return std::nullopt;
    return cells;
}

ProblemText ReadBothGrids(const std::string& cells, int pattern, bool diagonal) {
    DoubleBoard board;
    board.pattern = pattern;
    board.diagonal = diagonal;
    for (int g = 1; g <= 2; ++g) {
        std::string why = ReadGridText(std::string_view(cells).substr(static_cast<std::size_t>((g - 1) * kGridCells), kGridCells), g, board);
        if (!why.empty()) return Refused(why);
    }
    return {board, {}};
}

// A picture: up to 15 lines of up to 15 characters, at least one cell character. Nothing when
// the lines are no picture.
std::optional<ProblemText> ReadPicture(const std::vector<std::string_view>& lines, bool diagonal) {
    if (lines.empty() || lines.size() > static_cast<std::size_t>(kBoardSize)) return std::nullopt;
    std::array<char, kBoardCells + 1> cells{};  // the cell characters, 0 outside
    bool any = false;
    for (std::size_t r = 0; r < lines.size(); ++r) {
        std::vector<std::string_view> chars = Utf8Characters(lines[r]);
        if (chars.size() > static_cast<std::size_t>(kBoardSize)) return std::nullopt;
        for (std::size_t c = 0; c < chars.size(); ++c) {
            if (!IsCell(chars[c])) continue;
            cells[static_cast<std::size_t>(BoardCell(static_cast<int>(r) + 1, static_cast<int>(c) + 1))] = chars[c][0];
            any = true;
        }
    }
    if (!any) return std::nullopt;
    for (int p = 1; p <= kPatternCount; ++p) {
        std::vector<int> covered = CoveredCells(p);
        int inside = 0;
        for (int c = 1; c <= kBoardCells; ++c) inside += cells[static_cast<std::size_t>(c)] != 0;
        bool same = inside == static_cast<int>(covered.size());
        for (int c : covered) same = same && cells[static_cast<std::size_t>(c)] != 0;
        if (!same) continue;
        DoubleBoard board;
        board.pattern = p;
        board.diagonal = diagonal;
        for (int c : covered) {
            char ch = cells[static_cast<std::size_t>(c)];
            board.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(ch == '.' ? 0 : ch - '0');
        }
        return ProblemText{board, {}};
    }
    return Refused("貼り付けた盤面の絵の形が、12 のパターンのどれとも合いません。\n"
                   "盤の中のマスは数字か . か 0、盤の外は空白などの別の文字にしてください。");
}

}  // namespace

ProblemText ReadProblemText(std::string_view text, int currentPattern, bool currentDiagonal) {
    if (auto cells = BothGrids(text)) return ReadBothGrids(*cells, currentPattern, currentDiagonal);
    std::vector<std::string_view> lines = Lines(text);
    // A line form among comment lines (as mozeldouble-solve writes them) is one problem.
    std::vector<std::string_view> problemLines;
    for (std::string_view line : lines) {
        ProblemLine read = ParseProblemLine(line);
        if (read.kind != ProblemLine::Kind::Skip) problemLines.push_back(line);
    }
    if (problemLines.size() == 1) {
        ProblemLine read = ParseProblemLine(problemLines[0]);
        if (read.kind == ProblemLine::Kind::Problem) return {read.board, {}};
        // Three or four fields make a line meant as the line form: its own fault is the answer.
        std::size_t fields = 0;
        bool inField = false;
        for (char c : problemLines[0]) {
            if (!IsSpace(c) && !inField) ++fields;
            inField = !IsSpace(c);
        }
        if (fields >= 3 && fields <= 4) return Refused("貼り付けた行は問題の行として読めません：" + read.message);
    }
    if (auto picture = ReadPicture(lines, currentDiagonal)) return *picture;
    if (lines.empty()) return Refused(std::string("クリップボードに文字がありません。\n") + kForms);
    return Refused(std::string("貼り付けた文字は、問題として読めません。\n") + kForms);
}

std::string BoardPicture(const DoubleBoard& board) {
    const std::vector<int> covered = CoveredCells(board.pattern);
    std::string picture;
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            int cell = BoardCell(r, c);
            bool inside = std::find(covered.begin(), covered.end(), cell) != covered.end();
            int d = board.digits[static_cast<std::size_t>(cell)];
            picture += !inside ? ' ' : d == 0 ? '.' : static_cast<char>('0' + d);
        }
        picture += '\n';
    }
    return picture;
}

}  // namespace puzzle
