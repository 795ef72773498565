#include "board/BoardReading.h"

#include "board/PatternTables.h"
#include "board/frmAllGamen.h"

namespace board {

BoardReading ReadBoard(const frmAllGamen& w, const cmnMod01& m) {
    BoardReading r;
    r.board.pattern = m.PatternNo;
    r.board.diagonal = w.cmdNaname01.visible();
    for (int c = 1; c <= kBoardCells; ++c) {
        if (m.PatternMasu[static_cast<std::size_t>(m.PatternNo)][static_cast<std::size_t>(c)] == 0) continue;
        const std::string& text = w.text1(c).text();
        std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        std::size_t last = text.find_last_not_of(' ');
        if (first == last && text[first] >= '1' && text[first] <= '9') {
            r.board.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(text[first] - '0');
        } else if (!r.notDigit) {
            r.notDigit = c;
            r.notDigitText = text;
        }
    }
    return r;
}

}  // namespace board
