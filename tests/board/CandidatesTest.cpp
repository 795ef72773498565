// The board's candidates: their start state against the rules worked out here from the grid
// coordinates alone, their life while the user edits, and the hint's 適用: on every
// technique's board the result is the board the step describes, and applied again and again
// it finishes the public problems on which the hint's path finishes.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "PublicDoubles.h"
#include "ProgramFixture.h"
#include "state/PuzzleState.h"
#include "board/cmnMod01.h"
#include "hint/frmHint.h"
#include "puzzle/LogicState.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"

namespace {

struct Candidates : ProgramFixture {
    Candidates() { start(); }

    // The digits the board's units leave to a cell, from the grid coordinates: rows, columns,
    // boxes of each grid it lies in, and the two diagonals under the diagonal rule.
    int allowed(const puzzle::DoubleBoard& b, int cell) {
        int mask = 0x3FE;
        const auto& masu = cmn().GridMasu[static_cast<std::size_t>(b.pattern)];
        for (int g = 1; g <= 2; ++g)
            for (int k = 1; k <= 81; ++k) {
                if (masu[static_cast<std::size_t>(g)][static_cast<std::size_t>(k)] != cell) continue;
                const int r = (k - 1) / 9, c = (k - 1) % 9;
                for (int j = 1; j <= 81; ++j) {
                    const int r2 = (j - 1) / 9, c2 = (j - 1) % 9;
                    bool sees = r2 == r || c2 == c || (r2 / 3 == r / 3 && c2 / 3 == c / 3) ||
                                (b.diagonal && ((r == c && r2 == c2) || (r + c == 8 && r2 + c2 == 8)));
                    if (sees && j != k) mask &= ~(1 << b.digits[static_cast<std::size_t>(masu[static_cast<std::size_t>(g)][static_cast<std::size_t>(j)])]);
                }
            }
        return mask & 0x3FE;
    }

    void expectStartState(const puzzle::DoubleBoard& b) {
        for (int c = 1; c <= 225; ++c) {
            const bool covered = cmn().PatternMasu[static_cast<std::size_t>(b.pattern)][static_cast<std::size_t>(c)] != 0;
            const int expected = covered && b.digits[static_cast<std::size_t>(c)] == 0 ? allowed(b, c) : 0;
            ASSERT_EQ(main().text1(c).candidates(), expected) << "cell " << c;
        }
    }

    std::string lastMessage() { return services.messages().empty() ? "" : services.messages().back(); }
    // Hints carried out until the hint has no step to offer, each leaving only digits of the
    // solution on the board.
    // The hint window's 適用 shows the next step each time; it closes when there is none.
    void applyHints(const puzzle::DoubleBoard& solution, int limit) {
        hint::frmHint& window = program.frmHint();
        click(main().cmdHint);
        for (int applied = 0; applied < limit && window.visible(); ++applied) {
            const std::string step = window.lblText.caption();
            ASSERT_EQ(step.rfind("ヒント（", 0), 0u) << step;
            click(window.cmdApply);
            const puzzle::DoubleBoard now = program.state().reading().board;
            for (int c = 1; c <= 225; ++c) {
                const int d = now.digits[static_cast<std::size_t>(c)];
                ASSERT_TRUE(d == 0 || d == solution.digits[static_cast<std::size_t>(c)]) << "cell " << c << " after\n" << step;
            }
        }
    }
};

TEST_F(Candidates, StartFromWhatTheUnitsAllowOnEveryPublicProblemAndTechniqueBoard) {
    for (const PublicDouble& p : public_doubles::All(MOZEL_TEST_DATA)) {
        SCOPED_TRACE(p.name);
        event([&] { main().PlaceProblem(p.givens, nullptr); });
        expectStartState(p.givens);
    }
    // Other patterns and the diagonal rule, from the technique boards' digits.
    std::ifstream in(MOZEL_TEST_DATA "/technique-boards.txt");
    int boards = 0, diagonal = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#' || line.find('|') != std::string::npos || line.find(':') != std::string::npos || line == "-") continue;
        puzzle::ProblemLine read = puzzle::ParseProblemLine(line);
        if (read.kind != puzzle::ProblemLine::Kind::Problem) continue;
        SCOPED_TRACE(line);
        event([&] { main().PlaceProblem(read.board, nullptr); });
        expectStartState(read.board);
        ++boards;
        diagonal += read.board.diagonal;
    }
    EXPECT_GE(boards, 20);
    EXPECT_GE(diagonal, 1);
}

TEST_F(Candidates, EditsPlacementsAndRecalculationAreUndoneAndRedoneOneByOne) {
    const PublicDouble p = public_doubles::All(MOZEL_TEST_DATA).front();
    ASSERT_EQ(p.givens.pattern, 12);
    event([&] { main().PlaceProblem(p.givens, nullptr); });
    program.journal().setEnabled(true);
    // An empty cell of grid 1 and an empty peer in its row.
    int cell = 0, peer = 0;
    for (int k = 1; k <= 9 && !peer; ++k)
        if (boardCell(1, k).text().empty()) (cell ? peer : cell) = cmn().GridMasu[12][1][k];
    ASSERT_TRUE(cell && peer);
    const int start = main().text1(cell).candidates(), startPeer = main().text1(peer).candidates();
    const int d = p.solution.digits[static_cast<std::size_t>(cell)];
    ASSERT_TRUE(start & (1 << d));

    int e = 1;
    while (e == d || !(startPeer & (1 << e))) ++e;
    ASSERT_LE(e, 9);

    event([&] { ui::KeyDown(program.forms(), &main().text1(peer), {'0' + e, ui::kShiftMask}); });
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << e));
    type(main().text1(cell), std::to_string(d));
    EXPECT_EQ(main().text1(cell).candidates(), 0);
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << e) & ~(1 << d));
    click(main().cmdKouhoSaikeisan);
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << d));
    // Each undo takes back one action, in order; redo brings them back.
    program.journal().undo();
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << e) & ~(1 << d));
    program.journal().undo();
    EXPECT_EQ(main().text1(cell).text(), "");
    EXPECT_EQ(main().text1(cell).candidates(), start);
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << e));
    program.journal().undo();
    EXPECT_EQ(main().text1(peer).candidates(), startPeer);
    program.journal().redo();
    program.journal().redo();
    EXPECT_EQ(main().text1(cell).text(), std::to_string(d));
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << e) & ~(1 << d));
    // Taken away again, the digit goes back to the peer, and the cell starts from the board.
    event([&] { main().EmptyCell(cell); });
    EXPECT_EQ(main().text1(peer).candidates(), startPeer & ~(1 << e));
    EXPECT_EQ(main().text1(cell).candidates(), start);
}

TEST_F(Candidates, ApplyOnEachTechniqueBoardGivesTheBoardTheStepDescribes) {
    std::ifstream in(MOZEL_TEST_DATA "/technique-boards.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    int checked = 0;
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        SCOPED_TRACE(lines[i]);
        puzzle::DoubleBoard board = puzzle::ParseProblemLine(lines[i + 1]).board;
        event([&] { main().PlaceProblem(board, nullptr); });
        // The board's candidates cut back as the file says.
        puzzle::LogicState state(board);
        std::istringstream kept(lines[i + 2]);
        for (std::string entry; kept >> entry;) {
            std::size_t colon = entry.find(':');
            if (colon == std::string::npos) continue;
            const int c = std::stoi(entry.substr(0, colon));
            int mask = 0;
            for (char ch : entry.substr(colon + 1)) mask |= 1 << (ch - '0');
            main().text1(c).setCandidates(mask);
            for (int d = 1; d <= 9; ++d)
                if (!(mask & (1 << d))) state.removeCandidate(c, d);
        }
        puzzle::FindOptions options;
        options.unique = true;
        std::optional<puzzle::Step> step = puzzle::FindStep(state, options);
        ASSERT_TRUE(step);
        // What the step describes: its digits placed (their peers lose them), its removals gone.
        std::array<int, 226> digits{}, masks{};
        for (int c = 1; c <= 225; ++c) {
            digits[static_cast<std::size_t>(c)] = board.digits[static_cast<std::size_t>(c)];
            masks[static_cast<std::size_t>(c)] = main().text1(c).candidates();
        }
        for (const puzzle::CellDigit& r : step->remove) masks[static_cast<std::size_t>(r.cell)] &= ~(1 << r.digit);
        const puzzle::Topology& topology = puzzle::TopologyOf(board.pattern, board.diagonal);
        for (const puzzle::CellDigit& pl : step->place) {
            digits[static_cast<std::size_t>(pl.cell)] = pl.digit;
            masks[static_cast<std::size_t>(pl.cell)] = 0;
            for (int peer : topology.peerList[static_cast<std::size_t>(pl.cell)]) masks[static_cast<std::size_t>(peer)] &= ~(1 << pl.digit);
        }
        // 適用 shows the next step, which with the candidates hidden keeps its removals in them:
        // a step that shows no removals of its own is carried out with them shown.
        if (step->remove.empty()) event([&] { main().ShowCandidates(true); });
        click(main().cmdHint);
        ASSERT_EQ(program.frmHint().lblText.caption().rfind("ヒント（", 0), 0u) << program.frmHint().lblText.caption();
        click(program.frmHint().cmdApply);
        const puzzle::DoubleBoard after = program.state().reading().board;
        for (int c = 1; c <= 225; ++c) {
            ASSERT_EQ(after.digits[static_cast<std::size_t>(c)], digits[static_cast<std::size_t>(c)]) << "cell " << c;
            ASSERT_EQ(main().text1(c).candidates(), masks[static_cast<std::size_t>(c)]) << "cell " << c;
        }
        // Removals show the candidates, so that the user sees what changed.
        EXPECT_EQ(main().chkKouho.value(), step->remove.empty() ? main().chkKouho.value() : 1);
        ++checked;
    }
    EXPECT_GE(checked, 20);
}

TEST_F(Candidates, HintsAppliedUntilNoneIsLeftFinishTheProblemsWhoseHintPathFinishes) {
    int finished = 0;
    int problems = 0;
    for (const PublicDouble& p : public_doubles::All(MOZEL_TEST_DATA)) {
        SCOPED_TRACE(p.name);
        const puzzle::DoubleBoard& givens = p.givens;
        const puzzle::DoubleBoard& solution = p.solution;
        // Whether the hint's own path finishes, followed on the engine's state alone.
        puzzle::LogicState state(givens);
        puzzle::FindOptions options;
        options.unique = true;
        while (!state.solved()) {
            std::optional<puzzle::Step> step = puzzle::FindStep(state, options);
            if (!step) break;
            for (const puzzle::CellDigit& r : step->remove) state.removeCandidate(r.cell, r.digit);
            for (const puzzle::CellDigit& pl : step->place) state.place(pl.cell, pl.digit);
        }
        event([&] { main().PlaceProblem(givens, nullptr); });
        applyHints(solution, 400);
        if (HasFatalFailure()) return;
        // The whole solution where the path finishes.
        const puzzle::DoubleBoard after = program.state().reading().board;
        EXPECT_EQ(after == solution, state.solved());
        // The step that fills the last cell is congratulated at once.
        EXPECT_EQ(lastMessage().rfind("おめでとう\n解き終わるまで ", 0) == 0, state.solved()) << lastMessage();
        finished += state.solved();
        ++problems;
    }
    RecordProperty("finished", finished);
    EXPECT_EQ(problems, 20);
    EXPECT_GE(finished, problems / 2);
}

}  // namespace
