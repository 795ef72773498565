// Makes tests/data/technique-boards.txt: one board per technique, taken from the path of a
// problem of the generator (GenerateProblem) at a step where that technique is the first one
// the step finder finds.
//
//   make-technique-boards > tests/data/technique-boards.txt
//       writes the boards of the problems listed below, in search order;
//   make-technique-boards --find "English name" [FIRST-SEED [SEEDS]]
//       looks for a problem whose path needs the technique (patterns 12, 8 and 4, without and
//       with the diagonal rule, seed by seed from FIRST-SEED, 0 by default, SEEDS seeds, 2000
//       by default) and prints the pattern, rule and seed for its row below.
//
// On a path the board taken is, of the states where the technique is the step found, one
// whose step runs across the overlap when there is one, then one whose step reaches deepest
// (the nested forcing chain's branches inside branches), then the one whose candidates differ
// from those its digits leave in the fewest cells, then the first.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/Generator.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/StepFinder.h"

using namespace puzzle;

namespace {

// The problem a technique's board comes from.
struct Source {
    Technique technique;
    int pattern;
    bool diagonal;
    uint64_t seed;
};

// In search order. The techniques before the jellyfish, the sashimi jellyfish and the XY- and
// XYZ-wings have boards drawn by hand in tests/puzzle/TechniquesTest.cpp instead.
constexpr Source kSources[] = {
    {.technique = Technique::Jellyfish, .pattern = 12, .diagonal = false, .seed = 567},
    {.technique = Technique::FinnedXWing, .pattern = 8, .diagonal = false, .seed = 427},
    {.technique = Technique::SashimiXWing, .pattern = 12, .diagonal = false, .seed = 861},
    {.technique = Technique::FinnedSwordfish, .pattern = 12, .diagonal = false, .seed = 1197},
    {.technique = Technique::SashimiSwordfish, .pattern = 12, .diagonal = false, .seed = 1344},
    {.technique = Technique::FinnedJellyfish, .pattern = 12, .diagonal = false, .seed = 462},
    {.technique = Technique::Skyscraper, .pattern = 4, .diagonal = true, .seed = 1233},
    {.technique = Technique::TwoStringKite, .pattern = 12, .diagonal = true, .seed = 1366},
    {.technique = Technique::EmptyRectangle, .pattern = 8, .diagonal = true, .seed = 554},
    {.technique = Technique::WWing, .pattern = 4, .diagonal = true, .seed = 1317},
    {.technique = Technique::UniqueRectangle1, .pattern = 12, .diagonal = true, .seed = 1303},
    {.technique = Technique::UniqueRectangle2, .pattern = 8, .diagonal = false, .seed = 8995},
    {.technique = Technique::UniqueRectangle3, .pattern = 8, .diagonal = true, .seed = 113},
    {.technique = Technique::UniqueRectangle4, .pattern = 4, .diagonal = false, .seed = 686},
    {.technique = Technique::BugPlusOne, .pattern = 4, .diagonal = false, .seed = 644},
    {.technique = Technique::XChain, .pattern = 8, .diagonal = true, .seed = 260},
    {.technique = Technique::XYChain, .pattern = 12, .diagonal = false, .seed = 1344},
    {.technique = Technique::AlternatingChain, .pattern = 4, .diagonal = false, .seed = 1085},
    {.technique = Technique::AlsXZ, .pattern = 12, .diagonal = true, .seed = 652},
    {.technique = Technique::AlsXYWing, .pattern = 8, .diagonal = false, .seed = 763},
    {.technique = Technique::CellForcingChain, .pattern = 8, .diagonal = true, .seed = 869},
    {.technique = Technique::UnitForcingChain, .pattern = 8, .diagonal = true, .seed = 323},
    {.technique = Technique::NestedForcingChain, .pattern = 4, .diagonal = true, .seed = 19015},
};

constexpr const char* kHead =
    "# One board per technique, made by the project from its own generator with\n"
    "# tools/make-technique-boards.cpp: a state of a generated problem's path where the technique\n"
    "# was the first step found, with the candidates the path had left (see the tool for which\n"
    "# state). Three lines each: the technique's English name and whether the step runs across\n"
    "# the overlap (\"across\": it involves a cell only grid 1 covers and one only grid 2 covers) or\n"
    "# not (\"within\"); the board as mozeldouble-solve reads it; the cells whose candidates differ\n"
    "# from those the digits leave, as CELL:DIGITS (board cell 1..225), or \"-\" for none.\n";

// The step involves a cell only grid 1 covers and one only grid 2 covers.
bool Across(const Step& step, int pattern) {
    std::vector<int> cells = step.proof;
    for (const CellDigit& r : step.remove) cells.push_back(r.cell);
    for (const CellDigit& p : step.place) cells.push_back(p.cell);
    const OverlapPattern& p = Pattern(pattern);
    const auto only = [&](int grid) { return std::any_of(cells.begin(), cells.end(), [&](int c) { return CellCode(p, c) == grid; }); };
    return only(1) && only(2);
}

int Depth(const Step& step) {
    int depth = 0;
    for (const ForcingBranch& b : step.branches) depth = std::max(depth, b.depth);
    return depth;
}

// The cells whose candidates differ from those the digits leave: "16:69 51:245", or "-".
std::string Kept(const LogicState& s) {
    const LogicState plain(s.board());
    std::string kept;
    for (int c : s.cells()) {
        if (s.digit(c) != 0 || s.candidates(c) == plain.candidates(c)) continue;
        kept += (kept.empty() ? "" : " ") + std::to_string(c) + ":";
        for (int d : DigitRange(s.candidates(c))) kept += static_cast<char>('0' + d);
    }
    return kept.empty() ? "-" : kept;
}

struct Board {
    bool across = false;
    int depth = 0;
    int differing = 0;  // cells whose candidates differ from those the digits leave
    std::string line;
    std::string kept;
    // Better as the head of this file says.
    bool betterThan(const Board& o) const {
        if (across != o.across) return across;
        if (depth != o.depth) return depth > o.depth;
        return differing < o.differing;
    }
};

// The board of technique t on the path of the problem, or nothing when the path never finds it.
std::optional<Board> BoardOf(Technique t, const DoubleBoard& problem) {
    LogicState s(problem);
    FindOptions options;
    options.unique = true;  // the generator's problems have one solution
    StepMemo memo;
    std::optional<Board> best;
    while (!s.solved()) {
        std::optional<Step> step = FindStep(s, options, memo);
        if (!step) break;
        if (step->technique == t) {
            Board b{.across = Across(*step, problem.pattern), .depth = Depth(*step), .line = FormatProblemLine(s.board()), .kept = Kept(s)};
            b.differing = b.kept == "-" ? 0 : static_cast<int>(std::count(b.kept.begin(), b.kept.end(), ':'));
            if (!best || b.betterThan(*best)) best = std::move(b);
        }
        s.apply(*step);
    }
    return best;
}

std::optional<Technique> Named(std::string_view english) {
    for (Technique t : AllTechniques())
        if (EnglishName(t) == english) return t;
    return std::nullopt;
}

int WriteBoards() {
    std::printf("%s\n", kHead);
    for (const Source& source : kSources) {
        const std::optional<Board> b = BoardOf(source.technique, GenerateProblem(source.pattern, source.diagonal, source.seed));
        if (!b) {
            std::fprintf(stderr, "%s: no step on the path of pattern %d%s seed %llu\n", std::string(EnglishName(source.technique)).c_str(),
                         source.pattern, source.diagonal ? " with the diagonal rule" : "", static_cast<unsigned long long>(source.seed));
            return 1;
        }
        std::printf("%s | %s\n%s\n%s\n", std::string(EnglishName(source.technique)).c_str(), b->across ? "across" : "within", b->line.c_str(),
                    b->kept.c_str());
    }
    return 0;
}

int Find(Technique t, uint64_t first, uint64_t seeds) {
    for (uint64_t seed = first; seed < first + seeds; ++seed)
        for (bool diagonal : {false, true})
            for (int pattern : {12, 8, 4})
                if (std::optional<Board> b = BoardOf(t, GenerateProblem(pattern, diagonal, seed))) {
                    std::printf("%s: .pattern = %d, .diagonal = %s, .seed = %llu (%s)\n", std::string(EnglishName(t)).c_str(), pattern,
                                diagonal ? "true" : "false", static_cast<unsigned long long>(seed), b->across ? "across" : "within");
                    return 0;
                }
    std::fprintf(stderr, "no path of seeds %llu..%llu needs %s\n", static_cast<unsigned long long>(first),
                 static_cast<unsigned long long>(first + seeds - 1), std::string(EnglishName(t)).c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1) return WriteBoards();
    if (std::string_view(argv[1]) == "--find" && argc >= 3 && argc <= 5) {
        const std::optional<Technique> t = Named(argv[2]);
        if (!t) {
            std::fprintf(stderr, "no technique is named \"%s\" in English\n", argv[2]);
            return 2;
        }
        return Find(*t, argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 0, argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 2000);
    }
    std::fprintf(stderr, "usage: make-technique-boards\n       make-technique-boards --find \"English name\" [FIRST-SEED [SEEDS]]\n");
    return 2;
}
