#include "newproblem/frmNewProblem.h"

#include <chrono>

#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/LevelWords.h"
#include "ui/Layout.h"
#include "ui/Value.h"

namespace newproblem {
namespace {

constexpr ui::Color kBackColor = 0xE0FFE0;

}  // namespace

std::string LevelWords(std::optional<puzzle::Level> level) {
    if (!level) return "おまかせ（難しさを問わない）";
    const std::string word(puzzle::LevelWord(*level));
    switch (*level) {
        case puzzle::Level::Singles: return word + "（シングルだけで解ける）";
        case puzzle::Level::Locked: return word + "（ロックされた候補まで）";
        case puzzle::Level::Subsets: return word + "（ペア・トリプルまで）";
        case puzzle::Level::Fish: return word + "（X-ウィングなどの魚まで）";
        case puzzle::Level::Wings: return word + "（XY-ウィングなどまで）";
        case puzzle::Level::Chains: return word + "（チェーンまで）";
        case puzzle::Level::Guess: return word + "（強制チェーンが必要）";
    }
    return word;
}

int LevelNumber(puzzle::Level level) { return static_cast<int>(level) + 1; }

frmNewProblem::frmNewProblem(program::Program& program) : ui::Form("frmNewProblem"), program_(program) {
    setCaption("新しい問題");
    setBackColor(kBackColor);
    setWidth(5400);
    setHeight(5500);
    // Choosing the next problem is no step of the puzzle; placing it is.
    setJournaled(false);
    layOutControls();
    cmdTukuru.onClick = [this] { cmdTukuru_Click(); };
    cmdTyuusi.onClick = [this] { cmdTyuusi_Click(); };
    cmdTojiru.onClick = [this] { cmdTojiru_Click(); };
}

frmNewProblem::~frmNewProblem() {
    if (job_) job_->stop = true;
}

void frmNewProblem::layOutControls() {
    const ui::LayoutRow rows[] = {
        {&lblPattern, "パターン", 120, 170, 1100, 300},
        {&txtPattern, "", 1240, 120, 600, 360},
        {&udPattern, "", 1840, 120, 270, 360},
        {&chkNaname, "対角線ナンプレ", 2500, 150, 2700, 320},
        {&lblNanido, "難易度", 120, 640, 1100, 300},
        {&lblTane, "種（空欄なら毎回ちがう問題）", 120, 3680, 2900, 300},
        {&txtTane, "", 3060, 3630, 2100, 360},
        {&pbSagyou, "", 120, 4150, 5040, 240},
        {&lblJoutai, "", 120, 4440, 5040, 300},
        {&cmdTukuru, "作る", 120, 4900, 1500, 420},
        {&cmdTyuusi, "中止", 1800, 4900, 1500, 420},
        {&cmdTojiru, "閉じる", 3660, 4900, 1500, 420},
    };
    ui::LayOut(rows);
    // The levels, "any level" first.
    for (int i = 0; i <= 7; ++i) {
        std::optional<puzzle::Level> level;
        if (i > 0) level = static_cast<puzzle::Level>(i - 1);
        optNanido(i).setCaption(LevelWords(level));
        optNanido(i).setBackColor(kBackColor);
        optNanido(i).setBounds(360, 950 + 330 * i, 4800, 300);
    }
    txtPattern.setAlignment(ui::Alignment::Right);
    udPattern.setBuddy(&txtPattern);
    udPattern.setMin(1);
    udPattern.setMax(12);
    chkNaname.setBackColor(kBackColor);
    txtTane.setAlignment(ui::Alignment::Right);
    pbSagyou.setVisible(false);
    cmdTyuusi.setEnabled(false);
}

void frmNewProblem::Form_Load() {
    txtPattern.setText(std::to_string(program_.state().pattern()));
    chkNaname.setValue(program_.state().diagonal() ? 1 : 0);
    optNanido(0).setValue(true);
}

void frmNewProblem::Form_Unload() {
    if (job_) job_->stop = true;
}

std::optional<puzzle::Level> frmNewProblem::ChosenLevel() const {
    for (int i = 1; i <= 7; ++i) {
        if (optNanido(i).value()) return static_cast<puzzle::Level>(i - 1);
    }
    return std::nullopt;
}

std::optional<puzzle::GenerateRequest> frmNewProblem::Request() {
    puzzle::GenerateRequest request;
    const std::string& pattern = txtPattern.text();
    double p = ui::IsNumeric(pattern) ? ui::Val(pattern) : 0;
    if (p != ui::Fix(p) || p < 1 || p > 12) {
        program_.dialogs().MsgBox("パターン「" + pattern + "」は、1から12までの数ではありません。", ui::MsgIcon::Exclamation);
        return std::nullopt;
    }
    request.pattern = static_cast<int>(p);
    request.diagonal = chkNaname.value() == 1;
    request.level = ChosenLevel();
    const std::string& seed = txtTane.text();
    if (seed.find_first_not_of(' ') == std::string::npos) {
        // A new seed each time, from the program's random numbers (seeded from the clock).
        program_.platform().Randomize();
        request.seed = (static_cast<uint64_t>(program_.platform().Rnd() * 4294967296.0) << 20) ^
                       static_cast<uint64_t>(program_.platform().Rnd() * 1048576.0);
    } else {
        uint64_t value = 0;
        bool digits = true;
        std::size_t first = seed.find_first_not_of(' '), last = seed.find_last_not_of(' ');
        for (std::size_t i = first; i <= last && digits; ++i) {
            digits = seed[i] >= '0' && seed[i] <= '9' && value <= (UINT64_MAX - 9) / 10;
            if (digits) value = value * 10 + static_cast<uint64_t>(seed[i] - '0');
        }
        if (!digits) {
            program_.dialogs().MsgBox("種「" + seed + "」は、0以上の整数ではありません。空欄にすると自動で決めます。",
                                      ui::MsgIcon::Exclamation);
            return std::nullopt;
        }
        request.seed = value;
    }
    return request;
}

void frmNewProblem::ShowBusy(bool busy) {
    cmdTukuru.setEnabled(!busy);
    cmdTyuusi.setEnabled(busy);
    pbSagyou.setMin(0);
    pbSagyou.setMax(busy ? 0 : 100);
    pbSagyou.setVisible(busy);
}

void frmNewProblem::cmdTukuru_Click() {
    if (job_) return;  // one problem at a time
    std::optional<puzzle::GenerateRequest> request = Request();
    if (!request) return;
    auto job = std::make_shared<Job>();
    job_ = job;
    ShowBusy(true);
    lblJoutai.setCaption("問題を作っています…");
    const auto deadline = std::chrono::steady_clock::now() + timeAllowed_;
    const auto allowed = timeAllowed_;
    program::Program& program = program_;
    const puzzle::GenerateRequest asked = *request;
    program_.worker().Run(
        [job, asked, deadline] {
            job->result = puzzle::GenerateLeveled(asked, [job, deadline] {
                if (job->stop) return true;
                if (std::chrono::steady_clock::now() < deadline) return false;
                job->timedOut = true;
                return true;
            });
        },
        [&program, job, asked, allowed] { Finish(program, job, asked, allowed); });
}

void frmNewProblem::Finish(program::Program& program, const std::shared_ptr<Job>& job, const puzzle::GenerateRequest& request,
                           std::chrono::milliseconds allowed) {
    if (program.ended()) return;
    ui::FormRegistry::EventScope scope(program.forms());
    auto* window = dynamic_cast<frmNewProblem*>(program.forms().find("frmNewProblem"));
    if (window && window->job_ == job) {
        window->job_.reset();
        window->ShowBusy(false);
    }
    auto say = [&](const std::string& text) {
        if (window) window->lblJoutai.setCaption(text);
    };
    if (job->result) {
        const puzzle::GeneratedProblem& made = *job->result;
        const std::string levelName(puzzle::LevelWord(made.level));
        // With the diagonal rule below the guess level the generator may keep givens that the
        // one solution does not need; the description and the window say so.
        const bool spare = request.level && puzzle::KeepsGivensForLevel(request.diagonal, *request.level);
        board::frmAllGamen::ProblemTexts texts{
            "", "", "", puzzle::GeneratedMemo(made.level, made.seed, spare),
            std::to_string(LevelNumber(made.level))};
        program.frmAllGamen().PlaceProblem(made.problem, &texts);
        say("作りました（種 " + std::to_string(made.seed) + "、難易度 " + levelName + "）。" +
            (spare ? "斜めありのこの難易度では、なくても解ける余分なヒントが入ることがあります。" : ""));
        if (window) window->Hide();
        return;
    }
    if (job->stop && !job->timedOut) {
        say("中止しました。");
        return;
    }
    say("作れませんでした。");
    std::string level = LevelWords(request.level);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(allowed).count();
    program.dialogs().MsgBox(job->timedOut ? "難易度「" + level + "」の問題を " + std::to_string(seconds) +
                                                 " 秒のうちに作れませんでした。\n別の難易度にするか、種を変えてもう一度お試しください。"
                                           : "難易度「" + level + "」の問題を作れませんでした。\n別の難易度でお試しください。",
                             ui::MsgIcon::Information);
}

void frmNewProblem::cmdTyuusi_Click() {
    if (!job_) return;
    job_->stop = true;
    lblJoutai.setCaption("中止しています…");
}

void frmNewProblem::cmdTojiru_Click() { Unload(); }

}  // namespace newproblem
