// Moving the focus between the cells of a board or a grid with the arrow keys, Home and End:
// the next shown cell in the key's direction, cells that are not shown stepped over; at the
// edge the focus stays. Home and End go to the first and last shown cell of the row. And the
// keys that edit a cell in place of moving.
#pragma once

#include <functional>

#include "ui/Keys.h"

namespace board {

// The cell (row-major, 1-based, size x size) the key moves to from cell; cell itself when the
// key moves nowhere or is no navigation key.
inline int NextCell(int size, int cell, int key, const std::function<bool(int)>& shown) {
    const int row = (cell - 1) / size + 1, column = (cell - 1) % size + 1;
    auto at = [size](int r, int c) { return (r - 1) * size + c; };
    int dr = 0, dc = 0;
    switch (key) {
        case ui::kKeyLeft: dc = -1; break;
        case ui::kKeyRight: dc = 1; break;
        case ui::kKeyUp: dr = -1; break;
        case ui::kKeyDown: dr = 1; break;
        case ui::kKeyHome:
            for (int c = 1; c <= size; ++c)
                if (shown(at(row, c))) return at(row, c);
            return cell;
        case ui::kKeyEnd:
            for (int c = size; c >= 1; --c)
                if (shown(at(row, c))) return at(row, c);
            return cell;
        default: return cell;
    }
    for (int r = row + dr, c = column + dc; r >= 1 && r <= size && c >= 1 && c <= size; r += dr, c += dc) {
        if (shown(at(r, c))) return at(r, c);
    }
    return cell;
}

// Whether a key moves between cells (an arrow, Home or End, without Ctrl or Alt).
inline bool IsNavigationKey(int key, int shift) {
    if (shift & (ui::kCtrlMask | ui::kAltMask)) return false;
    return key == ui::kKeyLeft || key == ui::kKeyRight || key == ui::kKeyUp || key == ui::kKeyDown ||
           key == ui::kKeyHome || key == ui::kKeyEnd;
}

// The keys that edit a cell rather than move: Delete empties it, Shift+digit takes that
// candidate out or puts it back.
struct CellEdit {
    bool empty = false;
    int candidate = 0;  // 1..9, or 0
    explicit operator bool() const { return empty || candidate != 0; }
};
inline CellEdit CellEditOf(int key, int shift) {
    if (key == ui::kKeyDelete && !(shift & (ui::kCtrlMask | ui::kAltMask))) return {true, 0};
    if (shift == ui::kShiftMask && key >= '1' && key <= '9') return {false, key - '0'};
    return {};
}

}  // namespace board
