#include "board/frmAllGamen.h"

#include "board/PatternTables.h"
#include "board/BoardLayout.h"
#include "program/Program.h"
#include "ui/StateBytes.h"

namespace board {

using namespace layout;

namespace {
const char* const kFullWidthDigits[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
}

frmAllGamen::frmAllGamen(program::Program& program)
    : ui::Form("frmAllGamen"), program_(program), cmn(program.cmn()) {
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
                  out << LockState << candidateDigit_;
                  return out.take();
              },
              [this](std::string_view bytes) { ui::StateReader(bytes) >> LockState >> candidateDigit_; }});
    journalToken_ = program_.journal().changed.connect([this] { ShowUndoState(); });
    ShowUndoState();
}

frmAllGamen::~frmAllGamen() { program_.journal().changed.disconnect(journalToken_); }

void frmAllGamen::layOutControls() {
    // Board cells; cell 0 sits outside the board and is never shown.
    text1(0).setBounds(60, 60, kCellSize, kCellSize);
    text1(0).setVisible(false);
    for (int c = 1; c <= kBoardCells; ++c) {
        text1(c).setBounds(CellLeft(BoardColumn(c)), CellTop(BoardRow(c)), kCellSize, kCellSize);
        text1(c).setAlignment(ui::Alignment::Center);
    }
    Surface.setBounds(0, 0, kWindowWidth, kWindowHeight);

    // Top band: problem file, problem number and description, notices.
    lblMondaiFile.setCaption("右のボタンを押して問題集ファイルを選択してください。");
    lblMondaiFile.setBounds(930, 80, 6300, 300);
    cmdMondai.setCaption("問題集");
    cmdMondai.setBounds(7400, 40, 1560, 380);
    lblFileName.setCaption("問題集ファイルのパス");
    lblFileName.setBackColor(ui::kWhite);
    lblFileName.setBounds(930, 470, 8030, 300);
    lblMondaiNumHead.setCaption("問題番号");
    lblMondaiNumHead.setBounds(930, 880, 800, 300);
    txtQuestion.setBounds(1740, 840, 480, 340);
    txtQuestion2.setBounds(2230, 840, 400, 340);
    // The problem number as typed, then the storage number it was loaded from.
    lblKakunou.setCaption("格納番号");
    lblKakunou.setBounds(2760, 880, 800, 300);
    lblMondaiNum.setBackColor(ui::kWhite);
    lblMondaiNum.setAlignment(ui::Alignment::Right);
    lblMondaiNum.setBounds(3570, 860, 450, 300);
    txtMondaiMemo.setText("問題の説明文章 漢字25文字以内");
    txtMondaiMemo.setBounds(4140, 840, 4820, 340);

    // Left column: clears, lock, counters.
    lblClear.setCaption("クリア");
    lblClear.setBounds(80, 1290, 800, 300);
    cmdClear01.setCaption("数字");
    cmdClear02.setCaption("色");
    cmdClear03.setCaption("ﾁｪｯｸ");
    cmdClear04.setCaption("文字");
    int y = 1620;
    for (ui::CommandButton* b : {&cmdClear01, &cmdClear02, &cmdClear03, &cmdClear04}) {
        b->setBounds(60, y, 800, 420);
        y += 480;
    }
    cmdLock.setCaption("ロック");
    cmdLock.setBackColor(0x00FF00);
    cmdLock.setBounds(60, 3720, 800, 480);
    lblSetCountHead.setCaption("入力数");
    lblSetCountHead.setBounds(80, 4460, 800, 300);
    lblSetCount.setBackColor(ui::kWhite);
    lblSetCount.setAlignment(ui::Alignment::Right);
    lblSetCount.setBounds(80, 4760, 760, 300);
    lblMasuSuuHead.setCaption("マス数");
    lblMasuSuuHead.setBounds(80, 5160, 800, 300);
    lblMasuSuu.setBackColor(ui::kWhite);
    lblMasuSuu.setAlignment(ui::Alignment::Right);
    lblMasuSuu.setBounds(80, 5460, 760, 300);
    lblNanido.setCaption("難易度");
    lblNanido.setBounds(80, 5860, 800, 300);
    txtNanido.setAlignment(ui::Alignment::Right);
    txtNanido.setBounds(80, 6160, 760, 340);
    cmdKensyou.setCaption("検証");
    cmdKensyou.setBounds(60, 6700, 800, 480);

    // Right column: the digit palette.
    lblInputMoji.setCaption("入力文字");
    lblInputMoji.setBounds(9100, 1290, 1050, 300);
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
    lblKuuhaku.setCaption("空白");
    lblKuuhaku.setBounds(9460, 1290 + 573 * 10, 700, 360);

    // Bottom band: judge buttons over their completion checks, then the other commands.
    for (int d = 1; d <= 9; ++d) {
        cmdHantei(d).setCaption(kFullWidthDigits[d]);
        cmdHantei(d).setBounds(CellLeft(d), 9950, kCellSize, 440);
        Check1(d).setBounds(CellLeft(d) + 130, 10440, 300, 300);
        Check1(d).setBackColor(kBackColor);
    }
    lblKanryou.setCaption("完了ﾁｪｯｸ");
    lblKanryou.setBounds(60, 10460, 860, 300);
    cmdHantei123.setCaption("自動123");
    cmdHantei123.setBounds(CellLeft(10), 9950, 1030, 440);
    cmdHanteiA(3).setCaption("自動判定");
    cmdHanteiA(3).setBounds(CellLeft(12), 9950, 1030, 440);
    cmdHanteiA(1).setCaption("判定A");
    cmdHanteiA(1).setBounds(CellLeft(14), 9950, 1030, 440);
    cmdHanteiA(2).setCaption("判定B");
    cmdHanteiA(2).setBounds(CellLeft(14), 10440, 1030, 440);

    cmdPattern.setCaption("パターン切替");
    cmdPattern.setBounds(CellLeft(10), 10440, 2100, 440);
    cmdOpt01.setCaption("オプション");
    cmdOpt01.setBounds(60, 11280, 1300, 440);
    cmdPrint.setCaption("印刷");
    cmdPrint.setBounds(1440, 11280, 900, 440);
    cmdEnd.setCaption("終了");
    cmdEnd.setBounds(9100, 11280, 1050, 440);
    cmdHint.setCaption("ヒント");
    cmdHint.setBounds(60, 7300, 800, 480);
    // The shortcuts, where the mouse finds them.
    cmdHint.setToolTip("次の一手を説明します（Ctrl+H、適用は Ctrl+Enter）");
    cmdKensyou.setToolTip("盤面を調べます（Ctrl+E）");
    cmdHantei123.setToolTip("自動で判定を進めます（Ctrl+J）");
    for (int d = 1; d <= 9; ++d) cmdHantei(d).setToolTip(std::to_string(d) + "の判定（Ctrl+" + std::to_string(d) + "）");
    chkKouho.setToolTip("候補を小さく表示します（Ctrl+K）。Shift+数字か右クリックで候補を外す・戻す");
    // Under ヒント: undo and redo, which are no puzzle state of their own, then the notice.
    cmdModosu.setCaption("戻す");
    cmdModosu.setBounds(60, 7920, 800, 420);
    cmdYarinaosi.setCaption("やり直し");
    cmdYarinaosi.setBounds(60, 8400, 800, 420);
    for (ui::CommandButton* b : {&cmdModosu, &cmdYarinaosi}) b->setJournaled(false);
    lblOsirase.setBounds(60, 8940, 820, 1400);
    // Under the palette: the candidates, then problems that come from elsewhere than a
    // collection.
    chkKouho.setCaption("候補");
    chkKouho.setBackColor(kBackColor);
    chkKouho.setBounds(9100, 7500, 1050, 420);
    cmdKouhoSaikeisan.setCaption("候補を再計算");
    cmdKouhoSaikeisan.setFontSize(8);
    cmdKouhoSaikeisan.setBounds(9100, 7980, 1050, 420);
    cmdMondaiNiSuru.setCaption("問題にする");
    cmdMondaiNiSuru.setBounds(9100, 8520, 1050, 420);
    cmdAtarasiiMondai.setCaption("新しい問題");
    cmdAtarasiiMondai.setBounds(9100, 9000, 1050, 420);
    cmdTudukikara.setCaption("続きから");
    cmdTudukikara.setBounds(9100, 9480, 1050, 420);
    cmdTudukikara.setVisible(false);

    lblNaname.setCaption("対角ナンプレの制御に使用しています。==>");
    lblNaname.setBounds(2500, 10940, 4200, 300);
    cmdNaname01.setCaption("対角X");
    cmdNaname01.setBounds(6750, 10880, 900, 400);
    txtNaname01.setBounds(7680, 10900, 500, 360);
    cmdNaname02.setCaption("対角/");
    cmdNaname02.setBounds(8250, 10880, 900, 400);
    txtNaname02.setBounds(9180, 10900, 500, 360);
}

void frmAllGamen::connectEvents() {
    for (int c = 0; c <= kBoardCells; ++c) {
        text1(c).onKeyPress = [this, c](int& key) { text1_KeyPress(c, key); };
        text1(c).onKeyUp = [this, c](int key) { text1_KeyUp(c, key); };
        text1(c).onKeyDown = [this, c](int& key, int shift) { text1_KeyDown(c, key, shift); };
        text1(c).onChange = [this, c] { text1_Change(c); };
        text1(c).onCandidatesChange = [this, c] { text1_CandidatesChange(c); };
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
