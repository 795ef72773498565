// The reading window (画像から読む): the double board read from a picture (a file chosen in the
// Open box, or the picture on the clipboard), shown beside the picture for the user to compare. Cells read
// with low confidence are yellow; every cell can be corrected; 問題にする places the problem on
// the board once it has one solution, else says why not and marks the clashing cells.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "picture/PictureReading.h"
#include "puzzle/DoubleBoard.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Surface.h"
#include "ui/TextBox.h"

namespace program { class Program; }

namespace pictureread {

// Cell colours: as read, read with low confidence, part of a clash.
constexpr ui::Color kPlainColor = 0xFFFFFF;
constexpr ui::Color kDoubtColor = 0x80FFFF;
constexpr ui::Color kClashColor = 0x8080FF;

class frmPictureRead : public ui::Form {
public:
    explicit frmPictureRead(program::Program& program);

    ui::Surface Surface{*this, "Surface"};
    ui::Label lblJoutai{*this, "lblJoutai"};
    // The board cells 1..225; only the pattern's cells are shown.
    ui::ControlArray<ui::TextBox> txtMasu{*this, "txtMasu", 1, 225};
    // The picture read, beside the board.
    ui::PictureBox picGazou{*this, "picGazou"};
    ui::Label lblPattern{*this, "lblPattern"};
    ui::CheckBox chkNaname{*this, "chkNaname"};
    ui::CommandButton cmdHiraku{*this, "cmdHiraku"};
    ui::CommandButton cmdMondaiNiSuru{*this, "cmdMondaiNiSuru"};
    ui::CommandButton cmdTojiru{*this, "cmdTojiru"};

    // Reads a picture (its encoded bytes), a picture file, or one chosen in the Open box, and
    // shows what was read; a picture without a double board gives its message only.
    void ReadBytes(std::span<const unsigned char> picture);
    void ReadFile(const std::string& path);
    void cmdHiraku_Click();
    // Shows a reading of the picture given: the window opens with the board as read.
    void ShowReading(const picture::PictureReading& reading, std::span<const unsigned char> picture);

    void txtMasu_KeyPress(int Index, int& KeyAscii);
    // The arrow keys, Home and End move between the shown cells; Delete empties a cell.
    void txtMasu_KeyDown(int Index, int& KeyCode, int Shift);
    void txtMasu_Change(int Index);
    void cmdMondaiNiSuru_Click();
    void cmdTojiru_Click();

    // The problem as the window shows it now, corrections included.
    puzzle::DoubleBoard Board() const;

private:
    void layOutControls();
    void ShowPattern(int pattern);
    void PlaceBelowBoard(int rows);
    void Mark(const std::vector<int>& cells, ui::Color color);
    void Unmark();

    int pattern_ = 0;
    std::string folder_;  // where the Open box starts: the last picture's folder
    program::Program& program_;
};

}  // namespace pictureread
