#include "app/solve/WellFormedLine.h"

#include <array>

namespace solve {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// The digit a character gives a cell: 1..9, 0 for '.' and '0', kNoCell for any other (a blank
// included, so that a grid field read as 81 bytes holds no blank).
constexpr uint8_t kNoCell = 0x80;
constexpr std::array<uint8_t, 256> kCellValue = [] {
    std::array<uint8_t, 256> value{};
    value.fill(kNoCell);
    value['.'] = 0;
    for (int d = 0; d <= 9; ++d) value[static_cast<std::size_t>('0' + d)] = static_cast<uint8_t>(d);
    return value;
}();

// Reads grid g's 81 characters onto the board; false at a character that is no cell or a
// shared cell that the other grid gave another digit. The grid's rows lie along the board's.
// Without a branch per cell: digits and empty cells come in no order a processor could
// predict. Grid 1 comes first, onto an empty board; a cell grid 2 gives too takes either
// digit: they agree, or the line is bad.
bool ReadGrid(const char* text, int g, puzzle::DoubleBoard& board) {
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(board.pattern);
    unsigned seen = 0, clash = 0;
    for (int row = 0; row < puzzle::kGridSize; ++row, text += puzzle::kGridSize) {
        uint8_t* cells = &board.digits[static_cast<std::size_t>(puzzle::BoardCellOf(pattern, g, row * puzzle::kGridSize + 1))];
        for (int column = 0; column < puzzle::kGridSize; ++column) {
            unsigned d = kCellValue[static_cast<unsigned char>(text[column])];
            seen |= d;
            if (g == 1) {
                cells[column] = static_cast<uint8_t>(d);
            } else {
                unsigned before = cells[column];
                clash |= (before != 0) & (d != 0) & (before != d);
                cells[column] = static_cast<uint8_t>(before | d);
            }
        }
    }
    return (seen & kNoCell) == 0 && clash == 0;
}

}  // namespace

bool ReadWellFormedLine(std::string_view line, puzzle::DoubleBoard& board) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
    };
    // The pattern: one or two digits.
    skipBlanks();
    int pattern = 0;
    std::size_t start = pos;
    for (; pos < line.size() && !IsBlank(line[pos]); ++pos) {
        char ch = line[pos];
        if (ch < '0' || ch > '9' || pos - start == 2) return false;
        pattern = pattern * 10 + (ch - '0');
    }
    if (pos == start || !puzzle::IsPattern(pattern)) return false;
    board = puzzle::DoubleBoard{};
    board.pattern = pattern;
    // The grids: 81 bytes each, ended by a blank or the end of the line. A blank inside one
    // fails it as no cell, so the fields are the ones ParseProblemLine splits.
    for (int g = 1; g <= 2; ++g) {
        skipBlanks();
        std::size_t end = pos + puzzle::kGridCells;
        if (end > line.size() || (end < line.size() && !IsBlank(line[end]))) return false;
        if (!ReadGrid(line.data() + pos, g, board)) return false;
        pos = end;
    }
    // The diagonal rule, or nothing.
    skipBlanks();
    if (pos == line.size()) return true;
    if (line[pos] != 'x' && line[pos] != 'X') return false;
    ++pos;
    skipBlanks();
    board.diagonal = true;
    return pos == line.size();
}

}  // namespace solve
