// Loading a problem from the collection onto the board and both grid windows, and writing the
// board's problem into the collection.
#include <climits>
#include <cmath>

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

void frmMondai::Load(const std::string& fileName) {
    // Placed as the board places every problem (frmAllGamen_Problem.cpp), record by record.
    cmn.OmedetouZumi = 0;
    program_.frmKouho();
    auto& grid1 = program_.frmMozelAuto();
    auto& board = program_.frmAllGamen();
    auto number = WholeNumber(Text1, "格納番号");
    if (!number) return;
    const int N = *number;
    if (N < 1) {
        program_.dialogs().MsgBox("問題集ファイル、または、格納番号を正しく指定してください。", ui::MsgIcon::Information);
        return;
    }

    std::optional<CollectionFile> file;
    std::optional<DecodedProblem> problem;
    MondaiRec second;
    bool hasSecond = false;
    if (N <= kLastRecord) {
        if (N % 2 == 1) {
            board.ClearForProblem();
            Text1.setText(std::to_string(N));
        }
        if (fileName.empty()) return;
        const std::string path = Resolve(fileName);
        board.lblFileName.setCaption(path);
        FileError error;
        file = CollectionFile::Open(path, &error);
        MondaiRec rec;
        auto status = file ? file->Read(N, rec, &error) : CollectionFile::ReadStatus::Failed;
        if (!file) {
            FileMessage("を開けませんでした", path, error);
        } else if (status == CollectionFile::ReadStatus::Failed) {
            FileMessage("を読み込めませんでした", path, error);
            file.reset();
        } else if (status == CollectionFile::ReadStatus::PastEnd) {
            program_.dialogs().MsgBox("この問題集には、これ以上の問題は存在しません。", ui::MsgIcon::Information);
            Text1.setText(std::to_string(N - 2));
        } else {
            hasSecond = N + 1 <= kLastRecord && file->Read(N + 1, second) == CollectionFile::ReadStatus::Ok;
            problem = DecodeProblem(rec, hasSecond ? &second : nullptr);
            if (!problem) {
                program_.dialogs().MsgBox("格納番号" + std::to_string(N) + "は、モゼルダブルの問題では、ありません。",
                                          ui::MsgIcon::Information);
            } else {
                board.ShowProblemPattern(problem->board.pattern);
                PlaceRecord(problem->givens[0], grid1);
                board.ShowProblemTexts({problem->number, problem->notes.question, problem->notes.question2,
                                        problem->notes.memo, std::nullopt});
                board.SetDiagonal(problem->board.diagonal);
            }
        }
    }

    auto& grid2 = program_.frmMozelAuto2();
    if (N + 1 <= kLastRecord) {
        board.EmptyGridWindow(2);
        // A missing B record (past the end) leaves grid 2 empty. After a first record that is no
        // problem the second is placed in the pattern the board keeps.
        if (problem) {
            if (hasSecond) PlaceRecord(problem->givens[1], grid2);
        } else if (file && file->Read(N + 1, second) == CollectionFile::ReadStatus::Ok && puzzle::IsPattern(cmn.PatternNo)) {
            PlaceRecord(GivensOf(second, cmn.PatternNo), grid2);
        }
    }
    file.reset();
    board.FinishProblem();
    // An odd number loads one stored problem; an even one reads across two, where the checks
    // of a problem's records do not apply.
    if (problem && N % 2 == 1) ReportFindings(*problem, N);
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

std::optional<std::array<MondaiRec, 2>> frmMondai::BuildRecords(int s) {
    auto& board = program_.frmAllGamen();
    const state::PuzzleState& current = program_.state();
    puzzle::DoubleBoard problem;
    problem.pattern = cmn.PatternNo;
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= puzzle::kGridCells; ++k)
            problem.set(g, k, StoredDigit(current.cellText(cmn.GridMasu[cmn.PatternNo][g][k])));
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
    // Both records are encoded before anything is written.
    auto records = BuildRecords(s);
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
    program_.frmMozelAuto().btnSpace_Click();
    Text1.setText(std::to_string(s));
    Text3.setText(std::to_string(s + 2));
    // The problem just written is read back from the file it went to, however it was named.
    Load(path);
    UpDown1.setMax(UpDown1.max() + 2);
    UpDown2.setMax(UpDown2.max() + 2);
}

}  // namespace collection
