#include <gtest/gtest.h>

#include "Hard9x9.h"
#include "PublicDoubles.h"
#include "puzzle/Generator.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepPath.h"

using namespace puzzle;

namespace {

// The path as the step finder gives it without any memo.
std::vector<Step> PlainPath(const DoubleBoard& board) {
    FindOptions options;
    options.unique = CountSolutions(board, 2) == 1;
    LogicState state(board);
    std::vector<Step> steps;
    while (!state.solved()) {
        std::optional<Step> step = FindStep(state, options);
        if (!step) break;
        state.apply(*step);
        steps.push_back(std::move(*step));
    }
    return steps;
}

// The path with each technique looked for on its own, as FindStepOf does, so that nothing
// worked out for one technique (the almost locked sets, the rectangles, the forcing chains'
// branches) serves another.
std::vector<Step> OneByOnePath(const DoubleBoard& board) {
    const bool unique = CountSolutions(board, 2) == 1;
    LogicState state(board);
    std::vector<Step> steps;
    while (!state.solved()) {
        std::optional<Step> step;
        for (Technique t : AllTechniques()) {
            if (!unique && (NeedsUniqueness(t) || t == Technique::NestedForcingChain)) continue;
            if ((step = FindStepOf(state, t))) break;
        }
        if (!step) break;
        state.apply(*step);
        steps.push_back(std::move(*step));
    }
    return steps;
}

void ExpectSamePath(const std::vector<Step>& plain, const std::vector<Step>& remembered, const std::string& name) {
    ASSERT_EQ(plain.size(), remembered.size()) << name;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(plain[i].technique, remembered[i].technique) << name << " step " << i;
        EXPECT_EQ(plain[i].place, remembered[i].place) << name << " step " << i;
        EXPECT_EQ(plain[i].remove, remembered[i].remove) << name << " step " << i;
        EXPECT_EQ(plain[i].proof, remembered[i].proof) << name << " step " << i;
    }
}

}  // namespace

// A memo only skips searches that would find nothing: the paths are step for step those found
// without it, also when one memo serves the paths of many boards, as in the generator.
TEST(StepMemo, PathsWithAMemoAreThePathsWithout) {
    StepMemo shared;
    std::vector<PublicDouble> publics = public_doubles::All(MOZEL_TEST_DATA);
    for (std::size_t i = 0; i < publics.size(); i += 4) {
        const PublicDouble& p = publics[i];
        ExpectSamePath(PlainPath(p.givens), RunPath(p.givens).steps, p.name);
    }
    std::vector<Hard9x9> hard = LoadHard9x9(MOZEL_TEST_DATA);
    for (std::size_t i = 0; i < 3; ++i) {
        FindOptions options;
        options.unique = true;
        ExpectSamePath(PlainPath(hard[i].givens), RunPath(hard[i].givens, options, 2000, {}, &shared).steps, hard[i].name);
    }
    // The same memo on other patterns, with and without the diagonal rule, and back.
    for (int pattern : {1, 5, 12})
        for (bool diagonal : {false, true}) {
            DoubleBoard problem = GenerateProblem(pattern, diagonal, 40u + static_cast<uint64_t>(pattern));
            FindOptions options;
            options.unique = true;
            const std::string name = "pattern " + std::to_string(pattern) + (diagonal ? " diagonal" : "");
            ExpectSamePath(PlainPath(problem), RunPath(problem, options, 2000, {}, &shared).steps, name);
            ExpectSamePath(PlainPath(problem), RunPath(problem, options, 2000, {}, &shared).steps, name + " again");
        }
}

// On one board the step finder works out the almost locked sets and the rectangles once for
// all the techniques that read them, and follows each forcing chain's branch once: the steps
// are those each technique finds on its own. The problems' paths take ALS and unique
// rectangle steps.
TEST(StepMemo, TechniquesThatShareWhatTheyWorkOutFindWhatEachFindsAlone) {
    int shared = 0;
    for (auto [pattern, seed] : {std::pair{9, 19020}, std::pair{6, 19041}, std::pair{11, 19034}}) {
        const DoubleBoard problem = GenerateProblem(pattern, true, static_cast<uint64_t>(seed));
        const std::vector<Step> path = PlainPath(problem);
        ExpectSamePath(OneByOnePath(problem), path, "pattern " + std::to_string(pattern) + " seed " + std::to_string(seed));
        for (const Step& s : path)
            shared += s.technique == Technique::AlsXZ || s.technique == Technique::AlsXYWing ||
                      (s.technique >= Technique::UniqueRectangle2 && s.technique <= Technique::UniqueRectangle4);
    }
    EXPECT_GT(shared, 0) << "no step of the sample reads what another technique worked out";
}

// What the memo holds is tied to the digit's places: the same places are known, other places of
// the digit, another digit or another technique are not, and another pattern forgets all.
TEST(StepMemo, RemembersPlacesOfOneDigitForOneTechniqueAndPattern) {
    StepMemo memo;
    memo.useFor(12, false);
    DigitPlaces places;
    places.open.set(1).set(5);
    places.placed.set(40);
    memo.rememberNothing(Technique::XWing, 3, places);
    EXPECT_TRUE(memo.foundNothing(Technique::XWing, 3, places));
    EXPECT_FALSE(memo.foundNothing(Technique::XWing, 4, places));
    EXPECT_FALSE(memo.foundNothing(Technique::Swordfish, 3, places));
    DigitPlaces moved = places;
    moved.open.reset(5);
    EXPECT_FALSE(memo.foundNothing(Technique::XWing, 3, moved));
    memo.useFor(12, false);
    EXPECT_TRUE(memo.foundNothing(Technique::XWing, 3, places));
    memo.useFor(12, true);
    EXPECT_FALSE(memo.foundNothing(Technique::XWing, 3, places));
}
