// The new-problem window: the problem made is the generator's for the seed, pattern, rule and
// level chosen (so mozeldouble-solve --generate makes the same), placed as a loaded problem in
// one step, with its level and seed in the description; wrong boxes, a stop and too long a
// time are told.
#include <cstdio>
#include <deque>

#include "ProgramFixture.h"
#include "state/PuzzleState.h"
#include "newproblem/frmNewProblem.h"
#include "puzzle/Generator.h"
#include "ui/Keys.h"

namespace {

// Headless services whose worker keeps the work until the test lets it run.
struct DeferringServices : ui::HeadlessServices {
    void Run(std::function<void()> work, std::function<void()> done) override { pending.push_back({std::move(work), std::move(done)}); }
    void runAll() {
        while (!pending.empty()) {
            auto [work, done] = std::move(pending.front());
            pending.pop_front();
            work();
            done();
        }
    }
    std::deque<std::pair<std::function<void()>, std::function<void()>>> pending;
};

struct NewProblem : ProgramFixture {
    NewProblem() { start(); }
    newproblem::frmNewProblem& window() { return program.frmNewProblem(); }
    void choose(int pattern, bool diagonal, int level, const std::string& seed) {
        click(main().cmdAtarasiiMondai);
        window().txtPattern.setText(std::to_string(pattern));
        window().chkNaname.setValue(diagonal ? 1 : 0);
        click(window().optNanido(level));
        window().txtTane.setText(seed);
    }
};

}  // namespace

TEST_F(NewProblem, TheProblemIsTheGeneratorsForTheChoiceAndOneStep) {
    choose(5, false, 2, "100");
    EXPECT_TRUE(window().visible());
    const std::size_t steps = program.journal().steps();
    click(window().cmdTukuru);
    puzzle::GenerateRequest request;
    request.pattern = 5;
    request.level = puzzle::Level::Locked;
    request.seed = 100;
    auto expected = puzzle::GenerateLeveled(request);
    ASSERT_TRUE(expected);
    EXPECT_EQ(program.state().reading().board, expected->problem);
    EXPECT_EQ(main().txtMondaiMemo.text(), "自動生成 ふつう 種 " + std::to_string(expected->seed)) << "the level in the window's words";
    EXPECT_EQ(main().txtNanido.text(), "2");
    EXPECT_TRUE(main().cmdHanteiA(1).visible());
    for (int c = 1; c <= 225; ++c) {
        EXPECT_EQ(main().text1(c).locked(), expected->problem.digits[static_cast<size_t>(c)] != 0) << c;
    }
    EXPECT_FALSE(window().visible()) << "the window goes once the problem stands";
    EXPECT_EQ(program.journal().steps(), steps + 1);
    click(main().cmdModosu);
    EXPECT_EQ(cmn().PatternNo, 12);
}

TEST_F(NewProblem, TheWindowStartsFromTheBoardAndRefusesWrongBoxes) {
    click(options().chkTaikakusen);
    click(main().cmdAtarasiiMondai);
    EXPECT_EQ(window().txtPattern.text(), "12");
    EXPECT_EQ(window().chkNaname.value(), 1);
    EXPECT_FALSE(window().ChosenLevel());
    for (const char* bad : {"13", "0", "x", "2.5"}) {
        services.clearRecords();
        window().txtPattern.setText(bad);
        click(window().cmdTukuru);
        ASSERT_EQ(services.messages().size(), 1u) << bad;
        EXPECT_NE(services.messages()[0].find("1から12まで"), std::string::npos);
    }
    window().txtPattern.setText("3");
    window().txtTane.setText("-4");
    services.clearRecords();
    click(window().cmdTukuru);
    EXPECT_NE(services.messages().at(0).find("0以上の整数"), std::string::npos);
    EXPECT_EQ(main().text1(1).text(), "  ") << "nothing was made";
}

TEST(NewProblemWork, AStopOrTheTimeEndsTheWorkWithoutAProblem) {
    DeferringServices services;
    program::Program program(services.services());
    program.Start();
    auto& window = program.frmNewProblem();
    ui::Click(program.forms(), window.cmdTukuru);
    // While the work runs, 作る waits and 中止 and the busy bar are offered.
    EXPECT_FALSE(window.cmdTukuru.enabled());
    EXPECT_TRUE(window.cmdTyuusi.enabled());
    EXPECT_TRUE(window.pbSagyou.visible());
    EXPECT_TRUE(window.pbSagyou.busy());
    ui::Click(program.forms(), window.cmdTyuusi);
    services.runAll();
    EXPECT_EQ(window.lblJoutai.caption(), "中止しました。");
    EXPECT_TRUE(window.cmdTukuru.enabled());
    EXPECT_FALSE(window.pbSagyou.visible());
    EXPECT_EQ(program.frmAllGamen().text1(1).text(), "  ");
    EXPECT_EQ(program.journal().steps(), 0u);

    // No time at all: the level could not be made in time, and the window says so.
    window.setTimeAllowed(std::chrono::milliseconds(0));
    ui::Click(program.forms(), window.optNanido(7));
    ui::Click(program.forms(), window.cmdTukuru);
    services.runAll();
    ASSERT_FALSE(services.messages().empty());
    EXPECT_NE(services.messages().back().find("のうちに作れませんでした"), std::string::npos) << services.messages().back();

    // A window closed while its work runs stops the work; the end finds no window.
    window.setTimeAllowed(newproblem::kTimeAllowed);
    ui::Click(program.forms(), window.cmdTukuru);
    ui::Click(program.forms(), window.cmdTojiru);
    services.runAll();
    EXPECT_FALSE(program.forms().isLoaded("frmNewProblem"));
    EXPECT_EQ(program.frmAllGamen().text1(1).text(), "  ");
}

// The same seed, pattern, rule and level make the same problem as the command line's generator.
TEST_F(NewProblem, TheCommandLineMakesTheSameProblem) {
    struct Case {
        int pattern;
        bool diagonal;
        int level;  // optNanido index
        const char* rating;
        const char* seed;
    };
    for (const Case& c : {Case{5, false, 2, "locked", "100"}, Case{9, true, 1, "singles", "7"}, Case{12, false, 3, "subsets", "31"}}) {
        choose(c.pattern, c.diagonal, c.level, c.seed);
        click(window().cmdTukuru);
        ui::Press(program.forms(), main().text1(1), *ui::ParseKeySequence("Ctrl+C"));
        std::string command = std::string(MOZEL_SOLVE) + " --generate " + std::to_string(c.pattern) + (c.diagonal ? " --diagonal" : "") +
                              " --rating " + c.rating + " --seed " + c.seed;
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
        // "# seed S" then the problem's line.
        std::string line = output.substr(output.find('\n') + 1);
        EXPECT_EQ(services.ClipboardText(), line) << command;
        EXPECT_NE(main().txtMondaiMemo.text().find("種 " + output.substr(7, output.find('\n') - 7)), std::string::npos);
    }
}
