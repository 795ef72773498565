// The grid printed as text: a header with the problem's file and number, then the 9x9 cells
// between ruled lines.
#include "grid/frmMozelAuto.h"
#include "collection/frmMondai.h"
#include "program/Program.h"
#include "puzzle/BoardGeometry.h"
#include "ui/TextBox.h"

namespace grid {
namespace {

constexpr const char* kRule = "     X--+--+--+--+--+--+--+--+--X";

// A cell's three columns: one character right-aligned after two blanks, two after one blank;
// any other length (an empty "" cell, a long text) prints as blanks.
std::string PrintedCell(const std::string& text) {
    // Characters, not bytes: UTF-8 continuation bytes do not count.
    size_t length = 0;
    for (unsigned char c : text) length += (c & 0xC0) != 0x80;
    if (length == 1) return "  " + text + "|";
    if (length == 2) return " " + text + "|";
    return "    |";
}

}  // namespace

std::vector<std::string> frmMozelAuto::PrintLines(const std::string& file, const std::string& number) const {
    std::vector<std::string> lines{"", "", "", "        ==  <<   モゼルパズル   >>  ==", "", ""};
    lines.push_back("   ファイル名　==> " + file + "  問題番号 ==> " + number);
    lines.insert(lines.end(), {"", "", kRule});
    for (int row = 1; row <= 9; ++row) {
        std::string line = "      |";
        for (int col = 1; col <= 9; ++col) line += PrintedCell(cell(puzzle::GridCell(row, col)).text());
        lines.push_back(line);
        lines.push_back(kRule);
    }
    return lines;
}

void frmMozelAuto::btn99PRINT_Click() {
    // A cancelled dialog ends the command without a word.
    if (!program_.dialogs().PrinterDialog()) return;
    // The header names the collection file and the storage number of the problem window.
    auto& mondai = program_.frmMondai();
    program_.printer().PrintText(PrintLines(mondai.Text2.text(), mondai.Text1.text()));
}

}  // namespace grid
