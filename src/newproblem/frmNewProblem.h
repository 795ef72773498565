// The new-problem window (新しい問題): the pattern, the diagonal rule, the level in words and an
// optional seed; 作る makes the problem off the windows' thread, with a busy bar and 中止, and
// places it on the board as a loaded problem, its level and seed in the description so that
// the same problem can be made again (also with mozeldouble-solve --generate).
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "puzzle/Difficulty.h"
#include "puzzle/Generator.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"

namespace program { class Program; }

namespace newproblem {

// How long making one problem may take before the window gives up and says so.
constexpr std::chrono::milliseconds kTimeAllowed{20000};

class frmNewProblem : public ui::Form {
public:
    explicit frmNewProblem(program::Program& program);
    ~frmNewProblem() override;

    ui::Label lblPattern{*this, "lblPattern"};
    ui::TextBox txtPattern{*this, "txtPattern"};
    ui::UpDown udPattern{*this, "udPattern"};
    ui::CheckBox chkNaname{*this, "chkNaname"};
    ui::Label lblNanido{*this, "lblNanido"};
    // optNanido(0) is any level; 1..7 the levels from singles to forcing chains.
    ui::ControlArray<ui::OptionButton> optNanido{*this, "optNanido", 0, 7};
    ui::Label lblTane{*this, "lblTane"};
    ui::TextBox txtTane{*this, "txtTane"};
    ui::ProgressBar pbSagyou{*this, "pbSagyou"};
    ui::Label lblJoutai{*this, "lblJoutai"};
    ui::CommandButton cmdTukuru{*this, "cmdTukuru"};
    ui::CommandButton cmdTyuusi{*this, "cmdTyuusi"};
    ui::CommandButton cmdTojiru{*this, "cmdTojiru"};

    void Form_Load() override;
    void Form_Unload() override;
    void cmdTukuru_Click();
    void cmdTyuusi_Click();
    void cmdTojiru_Click();

    // The level the words chosen stand for; nothing for any level.
    std::optional<puzzle::Level> ChosenLevel() const;
    // How long one problem may take (kTimeAllowed; tests shorten it).
    void setTimeAllowed(std::chrono::milliseconds time) { timeAllowed_ = time; }

private:
    void layOutControls();
    // The request the controls describe, or nothing (after a message) when a box is wrong.
    std::optional<puzzle::GenerateRequest> Request();
    // The work is running: 作る off, 中止 and the busy bar on; or back.
    void ShowBusy(bool busy);
    // Shared with the work on the other thread.
    struct Job {
        std::atomic<bool> stop{false};
        std::optional<puzzle::GeneratedProblem> result;
        bool timedOut = false;
    };
    // Where the work's end finds the program, whether or not this window still exists.
    static void Finish(program::Program& program, const std::shared_ptr<Job>& job, const puzzle::GenerateRequest& request,
                       std::chrono::milliseconds allowed);

    std::shared_ptr<Job> job_;
    std::chrono::milliseconds timeAllowed_ = kTimeAllowed;
    program::Program& program_;
};

// The words of a level in the window, and the level number stored with a problem (1..7).
std::string LevelWords(std::optional<puzzle::Level> level);
int LevelNumber(puzzle::Level level);

}  // namespace newproblem
