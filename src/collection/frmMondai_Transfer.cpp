// Loading a problem from the collection onto the board and both grid windows, and writing the
// board's problem into the collection.
#include <climits>
#include <cmath>
#include <set>

#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "collection/ProblemCodec.h"
#include "collection/ShiftJis.h"
#include "collection/frmMondai.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "puzzle/OverlapPatterns.h"
#include "ui/Value.h"

namespace collection {
namespace {

constexpr int kBoardCells = 225;

// The difficulty as stored: the whole part of a numeric text, else "3".
std::string NanidoText(const std::string& text) {
    if (text.empty() || text == "  " || !ui::IsNumeric(text)) return "3";
    double v = ui::Fix(ui::Val(text));
    if (std::fabs(v) >= 1e15) return "3";
    return std::to_string(static_cast<long long>(v));
}

// A board cell as stored: its digit when the text reads as a whole number 1..9 (blanks around
// it, as typing leaves them, ignored), else 0 (empty).
int StoredDigit(const std::string& text) {
    if (!ui::IsNumeric(text)) return 0;
    double v = ui::Val(text);
    if (v < 1 || v > 9 || v != ui::Fix(v)) return 0;
    return static_cast<int>(v);
}

// The field of the main window a record field comes from, for messages.
const char* FieldName(const std::string& field) {
    if (field == "Memo") return "問題の説明";
    if (field == "Question" || field == "Question2") return "問題番号";
    if (field == "Nanido") return "難易度";
    return "盤面のマス";
}

}  // namespace

void frmMondai::PlaceRecord(const RecordGivens& givens, grid::frmMozelAuto& window) {
    // The record's letter said whose board cells it fills; the window is the one loading it.
    program_.frmAllGamen().PlaceGivens(window, givens.cells, givens.digits);
}

void frmMondai::ReportFindings(const DecodedProblem& problem, int n) {
    if (problem.findings.empty()) return;
    std::string text = "格納番号 " + std::to_string(n) + " の問題の記録:";
    bool clash = false;
    for (const Finding& f : problem.findings) {
        text += "\n" + FindingText(f, n, problem.board.pattern) + "。";
        clash = clash || f.kind == Finding::Kind::Clash;
    }
    if (clash) text += "\n重なるマスには、グリッド2の記録のとおりに置きました。";
    program_.dialogs().MsgBox(text, ui::MsgIcon::Exclamation);
}

void frmMondai::Command1_Click() { Load(CommonDialog1.FileName); }

void frmMondai::Load(const std::string& fileName, bool emptyGrid1) {
    auto number = WholeNumber(Text1, "格納番号");
    if (!number) return;
    const int N = *number;
    if (N < 1) {
        program_.dialogs().MsgBox("問題集ファイル、または、格納番号を正しく指定してください。", ui::MsgIcon::Information);
        return;
    }
    // What every load that goes ahead does first.
    auto prepare = [&] {
        if (emptyGrid1) program_.frmMozelAuto().btnSpace_Click();
        cmn.OmedetouZumi = 0;
        program_.frmKouho();
    };
    if (N > kLastRecord) {
        // Nothing to read: the board is only brought up to date, as after every load.
        prepare();
        program_.frmAllGamen().FinishProblem();
        return;
    }
    if (fileName.empty()) return;

    // Both records are read before anything on the board changes: a load that fails leaves
    // the board and the grid windows as they were.
    const std::string path = Resolve(fileName);
    FileError error;
    std::optional<CollectionFile> file = CollectionFile::Open(path, &error);
    if (!file) return FileMessage("を開けませんでした", path, error);
    MondaiRec first;
    switch (file->Read(N, first, &error)) {
        case CollectionFile::ReadStatus::Failed: return FileMessage("を読み込めませんでした", path, error);
        case CollectionFile::ReadStatus::PastEnd:
            program_.dialogs().MsgBox("この問題集には、これ以上の問題は存在しません。", ui::MsgIcon::Information);
            Text1.setText(std::to_string(N - 2));
            return;
        case CollectionFile::ReadStatus::Ok: break;
    }
    MondaiRec second;
    const bool hasSecond = N + 1 <= kLastRecord && file->Read(N + 1, second) == CollectionFile::ReadStatus::Ok;
    file.reset();
    std::optional<DecodedProblem> problem = DecodeProblem(first, hasSecond ? &second : nullptr);
    if (!problem) {
        program_.dialogs().MsgBox("格納番号" + std::to_string(N) + "は、モゼルダブルの問題では、ありません。",
                                  ui::MsgIcon::Information);
        return;
    }

    // Placed as the board places every problem (frmAllGamen_Problem.cpp), record by record.
    prepare();
    auto& board = program_.frmAllGamen();
    if (N % 2 == 1) {
        board.ClearForProblem();
        Text1.setText(std::to_string(N));
    }
    board.lblFileName.setCaption(path);
    board.ShowProblemPattern(problem->board.pattern);
    PlaceRecord(problem->givens[0], program_.frmMozelAuto());
    board.ShowProblemTexts({problem->number, problem->notes.question, problem->notes.question2, problem->notes.memo,
                            std::nullopt});
    board.SetDiagonal(problem->board.diagonal);
    if (N + 1 <= kLastRecord) {
        // A missing B record (past the end) leaves grid 2 empty.
        board.EmptyGridWindow(2);
        if (hasSecond) PlaceRecord(problem->givens[1], program_.frmMozelAuto2());
    }
    board.FinishProblem();
    // An odd number loads one stored problem; an even one reads across two, where the checks
    // of a problem's records do not apply.
    if (N % 2 == 1) ReportFindings(*problem, N);
}

bool frmMondai::MayWrite(const std::string& path, int s, Survey& survey) {
    FileError error;
    auto found = SurveyCollection(path, s, &error);
    if (!found) {
        FileMessage("を開けませんでした", path, error);
        return false;
    }
    survey = *found;
    // A record cut short at the end would be padded to look whole: the write refuses it, and
    // says so before asking anything.
    if (survey.trailingBytes > 0 && s > survey.records + 1) {
        FileMessage("に書き込めませんでした", path,
                    FileError{FileError::Stage::Cut, 0, static_cast<int>(std::min<std::int64_t>(survey.records + 1, INT32_MAX))});
        return false;
    }
    const std::vector<std::string> yesNo{"はい", "いいえ"};
    if (survey.exists && !survey.looksLikeCollection) {
        std::string why = survey.trailingBytes > 0 ? "長さが 255 バイトの記録の倍数ではありません"
                                                   : "モゼルダブルの問題ではない記録があります";
        return program_.dialogs().Ask("「" + path + "」は、問題集ファイルではないようです（" + why +
                                          "）。\n書き込むと、このファイルの中身が書き換わります。書き込みますか？",
                                      ui::MsgIcon::Question, yesNo, 1) == 0;
    }
    if (survey.storedA && HoldsProblem(*survey.storedA)) {
        MondaiRec stored = Unpack(*survey.storedA);
        std::string memo = FromShiftJis(stored.Memo);
        memo.erase(memo.find_last_not_of(' ') + 1);
        std::string named = memo.empty() ? "説明のない問題" : "問題「" + memo + "」";
        return program_.dialogs().Ask("格納番号 " + std::to_string(s) + " には、" + named +
                                          "が入っています。\n書き込む問題で置き換えますか？",
                                      ui::MsgIcon::Question, yesNo, 1) == 0;
    }
    return true;
}

std::optional<bool> frmMondai::AskWhatToStore() {
    const state::PuzzleState& current = program_.state();
    // Board cells of the pattern that hold a digit, givens and the user's own.
    std::set<int> givens, entries;
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= puzzle::kGridCells; ++k) {
            const int c = cmn.GridMasu[cmn.PatternNo][g][k];
            if (StoredDigit(current.cellText(c)) != 0) (current.cellLocked(c) ? givens : entries).insert(c);
        }
    }
    if (givens.empty() || entries.empty()) return false;
    const std::string text = "盤面には、問題の数字のほかに、入力した数字が " + std::to_string(entries.size()) +
                             " 個あります。\nどちらを書き込みますか？\n・問題だけ：問題の数字 " + std::to_string(givens.size()) +
                             " 個\n・盤面のまま：盤面の数字 " + std::to_string(givens.size() + entries.size()) + " 個すべて";
    switch (program_.dialogs().Ask(text, ui::MsgIcon::Question, {"問題だけ", "盤面のまま", "キャンセル"}, 0)) {
        case 0: return true;
        case 1: return false;
        default: return std::nullopt;
    }
}

std::optional<std::array<MondaiRec, 2>> frmMondai::BuildRecords(int s, bool problemOnly) {
    auto& board = program_.frmAllGamen();
    const state::PuzzleState& current = program_.state();
    puzzle::DoubleBoard problem;
    problem.pattern = cmn.PatternNo;
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= puzzle::kGridCells; ++k) {
            const int c = cmn.GridMasu[cmn.PatternNo][g][k];
            problem.set(g, k, problemOnly && !current.cellLocked(c) ? 0 : StoredDigit(current.cellText(c)));
        }
    }
    // The option window's check box notes the rule in the first record, the board's controls in
    // the second; the option window, made here when missing, first takes the board's rule.
    bool firstDiagonal = program_.frmOption01().chkTaikakusen.value() == 1;
    problem.diagonal = current.diagonal();
    ProblemNotes notes{NanidoText(board.txtNanido.text()), board.txtMondaiMemo.text(), board.txtQuestion.text(),
                       board.txtQuestion2.text()};
    EncodeError error;
    auto records = EncodeProblem(problem, s, notes, &error, firstDiagonal);
    if (!records) {
        program_.dialogs().MsgBox(std::string(FieldName(error.field)) + "に、問題集ファイルに保存できない文字「" +
                                      error.character + "」があります。\n書き換えてから、もう一度書き込んでください。",
                                  ui::MsgIcon::Exclamation);
    }
    return records;
}

void frmMondai::CopyBoardToGrid(int g) {
    auto& window = g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2();
    int k = 0;
    for (int c = 1; c <= kBoardCells; ++c) {
        int code = cmn.PatternMasu[cmn.PatternNo][c];
        if ((code == g || code == 3) && k <= 80) window.Text1(k++).setText(program_.state().cellText(c));
    }
}

void frmMondai::Command2_Click() {
    auto number = WholeNumber(Text3, "追加格納番号");
    if (!number) return;
    const int s = *number;
    if (s < 0 || s >= kLastRecord + 1) {
        program_.dialogs().MsgBox("問題の最大格納番号は、" + std::to_string(kLastRecord) + "です。");
        return;
    }
    // Record 0 does not exist, and an even number would split two stored problems.
    if (s == 0 || s % 2 == 0) {
        program_.dialogs().MsgBox("追加格納番号「" + std::to_string(s) + "」は使えません。1から89までの奇数を指定してください。",
                                  ui::MsgIcon::Exclamation);
        return;
    }
    if (!puzzle::IsPattern(cmn.PatternNo)) return;
    std::optional<bool> problemOnly = AskWhatToStore();
    if (!problemOnly) return;
    // Both records are encoded before anything is written.
    auto records = BuildRecords(s, *problemOnly);
    if (!records) return;
    auto named = CollectionPath();
    if (!named) return;
    const std::string& path = *named;
    Survey survey;
    if (!MayWrite(path, s, survey)) return;
    if (auto error = WriteProblem(path, s, (*records)[0], (*records)[1], &survey)) {
        FileMessage("に書き込めませんでした", path, *error);
        return;
    }
    program_.dialogs().MsgBox("格納番号 " + std::to_string(s) + " に問題を書き込みました。\nファイル：" + path,
                              ui::MsgIcon::Information);
    CopyBoardToGrid(1);
    CopyBoardToGrid(2);

    Refresh();
    Text1.setText(std::to_string(s));
    Text3.setText(std::to_string(s + 2));
    // The problem just written is read back from the file it went to, however it was named.
    Load(path, true);
    UpDown1.setMax(UpDown1.max() + 2);
    UpDown2.setMax(UpDown2.max() + 2);
}

}  // namespace collection
