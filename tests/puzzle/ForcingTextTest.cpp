// The forcing chains' explanations on the boards of tests/data/technique-boards.txt. The nested
// chain's: a sentence that names the candidate, one line per branch indented by its depth, then
// the conclusion; each line starts with its assumption named with its grid and shows one "≠" per
// digit it takes out, each explained by the line one level deeper that follows it. The cell and
// unit forcing chains' lines start the same way.
#include <gtest/gtest.h>

#include <algorithm>

#include "TechniqueBoards.h"
#include "SoundPath.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"

using namespace puzzle;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1) lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

}  // namespace

TEST(NestedForcing, TextShowsEachBranchIndentedUnderTheDigitItTakesOut) {
    std::vector<TechniqueBoard> boards = LoadTechniqueBoards();
    auto board = std::find_if(boards.begin(), boards.end(), [](const TechniqueBoard& t) { return t.technique == "Nested Forcing Chain"; });
    ASSERT_NE(board, boards.end());
    const int pattern = board->board.pattern;
    SolveResult truth = Solve(board->board);
    ASSERT_EQ(truth.verdict, Verdict::Unique);
    FindOptions options;
    options.unique = true;
    std::optional<Step> step = FindStep(board->State(), options);
    ASSERT_TRUE(step.has_value());
    ASSERT_EQ(step->technique, Technique::NestedForcingChain);
    ExpectNestedLines(*step, "board");
    const std::vector<ForcingBranch>& branches = step->branches;
    // The board is there for a step that goes at least one level deep.
    ASSERT_TRUE(std::any_of(branches.begin(), branches.end(), [](const ForcingBranch& b) { return b.depth > 0; }));

    const std::string text = StepText(*step, pattern);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), branches.size() + 2) << text;
    const CellDigit target = step->remove.front();
    const std::string digit = std::to_string(target.digit);
    EXPECT_TRUE(lines.front().starts_with(CellName(pattern, target.cell, 1) + "に" + digit + "が入ると仮定すると")) << text;
    EXPECT_EQ(lines.back(), "そのため" + CellName(pattern, target.cell, 1) + "には" + digit + "が入りません。");
    for (std::size_t i = 0; i < branches.size(); ++i) {
        const ForcingBranch& b = branches[i];
        const std::string& line = lines[i + 1];
        std::string indent;
        for (int k = 0; k < b.depth; ++k) indent += "　";
        // A line's first cell names its grid, whatever grid the line before ended in.
        EXPECT_TRUE(line.starts_with(indent + "・" + CellName(pattern, b.assumed.cell, 1) + "=" + std::to_string(b.assumed.digit)))
            << line;
        EXPECT_EQ(Count(line, "≠"), static_cast<std::size_t>(std::count(b.excluded.begin(), b.excluded.end(), true))) << line;
        EXPECT_TRUE(line.ends_with("矛盾します）")) << line;
    }
}

TEST(ForcingChains, EachBranchLineStartsWithItsAssumptionNamedWithItsGrid) {
    int checked = 0;
    for (const TechniqueBoard& t : LoadTechniqueBoards()) {
        if (t.technique != "Cell Forcing Chain" && t.technique != "Unit Forcing Chain") continue;
        SCOPED_TRACE(t.technique);
        FindOptions options;
        options.unique = true;
        std::optional<Step> step = FindStep(t.State(), options);
        ASSERT_TRUE(step.has_value());
        const std::vector<std::string> lines = Lines(StepText(*step, t.board.pattern));
        // The sentence that names the cell or unit, a line per branch, the conclusion.
        ASSERT_EQ(lines.size(), step->branches.size() + 2);
        for (std::size_t i = 0; i < step->branches.size(); ++i) {
            const CellDigit& a = step->branches[i].assumed;
            EXPECT_TRUE(lines[i + 1].starts_with("・" + CellName(t.board.pattern, a.cell, 1) + "=" + std::to_string(a.digit))) << lines[i + 1];
        }
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}
