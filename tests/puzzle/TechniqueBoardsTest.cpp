// One board per technique, taken from a generated problem's path where the technique is the
// first step found, its candidates cut back to what the step needs
// (tests/data/technique-boards.txt). On each: the technique is the first step found, every
// placement and removal agrees with the engine's solution, the step crosses the overlap where
// the file says so, and its text keeps to three sentences.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "puzzle/ProblemLine.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepText.h"

using namespace puzzle;

namespace {

struct TechniqueBoard {
    std::string technique;
    bool across = false;
    DoubleBoard board;
    std::vector<std::pair<int, std::string>> kept;  // cell, the candidates it keeps
};

std::vector<TechniqueBoard> Load() {
    std::ifstream in(MOZEL_TEST_DATA "/technique-boards.txt");
    std::vector<TechniqueBoard> boards;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        TechniqueBoard t;
        const std::string& head = lines[i];
        t.technique = head.substr(0, head.find(" |"));
        t.across = head.ends_with("| across");
        t.board = ParseProblemLine(lines[i + 1]).board;
        std::istringstream kept(lines[i + 2]);
        for (std::string entry; kept >> entry;) {
            std::size_t colon = entry.find(':');
            if (colon != std::string::npos) t.kept.push_back({std::stoi(entry.substr(0, colon)), entry.substr(colon + 1)});
        }
        boards.push_back(std::move(t));
    }
    return boards;
}

}  // namespace

TEST(TechniqueBoards, EachTechniqueIsTheFirstStepOnItsBoardAndAgreesWithTheSolution) {
    std::vector<TechniqueBoard> boards = Load();
    std::set<std::string> seen;
    for (const TechniqueBoard& t : boards) {
        SCOPED_TRACE(t.technique);
        SolveResult truth = Solve(t.board);
        ASSERT_EQ(truth.verdict, Verdict::Unique);
        LogicState s(t.board);
        for (const auto& [cell, digits] : t.kept)
            for (int d = 1; d <= 9; ++d)
                if (digits.find(static_cast<char>('0' + d)) == std::string::npos) s.removeCandidate(cell, d);
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
    for (Technique t = Technique::Jellyfish; t <= Technique::UnitForcingChain; t = static_cast<Technique>(static_cast<int>(t) + 1)) {
        if (!byHand.count(t)) {
            EXPECT_TRUE(seen.count(std::string(EnglishName(t)))) << EnglishName(t);
        }
    }
}
