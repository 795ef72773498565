// The problem collection window: choosing a collection file, the storage number to load (with
// previous and next) and the storage number under which the board's problem is written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "collection/CollectionFile.h"
#include "collection/MondaiRec.h"
#include "collection/ProblemCodec.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"

namespace program { class Program; }
namespace board { struct cmnMod01; }
namespace grid { class frmMozelAuto; }

namespace collection {

// The default collection, in the program's folder.
constexpr const char* kDefaultCollection = "問題01.txt";

// The file dialog: the file a load reads.
struct CommonDialog {
    std::string FileName;
};

class frmMondai : public ui::Form {
public:
    explicit frmMondai(program::Program& program);

    ui::CommandButton btnOPNFile{*this, "btnOPNFile"};
    ui::CommandButton Command3{*this, "Command3"};
    ui::Label Label2{*this, "Label2"};
    ui::TextBox Text2{*this, "Text2"};
    ui::Label Label1{*this, "Label1"};
    ui::TextBox Text1{*this, "Text1"};
    ui::UpDown UpDown1{*this, "UpDown1"};
    ui::Label Label3{*this, "Label3"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::CommandButton cmdBeforeRead{*this, "cmdBeforeRead"};
    ui::CommandButton cmdNextRead{*this, "cmdNextRead"};
    ui::Label label4{*this, "label4"};
    ui::TextBox Text3{*this, "Text3"};
    ui::UpDown UpDown2{*this, "UpDown2"};
    ui::Label Label5{*this, "Label5"};
    ui::CommandButton Command2{*this, "Command2"};
    ui::Label Label6{*this, "Label6"};

    CommonDialog CommonDialog1;

    void Form_Load() override;
    void btnOPNFile_Click();
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    void UpDown2_UpClick();
    void UpDown2_DownClick();
    void cmdBeforeRead_Click();
    void cmdNextRead_Click();
    void Command3_Click();

    // Loading and saving a problem.
    void Command1_Click();
    void Command2_Click();

    // The number of problems in the collection at path; 0 (after a message naming the file
    // and the reason) when it cannot be opened.
    int64_t MondaiCount(const std::string& path);

private:
    // A file name as the user gave it, a relative one taken in the program's folder: the one
    // place where a name becomes the file that is counted, loaded and written.
    std::string Resolve(const std::string& name);
    // The file the path box names; nothing (after a message) when the box holds only blanks.
    std::optional<std::string> CollectionPath();
    void layOutControls();
    void connectEvents();
    // Text1 and Text3 after counting a collection of n problems.
    void ShowCount(int64_t n);
    // The whole number a box holds, within the 16-bit range; a message naming the box and
    // nothing otherwise.
    std::optional<int16_t> WholeNumber(const ui::TextBox& box, const char* what);

    // Loading: the problem at the storage number in Text1, from the named file; grid 1's window
    // is emptied first when asked (previous, next, after a write). Nothing changes on the board
    // or in the grid windows unless the problem has been read.
    void Load(const std::string& fileName, bool emptyGrid1 = false);
    void PlaceRecord(const RecordGivens& givens, grid::frmMozelAuto& window);
    // Says what the checks found in the records of the problem loaded from storage number n.
    void ReportFindings(const DecodedProblem& problem, int n);
    // Saving: asks before a write into a file that is not a collection or over a stored
    // problem; false when the user says no or the file cannot be looked at.
    bool MayWrite(const std::string& path, int s, Survey& survey);
    // Saving: whether only the problem (the locked givens) is stored. The user is asked when the
    // board holds givens and digits of their own besides (the problem is the default); nothing
    // when they cancel.
    std::optional<bool> AskWhatToStore();
    // Saving: the two records of storage number s built from the board, its givens alone when
    // problemOnly; nothing after a message when a text cannot be stored.
    std::optional<std::array<MondaiRec, 2>> BuildRecords(int s, bool problemOnly);
    void CopyBoardToGrid(int g);
    void FileMessage(const char* what, const std::string& path, const FileError& error);

    program::Program& program_;
    board::cmnMod01& cmn;
};

// The box after a spinner step to v, snapped to an odd number: up 2*floor(v/2) + 1, down
// 2*floor(v/2) - 1 (1 at the bottom); never above the largest odd number within max, nor above
// the last storage number.
int SnapUp(int v, int max);
int SnapDown(int v);

}  // namespace collection
