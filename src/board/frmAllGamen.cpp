#include "board/frmAllGamen.h"

#include "board/PatternTables.h"
#include "board/BoardLayout.h"
#include "program/Program.h"
#include "puzzle/LogicState.h"
#include "ui/Layout.h"
#include "ui/StateBytes.h"

namespace board {

using namespace layout;

namespace {
const char* const kFullWidthDigits[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
}

frmAllGamen::frmAllGamen(program::Program& program)
    : ui::Form("frmAllGamen"), program_(program), cmn(program.cmn()) {
    for (int c = 0; c <= kBoardCells; ++c) text1(c).bindTo(program_.state(), c, ui::CellStore::kAllFields);
    setCaption("モゼルダブル");
    setBackColor(kBackColor);
    setWidth(kWindowWidth);
    setHeight(kWindowHeight);
    layOutControls();
    connectEvents();
    registerOperations();
    addState({"board",
              [this] {
                  ui::StateWriter out;
                  out << LockState;
                  return out.take();
              },
              [this](std::string_view bytes) { ui::StateReader(bytes) >> LockState; }});
    journalToken_ = program_.journal().changed.connect([this] { ShowUndoState(); });
    ShowUndoState();
    stateToken_ = program_.state().changed.connect([this](const state::StateChange& change) { StateChanged(change); });
    // The rule is the state's; a script or code that shows or hides the switch sets it.
    cmdNaname01.changed.connect([this] { program_.state().setDiagonal(cmdNaname01.visible()); });
}

frmAllGamen::~frmAllGamen() {
    program_.journal().changed.disconnect(journalToken_);
    program_.state().changed.disconnect(stateToken_);
}

void frmAllGamen::StateChanged(const state::StateChange& change) {
    // The digits' colours: a changed text may make or end a repeat among its peers.
    std::vector<bool> recolour(kBoardCells + 1, false);
    bool any = false;
    const state::PuzzleState& board = program_.state();
    for (const auto& [c, fields] : change.cells) {
        text1(c).storeChanged(fields, !change.restored);
        if (!(fields & (ui::CellStore::kText | ui::CellStore::kLocked))) continue;
        recolour[static_cast<std::size_t>(c)] = any = true;
        if (!(fields & ui::CellStore::kText) || !board.inPattern(c) || change.pattern || change.diagonal) continue;
        for (int peer : puzzle::TopologyOf(board.pattern(), board.diagonal()).peerList[static_cast<std::size_t>(c)])
            recolour[static_cast<std::size_t>(peer)] = true;
    }
    if (change.pattern || change.diagonal) ShowDigitColors();
    else if (any) ShowDigitColors(recolour);
    if (change.diagonal || change.pattern) ShowDiagonals();
    if (change.pattern) ShowGridLabels();
    if (change.diagonal) {
        const bool on = program_.state().diagonal();
        for (ui::Control* c : std::initializer_list<ui::Control*>{&cmdNaname01, &txtNaname01, &cmdNaname02, &txtNaname02})
            c->setVisible(on);
    }
}

void frmAllGamen::layOutControls() {
    // Board cells; cell 0 sits outside the board and is never shown.
    text1(0).setBounds(60, 60, kCellSize, kCellSize);
    text1(0).setVisible(false);
    for (int c = 1; c <= kBoardCells; ++c) {
        text1(c).setBounds(CellLeft(BoardColumn(c)), CellTop(BoardRow(c)), kCellSize, kCellSize);
        text1(c).setAlignment(ui::Alignment::Center);
    }
    // The digit palette at the right, 空白 (option 0) last.
    for (int d = 0; d <= 9; ++d) {
        int row = d == 0 ? 10 : d;
        int top = 1290 + 573 * row;
        SUUJI1(d).setBounds(9120, top, 300, 360);
        SUUJI1(d).setBackColor(kBackColor);
        if (d > 0) {
            suuji(d).setCaption(std::to_string(d));
            suuji(d).setFontSize(12);
            suuji(d).setBounds(9460, top, 400, 360);
        }
    }
    // Judge buttons under the board columns, over their completion checks.
    for (int d = 1; d <= 9; ++d) {
        cmdHantei(d).setCaption(kFullWidthDigits[d]);
        cmdHantei(d).setBounds(CellLeft(d), 10070, kCellSize, 440);
        cmdHantei(d).setToolTip(std::to_string(d) + "の判定（Ctrl+" + std::to_string(d) + "）");
        Check1(d).setBounds(CellLeft(d) + 130, 10560, 300, 300);
        Check1(d).setBackColor(kBackColor);
    }
    const ui::LayoutRow rows[] = {
        {&Surface, "", 0, 0, kWindowWidth, kWindowHeight},
        {&lblInputMoji, "入力文字", 9100, 1290, 1050, 300},
        {&lblKuuhaku, "空白", 9460, 1290 + 573 * 10, 700, 360},
        {&cmdHanteiA(1), "判定A", CellLeft(14), 10070, 1030, 440},
        {&cmdHanteiA(2), "判定B", CellLeft(14), 10560, 1030, 440},
        {&cmdHanteiA(3), "自動判定", CellLeft(12), 10070, 1030, 440},
        {&cmdHantei123, "自動123", CellLeft(10), 10070, 1030, 440},
        {&lblKanryou, "完了ﾁｪｯｸ", 60, 10580, 860, 300},
        // The left column: clears, lock, counters.
        {&lblClear, "クリア", 40, 1290, 760, 300},
        {&cmdClear01, "数字", 20, 1620, 780, 420},
        {&cmdClear02, "色", 20, 2100, 780, 420},
        {&cmdClear03, "ﾁｪｯｸ", 20, 2580, 780, 420},
        {&cmdClear04, "文字", 20, 3060, 780, 420},
        {&cmdLock, "ロック", 20, 3720, 780, 480},
        {&cmdKensyou, "検証", 20, 6700, 780, 480},
        {&cmdPattern, "パターン切替", CellLeft(10), 10560, 2100, 440},
        {&cmdMondai, "問題集", 7400, 40, 1560, 380},
        {&cmdGazou, "画像から読む", 9100, 40, 1050, 380, 8},
        {&cmdOpt01, "オプション", 60, 11400, 1300, 440},
        {&cmdPrint, "印刷", 1440, 11400, 900, 440},
        {&cmdEnd, "終了", 9100, 11400, 1050, 440},
        {&cmdHint, "ヒント", 20, 7300, 780, 480},
        {&cmdModosu, "戻す", 20, 7920, 780, 420},
        {&cmdYarinaosi, "やり直し", 20, 8400, 780, 420},
        // Under the palette: problems that come from elsewhere than a collection.
        {&cmdMondaiNiSuru, "問題にする", 9100, 8520, 1050, 420},
        {&cmdAtarasiiMondai, "新しい問題", 9100, 9000, 1050, 420},
        {&cmdTudukikara, "続きから", 9100, 9480, 1050, 420},
        {&chkKouho, "候補", 9100, 7500, 1050, 420},
        {&cmdKouhoSaikeisan, "候補を再計算", 9100, 7980, 1050, 420, 8},
        {&lblSetCountHead, "入力数", 40, 4460, 760, 300},
        {&lblSetCount, "", 40, 4760, 740, 300},
        {&lblMasuSuuHead, "マス数", 40, 5160, 760, 300},
        {&lblMasuSuu, "", 40, 5460, 740, 300},
        {&lblNanido, "難易度", 40, 5860, 760, 300},
        {&txtNanido, "", 40, 6160, 740, 340},
        {&lblOsirase, "", 20, 8940, 780, 1400},
        // The top band: the problem number as typed, then the storage number it was loaded
        // from, and the collection file.
        {&txtMondaiMemo, "問題の説明文章 漢字25文字以内", 4140, 745, 4820, 340},
        {&lblMondaiNumHead, "問題番号", 930, 785, 800, 300},
        {&lblMondaiNum, "", 3570, 765, 450, 300},
        {&lblKakunou, "格納番号", 2760, 785, 800, 300},
        {&txtQuestion, "", 1740, 745, 480, 340},
        {&txtQuestion2, "", 2230, 745, 400, 340},
        {&lblMondaiFile, "右のボタンを押して問題集ファイルを選択してください。", 930, 80, 6300, 300},
        {&lblFileName, "問題集ファイルのパス", 930, 430, 8030, 300},
        {&lblNaname, "対角ナンプレの制御に使用しています。==>", 2500, 11060, 4200, 300},
        {&cmdNaname01, "対角X", 6750, 11000, 900, 400},
        {&txtNaname01, "", 7680, 11020, 500, 360},
        {&cmdNaname02, "対角/", 8250, 11000, 900, 400},
        {&txtNaname02, "", 9180, 11020, 500, 360},
    };
    ui::LayOut(rows);
    // The grid numbers: small grey digits, placed when the pattern is known.
    for (int i = 1; i <= kGridLabelCount; ++i) {
        lblBan(i).setAlignment(ui::Alignment::Center);
        lblBan(i).setForeColor(0x505050);
        lblBan(i).setVisible(false);
    }

    cmdLock.setBackColor(0x00FF00);
    ui::SetBackColor({&lblFileName, &lblMondaiNum, &lblSetCount, &lblMasuSuu}, ui::kWhite);
    chkKouho.setBackColor(kBackColor);
    for (ui::Label* count : {&lblMondaiNum, &lblSetCount, &lblMasuSuu}) count->setAlignment(ui::Alignment::Right);
    txtNanido.setAlignment(ui::Alignment::Right);
    // Undo and redo are no puzzle state of their own; 続きから shows only when there is a kept board.
    for (ui::CommandButton* b : {&cmdModosu, &cmdYarinaosi}) b->setJournaled(false);
    cmdTudukikara.setVisible(false);
    // The shortcuts, where the mouse finds them.
    cmdHint.setToolTip("次の一手を説明します（Ctrl+H、適用は Ctrl+Enter）");
    cmdKensyou.setToolTip("盤面を調べます（Ctrl+E）");
    cmdHantei123.setToolTip("自動で判定を進めます（Ctrl+J）");
    cmdGazou.setToolTip("画像の盤を読み取ります（コピーした画像は Ctrl+V でも）");
    chkKouho.setToolTip("候補を小さく表示します（Ctrl+K）。Shift+数字か右クリックで候補を外す・戻す");
}

void frmAllGamen::connectEvents() {
    for (int c = 0; c <= kBoardCells; ++c) {
        text1(c).onKeyPress = [this, c](int& key) { text1_KeyPress(c, key); };
        text1(c).onKeyUp = [this, c](int key) { text1_KeyUp(c, key); };
        text1(c).onKeyDown = [this, c](int& key, int shift) { text1_KeyDown(c, key, shift); };
        text1(c).onMouseDown = [this, c](int button, int shift, int x, int y) { text1_MouseDown(c, button, shift, x, y); };
    }
    lblSetCount.onChange = [this] { lblSetCount_Change(); };
    cmdClear01.onClick = [this] { cmdClear01_Click(); };
    cmdClear02.onClick = [this] { cmdClear02_Click(); };
    cmdClear03.onClick = [this] { cmdClear03_Click(); };
    cmdClear04.onClick = [this] { cmdClear04_Click(); };
    cmdLock.onClick = [this] { cmdLock_Click(); };
    cmdKensyou.onClick = [this] { cmdKensyou_Click(); };
    for (int d = 1; d <= 9; ++d) cmdHantei(d).onClick = [this, d] { cmdHantei_Click(d); };
    for (int i = 1; i <= 3; ++i) cmdHanteiA(i).onClick = [this, i] { cmdHanteiA_Click(i); };
    cmdHantei123.onClick = [this] { cmdHantei123_Click(); };
    cmdPattern.onClick = [this] { cmdPattern_Click(); };
    cmdOpt01.onClick = [this] { cmdOpt01_Click(); };
    cmdMondai.onClick = [this] { cmdMondai_Click(); };
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    cmdEnd.onClick = [this] { cmdEnd_Click(); };
    cmdHint.onClick = [this] { cmdHint_Click(); };
    cmdModosu.onClick = [this] { cmdModosu_Click(); };
    cmdYarinaosi.onClick = [this] { cmdYarinaosi_Click(); };
    cmdMondaiNiSuru.onClick = [this] { cmdMondaiNiSuru_Click(); };
    cmdTudukikara.onClick = [this] { cmdTudukikara_Click(); };
    cmdAtarasiiMondai.onClick = [this] { cmdAtarasiiMondai_Click(); };
    cmdGazou.onClick = [this] { cmdGazou_Click(); };
    chkKouho.onClick = [this] { chkKouho_Click(); };
    cmdKouhoSaikeisan.onClick = [this] { cmdKouhoSaikeisan_Click(); };
}

void frmAllGamen::registerOperations() {
    addOperation("PLineClear", [this] { PLineClear(); });
    addOperation("cmdClear01_Click", [this] { cmdClear01_Click(); });
    addOperation("Omedetou", [this] { Omedetou(); });
    addOperation("Double_Check01", [this](int d) {
        if (d < 1 || d > 9) throw std::out_of_range("a digit is 1..9, not " + std::to_string(d));
        Double_Check01(d);
    });
    addOperation("PLine", [this] { PLine(); });
    addOperation("lblMasuSuu_CountSet", 0, [this](const std::vector<int64_t>&) {
        int16_t n = 0;
        lblMasuSuu_CountSet(n);
        return std::vector<int64_t>{n};
    });
    addOperation("lblSetCount_CountSet", 0, [this](const std::vector<int64_t>&) {
        int16_t n = 0;
        lblSetCount_CountSet(n);
        return std::vector<int64_t>{n};
    });
}

}  // namespace board
