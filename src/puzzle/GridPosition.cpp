#include "puzzle/GridPosition.h"

#include <stdexcept>

namespace puzzle {

namespace {

std::string Num(int n) { return std::to_string(n); }

}  // namespace

GridPosition PositionOf(int pattern, int c, int preferredGrid) {
    const OverlapPattern& p = Pattern(pattern);
    const int g = GridCellOf(p, preferredGrid, c) != 0 ? preferredGrid : 3 - preferredGrid;
    const int k = GridCellOf(p, g, c);
    if (k == 0) throw std::out_of_range("board cell " + Num(c) + " lies in neither grid of pattern " + Num(pattern));
    return {g, GridRow(k), GridColumn(k)};
}

int BoardCellAt(int pattern, const GridPosition& position) {
    return BoardCellOf(Pattern(pattern), position.grid, GridCell(position.row, position.column));
}

std::string GridName(int grid) { return "グリッド" + Num(grid); }

std::string RowColumnName(const GridPosition& position) { return Num(position.row) + "行" + Num(position.column) + "列"; }

std::string CellName(int pattern, int c, int preferredGrid) {
    const GridPosition p = PositionOf(pattern, c, preferredGrid);
    return GridName(p.grid) + "の" + RowColumnName(p);
}

std::string CellNameAfter(const GridPosition& position, int& lastGrid) {
    const bool sameGrid = position.grid == lastGrid;
    lastGrid = position.grid;
    return (sameGrid ? "" : GridName(position.grid) + "の") + RowColumnName(position);
}

std::string BoxName(int grid, int box) { return GridName(grid) + "のブロック" + Num(box); }

std::string UnitName(const Unit& u) {
    const std::string grid = GridName(u.grid) + "の";
    switch (u.kind) {
        case UnitKind::Row: return grid + Num(u.index) + "行目";
        case UnitKind::Column: return grid + Num(u.index) + "列目";
        case UnitKind::Box: return BoxName(u.grid, u.index);
        case UnitKind::MainDiagonal: return grid + "対角線（左上から右下）";
        case UnitKind::AntiDiagonal: return grid + "対角線（右上から左下）";
    }
    return grid;
}

std::string SpacedRowColumnName(const GridPosition& position) {
    return Num(position.row) + " 行 " + Num(position.column) + " 列";
}

std::string SpacedCellName(int pattern, int c, int preferredGrid) {
    const GridPosition p = PositionOf(pattern, c, preferredGrid);
    return GridName(p.grid) + "の " + SpacedRowColumnName(p);
}

std::string SpacedUnitName(const Unit& u) {
    const std::string grid = GridName(u.grid) + "の";
    switch (u.kind) {
        case UnitKind::Row: return grid + " " + Num(u.index) + " 行目";
        case UnitKind::Column: return grid + " " + Num(u.index) + " 列目";
        case UnitKind::Box: return grid + "左上から " + Num(u.index) + " 番目の3×3のブロック";
        case UnitKind::MainDiagonal: return grid + "左上から右下への対角線";
        case UnitKind::AntiDiagonal: return grid + "右上から左下への対角線";
    }
    return grid;
}

}  // namespace puzzle
