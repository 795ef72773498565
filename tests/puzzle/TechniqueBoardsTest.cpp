// One board per technique, taken from a generated problem's path where the technique is the
// first step found, with the candidates the path left (tests/data/technique-boards.txt, made by
// tools/make-technique-boards.cpp). On each: the technique is the first step found, every
// placement and removal agrees with the engine's solution, the step crosses the overlap where
// the file says so, and its text keeps to three sentences.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TechniqueBoards.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepText.h"

using namespace puzzle;

TEST(TechniqueBoards, EachTechniqueIsTheFirstStepOnItsBoardAndAgreesWithTheSolution) {
    std::vector<TechniqueBoard> boards = LoadTechniqueBoards();
    std::set<std::string> seen;
    for (const TechniqueBoard& t : boards) {
        SCOPED_TRACE(t.technique);
        SolveResult truth = Solve(t.board);
        ASSERT_EQ(truth.verdict, Verdict::Unique);
        LogicState s = t.State();
        FindOptions options;
        options.unique = true;
        std::optional<Step> step = FindStep(s, options);
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(EnglishName(step->technique), t.technique);
        EXPECT_FALSE(step->place.empty() && step->remove.empty());
        for (const CellDigit& p : step->place) EXPECT_EQ(truth.solution.digits[static_cast<std::size_t>(p.cell)], p.digit);
        for (const CellDigit& r : step->remove) EXPECT_NE(truth.solution.digits[static_cast<std::size_t>(r.cell)], r.digit);
        // Across the overlap: the step's cells include one only grid 1 covers and one only grid 2 covers.
        std::vector<int> cells = step->proof;
        for (const CellDigit& r : step->remove) cells.push_back(r.cell);
        for (const CellDigit& p : step->place) cells.push_back(p.cell);
        const OverlapPattern& pattern = Pattern(t.board.pattern);
        bool grid1 = std::any_of(cells.begin(), cells.end(), [&](int c) { return CellCode(pattern, c) == 1; });
        bool grid2 = std::any_of(cells.begin(), cells.end(), [&](int c) { return CellCode(pattern, c) == 2; });
        if (t.across) {
            EXPECT_TRUE(grid1 && grid2);
        }
        const std::string text = StepText(*step, t.board.pattern);
        std::size_t sentences = 0;
        for (std::size_t at = text.find("。"); at != std::string::npos; at = text.find("。", at + 1)) ++sentences;
        EXPECT_GE(sentences, 1u) << text;
        EXPECT_LE(sentences, 3u) << text;
        seen.insert(t.technique);
    }
    // Every technique from the jellyfish on has its board here, except those whose boards
    // TechniquesTest.cpp draws by hand (the wings, and the sashimi jellyfish, which the
    // generator's paths hardly ever need first).
    const std::set<Technique> byHand{Technique::SashimiJellyfish, Technique::XYWing, Technique::XYZWing};
    for (Technique t = Technique::Jellyfish; t <= Technique::NestedForcingChain; t = static_cast<Technique>(static_cast<int>(t) + 1)) {
        if (!byHand.count(t)) {
            EXPECT_TRUE(seen.count(std::string(EnglishName(t)))) << EnglishName(t);
        }
    }
}
