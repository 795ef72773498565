// The board kept between runs for 続きから: the pattern, the diagonal rule, every board cell's
// text and whether it is a given (locked), its candidates and whether they are shown, the
// problem's texts (難易度 among them) and what the judgements showed. Kept as a small text file
// in the user's data folder, one field a line; a field added later is optional when read, so
// that a board kept by an earlier version still comes back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace board {

struct KeptBoard {
    int pattern = 12;
    bool diagonal = false;
    struct Cell {
        std::string text;
        bool given = false;
        bool operator==(const Cell&) const = default;
    };
    std::array<Cell, 226> cells{};  // board cells 1..225; 0 unused
    // The candidates (bit d for digit d) of every cell; a board kept before candidates
    // existed has none, and its candidates start anew from the board.
    std::optional<std::array<int, 226>> candidates;
    bool candidatesShown = false;
    std::string number, question, question2, memo, nanido;
    // What the judgements left on screen: the board cells' back colours and the digits ticked
    // complete (ticks[d]), and each grid window's cells (text and back colour), ticks, completion
    // line and 難易度. A
    // board kept before these were kept has none, and comes back in the colours of a new problem.
    struct GridCell {
        std::string text;
        std::int32_t backColor = 0;
        bool operator==(const GridCell&) const = default;
    };
    struct Judged {
        std::array<std::int32_t, 226> backColors{};  // board cells 1..225
        std::array<bool, 10> ticks{};                // digits 1..9
        std::array<std::array<GridCell, 81>, 2> gridCells{};
        std::array<std::array<bool, 10>, 2> gridTicks{};
        // Each grid window's completion line (Text10) and its 難易度 box (TB_NUN).
        std::array<std::string, 2> gridStatus{}, gridNanido{};
        bool operator==(const Judged&) const = default;
    };
    std::optional<Judged> judged;
    bool operator==(const KeptBoard&) const = default;
};

// The file's name in the data folder.
constexpr const char* kKeptBoardFile = "続きから.txt";

std::string WriteKeptBoard(const KeptBoard& board);
// Nothing when the text is no kept board (another file, cut short, a pattern out of range).
std::optional<KeptBoard> ReadKeptBoard(std::string_view text);

// The kept board of a folder: stored (written beside it and renamed over it, so that a board
// is never half kept); false when it could not be.
bool StoreKeptBoard(const std::string& folder, const KeptBoard& board);
// Whether a kept board lies in the folder.
bool HasKeptBoard(const std::string& folder);
// The kept board; nothing when it cannot be read, and then the file is set aside under a name
// of its own (returned in setAside, empty when it could not be moved), never deleted.
std::optional<KeptBoard> FetchKeptBoard(const std::string& folder, std::string& setAside);

}  // namespace board
