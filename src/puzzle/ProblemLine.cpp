#include "puzzle/ProblemLine.h"

#include <algorithm>
#include <vector>

#include "puzzle/GridPosition.h"
#include "puzzle/ShownText.h"
#include "puzzle/Utf8.h"

namespace puzzle {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

}  // namespace

std::string ReadGridText(std::string_view field, int g, DoubleBoard& board) {
    std::vector<std::string_view> chars = Utf8Characters(field);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        std::string_view ch = chars[i];
        if (ch.size() == 1 && ((ch[0] >= '0' && ch[0] <= '9') || ch[0] == '.')) continue;
        return GridName(g) + "の " + std::to_string(i + 1) + " 文字目「" + ShownField(ch) +
               "」は使えません（数字は半角の 1〜9、空きマスは . か 0 です）";
    }
    if (chars.size() != kGridCells)
        return GridName(g) + "が " + std::to_string(chars.size()) + " 文字です（81 文字必要です）";
    const OverlapPattern& pattern = Pattern(board.pattern);
    for (int k = 1; k <= kGridCells; ++k) {
        char ch = field[static_cast<std::size_t>(k - 1)];
        int d = ch == '.' ? 0 : ch - '0';
        if (d == 0) continue;
        auto c = static_cast<std::size_t>(BoardCellOf(pattern, g, k));
        int before = board.digits[c];
        if (before != 0 && before != d)
            return "2つの盤が重なるマス（" + SpacedCellName(board.pattern, static_cast<int>(c), 1) + "）で " + std::to_string(before) +
                   " と " + std::to_string(d) + " が食い違っています";
        board.digits[c] = static_cast<uint8_t>(d);
    }
    return {};
}

namespace {

ProblemLine Error(std::string message) {
    ProblemLine r;
    r.kind = ProblemLine::Kind::Error;
    r.message = std::move(message);
    return r;
}

}  // namespace

ProblemLine ParseProblemLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> fields = Fields(line);
    if (fields.empty() || fields[0].starts_with('#')) return {};
    if (fields.size() < 3 || fields.size() > 4)
        return Error("項目が " + std::to_string(fields.size()) +
                     " 個です（パターン番号、グリッド1、グリッド2、対角ルールなら x、を空白で区切ります）");
    std::string_view p = fields[0];
    // One or two digits; anything longer is refused before it is read as a number.
    int pattern = 0;
    bool number = !p.empty() && p.size() <= 2;
    for (char ch : p) {
        if (!number) break;
        number = ch >= '0' && ch <= '9';
        pattern = pattern * 10 + (ch - '0');
    }
    if (!number || !IsPattern(pattern))
        return Error("パターン番号「" + ShownField(p) + "」は 1〜12 の数ではありません");
    ProblemLine r;
    r.kind = ProblemLine::Kind::Problem;
    r.board.pattern = pattern;
    for (int g = 1; g <= 2; ++g) {
        std::string message = ReadGridText(fields[static_cast<std::size_t>(g)], g, r.board);
        if (!message.empty()) return Error(message);
    }
    if (fields.size() == 4) {
        if (fields[3] != "x" && fields[3] != "X")
            return Error("4つ目の項目「" + ShownField(fields[3]) + "」は対角ルールの x ではありません");
        r.board.diagonal = true;
    }
    return r;
}

std::string GridText(const DoubleBoard& board, int g) {
    std::string s(kGridCells, '.');
    for (int k = 1; k <= kGridCells; ++k) {
        int d = board.at(g, k);
        if (d != 0) s[static_cast<std::size_t>(k - 1)] = static_cast<char>('0' + d);
    }
    return s;
}

std::string FormatProblemLine(const DoubleBoard& board) {
    return std::to_string(board.pattern) + " " + GridText(board, 1) + " " + GridText(board, 2) + (board.diagonal ? " x" : "");
}

}  // namespace puzzle
