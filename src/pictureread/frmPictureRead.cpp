#include "pictureread/frmPictureRead.h"

#include <algorithm>
#include <filesystem>
#include <variant>

#include "board/BoardCheck.h"
#include "board/BoardLayout.h"
#include "board/CellNavigation.h"
#include "board/frmAllGamen.h"
#include "picture/PictureFile.h"
#include "program/Program.h"
#include "puzzle/BoardGeometry.h"
#include "puzzle/OverlapPatterns.h"
#include "puzzle/Solver.h"
#include "ui/Keys.h"
#include "ui/Layout.h"

namespace pictureread {
namespace {

constexpr ui::Color kBackColor = 0xF0E8E0;
// Cells 360 twips apart, 30 twips between them where the lines stand; box lines 3 pixels wide.
constexpr int kCell = 360;
constexpr int kGap = 30;
constexpr int kBoardLeft = 240;
constexpr int kBoardTop = 900;
constexpr int kBoxLine = 3;
// The picture stands right of the board, as large as the board.
constexpr int kPictureLeft = kBoardLeft + kCell * puzzle::kBoardSize + 240;
const char* const kPictureFilter = "画像 (*.png *.jpg *.jpeg *.bmp);;すべてのファイル (*)";

int CellX(int c) { return kBoardLeft + kCell * (puzzle::BoardColumn(c) - 1) + kGap / 2; }
int CellY(int c) { return kBoardTop + kCell * (puzzle::BoardRow(c) - 1) + kGap / 2; }

}  // namespace

frmPictureRead::frmPictureRead(program::Program& program) : ui::Form("frmPictureRead"), program_(program) {
    setCaption("画像から読む");
    setBackColor(kBackColor);
    setWidth(kPictureLeft + kCell * puzzle::kBoardSize + 240);
    // Reading and correcting is no step of the puzzle; placing the problem is.
    setJournaled(false);
    // Beside the main window, never over its board.
    setBeside({.owner = "frmAllGamen", .keepClear = board::layout::kBoardArea});
    layOutControls();
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        txtMasu(c).onKeyPress = [this, c](int& key) { txtMasu_KeyPress(c, key); };
        txtMasu(c).onKeyDown = [this, c](int& key, int shift) { txtMasu_KeyDown(c, key, shift); };
        txtMasu(c).onChange = [this, c] { txtMasu_Change(c); };
    }
    cmdHiraku.onClick = [this] { cmdHiraku_Click(); };
    cmdMondaiNiSuru.onClick = [this] { cmdMondaiNiSuru_Click(); };
    cmdTojiru.onClick = [this] { cmdTojiru_Click(); };
}

void frmPictureRead::layOutControls() {
    const ui::LayoutRow rows[] = {
        {&Surface, "", 0, 0, width(), height()},
        {&lblJoutai, "", 120, 100, width() - 360, 720},
        {&picGazou, "", kPictureLeft, kBoardTop, kCell * puzzle::kBoardSize, kCell * puzzle::kBoardSize},
        {&lblPattern, "パターン", kBoardLeft, 0, 1500, 300},
        {&chkNaname, "対角線ナンプレ", 1900, 0, 2700, 320},
        {&cmdHiraku, "画像を開く…", 120, 0, 1750, 420},
        {&cmdMondaiNiSuru, "問題にする", 2050, 0, 1750, 420},
        {&cmdTojiru, "閉じる", 3980, 0, 1750, 420},
    };
    ui::LayOut(rows);
    PlaceBelowBoard(puzzle::kBoardSize);
    chkNaname.setBackColor(kBackColor);
    cmdMondaiNiSuru.setToolTip("読み取った盤を問題として盤面に置きます");
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        ui::TextBox& cell = txtMasu(c);
        cell.setBounds(CellX(c), CellY(c), kCell - kGap, kCell - kGap);
        cell.setAlignment(ui::Alignment::Center);
        cell.setFontSize(12);
        cell.setVisible(false);
    }
}

// The controls under the board's last row in use, and the window's height to match.
void frmPictureRead::PlaceBelowBoard(int rows) {
    const int bottom = kBoardTop + kCell * rows;
    lblPattern.setTop(bottom + 200);
    chkNaname.setTop(bottom + 170);
    for (ui::CommandButton* b : {&cmdHiraku, &cmdMondaiNiSuru, &cmdTojiru}) b->setTop(bottom + 700);
    picGazou.setHeight(kCell * rows);
    setHeight(bottom + 1700);
    Surface.setHeight(height());
}

// The pattern's cells shown, the others hidden, and both grids' box lines drawn over them.
void frmPictureRead::ShowPattern(int pattern) {
    pattern_ = pattern;
    const puzzle::OverlapPattern& p = puzzle::Pattern(pattern);
    PlaceBelowBoard(std::max(p.grid1Row, p.grid2Row) + puzzle::kGridSize - 1);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) txtMasu(c).setVisible(puzzle::CellCode(p, c) != 0);
    lblPattern.setCaption("パターン " + std::to_string(pattern));
    Surface.clear();
    for (int g = 1; g <= 2; ++g) {
        const int x0 = kBoardLeft + kCell * (p.columnOf(g) - 1);
        const int y0 = kBoardTop + kCell * (p.rowOf(g) - 1);
        for (int i = 0; i <= 3; ++i) {
            Surface.line(x0 + 3 * kCell * i, y0, x0 + 3 * kCell * i, y0 + 9 * kCell, kBoxLine, ui::kBlack);
            Surface.line(x0, y0 + 3 * kCell * i, x0 + 9 * kCell, y0 + 3 * kCell * i, kBoxLine, ui::kBlack);
        }
    }
}

void frmPictureRead::ReadBytes(std::span<const unsigned char> picture) { ShowReading(picture::ReadPicture(picture), picture); }

void frmPictureRead::ReadFile(const std::string& path) {
    folder_ = std::filesystem::path(path).parent_path().string();
    auto bytes = picture::ReadPictureBytes(path);
    if (const auto* why = std::get_if<std::string>(&bytes)) {
        picture::PictureReading unread;
        unread.message = *why;
        return ShowReading(unread, {});
    }
    ReadBytes(std::get<std::vector<unsigned char>>(bytes));
}

void frmPictureRead::cmdHiraku_Click() {
    std::optional<std::string> path = program_.dialogs().OpenFile(folder_, kPictureFilter);
    if (path) ReadFile(*path);
}

void frmPictureRead::ShowReading(const picture::PictureReading& reading, std::span<const unsigned char> picture) {
    if (!reading.found) {
        program_.dialogs().MsgBox("画像から問題を読めませんでした。\n" + reading.message, ui::MsgIcon::Exclamation);
        return;
    }
    picGazou.setPicture(picture);
    ShowPattern(reading.board.pattern);
    chkNaname.setValue(reading.board.diagonal ? 1 : 0);
    const puzzle::OverlapPattern& p = puzzle::Pattern(pattern_);
    int givens = 0;
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        const int digit = puzzle::CellCode(p, c) != 0 ? reading.board.digits[static_cast<std::size_t>(c)] : 0;
        givens += digit != 0;
        txtMasu(c).setText(digit != 0 ? std::to_string(digit) : "");
    }
    // Colours after the texts: setting a text is no correction.
    const std::vector<int> doubtful = reading.doubtfulCells();
    Unmark();
    Mark(doubtful, kDoubtColor);
    std::string status = "パターン " + std::to_string(pattern_) + " の盤を読みました（数字 " + std::to_string(givens) + " 個）。";
    status += doubtful.empty() ? "画像と見比べて、違うところがあれば直してから「問題にする」を押してください。"
                               : "黄色の " + std::to_string(doubtful.size()) +
                                     " マスは読み取りに自信がありません。画像と見比べて、違うところを直してから「問題にする」を押してください。";
    lblJoutai.setCaption(status);
    Show();
}

void frmPictureRead::Mark(const std::vector<int>& cells, ui::Color color) {
    for (int c : cells) txtMasu(c).setBackColor(color);
}

void frmPictureRead::Unmark() {
    for (int c = 1; c <= puzzle::kBoardCells; ++c) txtMasu(c).setBackColor(kPlainColor);
}

void frmPictureRead::txtMasu_KeyPress(int Index, int& KeyAscii) {
    // One digit a cell: a digit replaces what is there; 0, a blank, '.' or Backspace empties it.
    const int key = KeyAscii;
    KeyAscii = 0;
    if (key >= '1' && key <= '9') {
        txtMasu(Index).setText(std::string(1, static_cast<char>(key)));
    } else if (key == '0' || key == ' ' || key == '.' || key == ui::kKeyBack) {
        txtMasu(Index).setText("");
    } else {
        program_.dialogs().Beep();
    }
}

void frmPictureRead::txtMasu_KeyDown(int Index, int& KeyCode, int Shift) {
    if (board::CellEditOf(KeyCode, Shift).empty) {
        KeyCode = 0;
        return txtMasu(Index).setText("");
    }
    if (!board::IsNavigationKey(KeyCode, Shift)) return;
    const int next = board::NextCell(puzzle::kBoardSize, Index, KeyCode, [this](int c) { return txtMasu(c).visible(); });
    program_.forms().setFocus(txtMasu(next));
    KeyCode = 0;
}

// A corrected cell is no longer in doubt, and a clash it was part of is gone.
void frmPictureRead::txtMasu_Change(int Index) {
    if (txtMasu(Index).backColor() == kClashColor) Unmark();
    txtMasu(Index).setBackColor(kPlainColor);
}

puzzle::DoubleBoard frmPictureRead::Board() const {
    puzzle::DoubleBoard board;
    board.pattern = pattern_;
    board.diagonal = chkNaname.value() == 1;
    const puzzle::OverlapPattern& p = puzzle::Pattern(pattern_);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        const std::string& text = txtMasu(c).text();
        const bool digit = text.size() == 1 && text[0] >= '1' && text[0] <= '9';
        if (digit && puzzle::CellCode(p, c) != 0) board.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(text[0] - '0');
    }
    return board;
}

void frmPictureRead::cmdMondaiNiSuru_Click() {
    if (pattern_ == 0) return;
    const puzzle::DoubleBoard board = Board();
    if (auto fault = board::CheckDuplicates(board)) {
        Mark(fault->cells, kClashColor);
        program_.dialogs().MsgBox("この問題は使えません。\n" + fault->text + "\n赤いマスを画像と見比べて直してください。",
                                  ui::MsgIcon::Exclamation);
        return;
    }
    switch (puzzle::Solve(board).verdict) {
        case puzzle::Verdict::None:
            program_.dialogs().MsgBox("この問題には解がありません。\n読み違えた数字がないか、画像と見比べてください。",
                                      ui::MsgIcon::Exclamation);
            return;
        case puzzle::Verdict::Multiple:
            program_.dialogs().MsgBox("この問題は解が2つ以上あります。\n読み落とした数字がないか、画像と見比べてください。",
                                      ui::MsgIcon::Exclamation);
            return;
        case puzzle::Verdict::Unique: break;
    }
    board::frmAllGamen::ProblemTexts texts{"", "", "", "画像から読んだ問題", std::string("0")};
    program_.frmAllGamen().PlaceProblem(board, &texts);
    Hide();
}

void frmPictureRead::cmdTojiru_Click() { Unload(); }

}  // namespace pictureread
