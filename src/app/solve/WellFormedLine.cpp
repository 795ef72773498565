#include "app/solve/WellFormedLine.h"

#include <array>

namespace solve {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// The digit a character gives a cell: 1..9, 0 for '.' and '0', kNoCell for any other.
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
bool ReadGrid(std::string_view field, int g, puzzle::DoubleBoard& board) {
    if (field.size() != static_cast<std::size_t>(puzzle::kGridCells)) return false;
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(board.pattern);
    unsigned seen = 0, clash = 0;
    for (int row = 0; row < puzzle::kGridSize; ++row) {
        uint8_t* cells = &board.digits[static_cast<std::size_t>(puzzle::BoardCellOf(pattern, g, row * puzzle::kGridSize + 1))];
        const char* text = field.data() + row * puzzle::kGridSize;
        for (int column = 0; column < puzzle::kGridSize; ++column) {
            unsigned d = kCellValue[static_cast<unsigned char>(text[column])];
            unsigned before = cells[column];
            seen |= d;
            clash |= (before != 0) & (d != 0) & (before != d);
            cells[column] = static_cast<uint8_t>(before | d);
        }
    }
    return (seen & kNoCell) == 0 && clash == 0;
}

}  // namespace

bool ReadWellFormedLine(std::string_view line, puzzle::DoubleBoard& board) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i == start) break;
        if (count == fields.size()) return false;
        fields[count++] = line.substr(start, i - start);
    }
    if (count < 3) return false;
    std::string_view p = fields[0];
    if (p.empty() || p.size() > 2) return false;
    int pattern = 0;
    for (char ch : p) {
        if (ch < '0' || ch > '9') return false;
        pattern = pattern * 10 + (ch - '0');
    }
    if (!puzzle::IsPattern(pattern)) return false;
    board = puzzle::DoubleBoard{};
    board.pattern = pattern;
    if (!ReadGrid(fields[1], 1, board) || !ReadGrid(fields[2], 2, board)) return false;
    if (count == 4) {
        if (fields[3] != "x" && fields[3] != "X") return false;
        board.diagonal = true;
    }
    return true;
}

}  // namespace solve
