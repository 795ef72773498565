#include "collection/frmMondai.h"

#include <climits>
#include <filesystem>

#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "puzzle/GridPosition.h"
#include "ui/Layout.h"
#include "ui/Value.h"

namespace collection {
namespace {

constexpr ui::Color kBackColor = 0xC0FFFF;

}  // namespace

int SnapUp(int v, int max) {
    int top = std::min(max, kLastStorageNumber);
    if (top % 2 == 0) --top;
    int snapped = 2 * (v >= 0 ? v / 2 : (v - 1) / 2) + 1;
    return std::max(1, std::min(snapped, top));
}

int SnapDown(int v) { return v > 2 ? 2 * (v / 2) - 1 : 1; }

frmMondai::frmMondai(program::Program& program)
    : ui::Form("frmMondai"), program_(program), cmn(program.cmn()) {
    setCaption("モゼル問題集");
    setBackColor(kBackColor);
    setWidth(6360);
    setHeight(2900);
    layOutControls();
    connectEvents();
    addOperation("Command1_Click", [this] { Command1_Click(); });
    addOperation("Command2_Click", [this] { Command2_Click(); });
    addOperation("MondaiCount", 0, [this](const std::vector<int64_t>&) {
        auto path = CollectionPath();
        return std::vector<int64_t>{path ? MondaiCount(*path) : 0};
    });
}

void frmMondai::layOutControls() {
    const ui::LayoutRow rows[] = {
        {&btnOPNFile, "問題集ファイルの選択", 120, 120, 2700, 420},
        {&Command3, "戻る", 5040, 120, 1080, 420},
        {&Label2, "ファイル名：", 120, 720, 1100, 300},
        {&Text2, "上のボタンを押して問題集ファイルを選択してください。", 1220, 660, 4900, 360},
        {&Label1, "格納番号", 120, 1300, 900, 300},
        {&Text1, "1", 1020, 1240, 600, 360},
        {&UpDown1, "", 1620, 1240, 270, 360},
        {&Label3, "を指定して", 1980, 1300, 1000, 300},
        {&Command1, "読み込み", 3000, 1210, 1300, 420},
        {&cmdBeforeRead, "<", 4440, 1210, 780, 420},
        {&cmdNextRead, ">", 5340, 1210, 780, 420},
        {&label4, "追加格納番号", 120, 1880, 1200, 300},
        {&Text3, "9", 1320, 1820, 600, 360},
        {&UpDown2, "", 1920, 1820, 270, 360},
        {&Label5, "で", 2280, 1880, 400, 300},
        {&Command2, "書き込み", 3000, 1790, 1300, 420},
        {&Label6, "注意：問題の格納番号は、奇数のみ有効です。", 120, 2460, 6000, 300},
    };
    ui::LayOut(rows);
    ui::SetBackColor({&Label2, &Label1, &Label3, &label4, &Label5, &Label6}, kBackColor);
    Text1.setAlignment(ui::Alignment::Right);
    Text3.setAlignment(ui::Alignment::Right);
    UpDown1.setBuddy(&Text1);
    UpDown2.setBuddy(&Text3);
    for (ui::UpDown* spinner : {&UpDown1, &UpDown2}) {
        spinner->setMin(1);
        spinner->setMax(kLastRecord);
    }
}

void frmMondai::connectEvents() {
    btnOPNFile.onClick = [this] { btnOPNFile_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    UpDown1.onUpClick = [this] { UpDown1_UpClick(); };
    UpDown1.onDownClick = [this] { UpDown1_DownClick(); };
    UpDown2.onUpClick = [this] { UpDown2_UpClick(); };
    UpDown2.onDownClick = [this] { UpDown2_DownClick(); };
    Command1.onClick = [this] { Command1_Click(); };
    cmdBeforeRead.onClick = [this] { cmdBeforeRead_Click(); };
    cmdNextRead.onClick = [this] { cmdNextRead_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void frmMondai::Form_Load() {
    std::string path = (std::filesystem::path(program_.platform().ProgramFolder()) / kDefaultCollection).string();
    CommonDialog1.FileName = path;
    Text2.setText(path);
    program_.frmAllGamen().lblFileName.setCaption(path);
    int64_t n = MondaiCount(path);
    ShowCount(n);
    UpDown1.setMax(static_cast<int>(std::max<int64_t>(1, std::min<int64_t>(2 * n - 1, kLastRecord))));
    UpDown2.setMax(kLastRecord);
}

int64_t frmMondai::MondaiCount(const std::string& path) {
    FileError error;
    auto file = CollectionFile::Open(path, &error);
    if (!file) {
        FileMessage("を開けませんでした", path, error);
        return 0;
    }
    // Opening the collection is the moment to clear away what killed saves left behind.
    file->RemoveStaleTemporaries();
    if (std::int64_t cut = file->TrailingBytes(); cut > 0) {
        int record = static_cast<int>(std::min<std::int64_t>(file->RecordCount() + 1, INT32_MAX));
        int n = record % 2 == 1 ? record : record - 1;
        program_.dialogs().MsgBox("問題集ファイルが、記録の途中で終わっています（格納番号 " + std::to_string(n) + " の" +
                                      puzzle::GridName(record % 2 == 1 ? 1 : 2) + "、255バイトのうち " + std::to_string(cut) +
                                      " バイト）。\nこの記録は読み込めません。\nファイル：" + path,
                                  ui::MsgIcon::Exclamation);
    }
    return (file->RecordCount() + 1) / 2;
}

std::string frmMondai::Resolve(const std::string& name) {
    // A relative name lies in the program's folder, not wherever the program was started.
    std::filesystem::path path(name);
    if (!name.empty() && path.is_relative()) path = std::filesystem::path(program_.platform().ProgramFolder()) / path;
    return path.string();
}

std::optional<std::string> frmMondai::CollectionPath() {
    // A box of blanks names no file at all.
    const std::string& text = Text2.text();
    if (text.find_first_not_of(' ') == std::string::npos) {
        program_.dialogs().MsgBox("問題集ファイルを選択してください。", ui::MsgIcon::Exclamation);
        return std::nullopt;
    }
    return Resolve(text);
}

void frmMondai::ShowCount(int64_t n) {
    Text1.setText(std::to_string(n > 0 ? 2 * n - 1 : 0));
    Text3.setText(std::to_string(n > 0 ? 2 * n + 1 : 1));
}

void frmMondai::btnOPNFile_Click() {
    // A cancelled Open box leaves the file as it was, for loading as for writing.
    auto answer = program_.dialogs().OpenFile(Text2.text(), "");
    if (!answer) return;
    const std::string chosen = Resolve(*answer);
    CommonDialog1.FileName = chosen;
    Text2.setText(chosen);
    program_.frmMozelAuto().lblMondaiFile.setCaption(chosen);
    int64_t n = MondaiCount(chosen);
    ShowCount(n);
    UpDown1.setMax(static_cast<int>(std::max<int64_t>(1, std::min<int64_t>(2 * n - 1, kLastRecord))));
    UpDown2.setMax(kLastRecord);
}

void frmMondai::UpDown1_UpClick() { Text1.setText(std::to_string(SnapUp(static_cast<int>(ui::Fix(ui::Val(Text1.text()))), UpDown1.max()))); }

void frmMondai::UpDown1_DownClick() { Text1.setText(std::to_string(SnapDown(static_cast<int>(ui::Fix(ui::Val(Text1.text())))))); }

void frmMondai::UpDown2_UpClick() { Text3.setText(std::to_string(SnapUp(static_cast<int>(ui::Fix(ui::Val(Text3.text()))), UpDown2.max()))); }

void frmMondai::UpDown2_DownClick() { Text3.setText(std::to_string(SnapDown(static_cast<int>(ui::Fix(ui::Val(Text3.text())))))); }

void frmMondai::cmdBeforeRead_Click() {
    auto n = WholeNumber(Text1, "格納番号");
    if (!n) return;
    Text1.setText(std::to_string(std::max(*n - 2, 1)));
    // Grid 1's window starts anew too, once the problem has been read.
    Load(CommonDialog1.FileName, true);
}

void frmMondai::cmdNextRead_Click() {
    auto n = WholeNumber(Text1, "格納番号");
    if (!n) return;
    Text1.setText(std::to_string(*n + 2));
    // Grid 1's window starts anew too, once the problem has been read.
    Load(CommonDialog1.FileName, true);
}

void frmMondai::Command3_Click() { Unload(); }

std::optional<int16_t> frmMondai::WholeNumber(const ui::TextBox& box, const char* what) {
    const std::string& text = box.text();
    if (ui::IsNumeric(text)) {
        double v = ui::Val(text);
        if (v == ui::Fix(v) && v >= -32768 && v <= 32767) return static_cast<int16_t>(v);
    }
    program_.dialogs().MsgBox(std::string(what) + "「" + text + "」は、整数ではありません。1から89までの奇数を入力してください。",
                              ui::MsgIcon::Exclamation);
    return std::nullopt;
}

void frmMondai::FileMessage(const char* what, const std::string& path, const FileError& error) {
    program_.dialogs().MsgBox("問題集ファイル" + std::string(what) + "。\nファイル：" + path + "\n理由：" + ReasonText(error),
                              ui::MsgIcon::Exclamation);
}

}  // namespace collection
