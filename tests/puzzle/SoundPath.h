// The check every step path of the tests passes: placements are the digits of the engine's
// solution and removals never are. It knows nothing of how the steps were found.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "puzzle/StepPath.h"
#include "puzzle/StepText.h"

inline void ExpectSound(const puzzle::DoubleBoard& solution, const puzzle::StepPath& path, const std::string& name) {
    for (std::size_t i = 0; i < path.steps.size(); ++i) {
        const puzzle::Step& s = path.steps[i];
        EXPECT_FALSE(s.place.empty() && s.remove.empty()) << name << " step " << i;
        for (const puzzle::CellDigit& cd : s.place)
            EXPECT_EQ(solution.digits[static_cast<std::size_t>(cd.cell)], cd.digit)
                << name << " step " << i << " " << puzzle::EnglishName(s.technique) << ": " << puzzle::StepText(s, solution.pattern);
        for (const puzzle::CellDigit& cd : s.remove)
            EXPECT_NE(solution.digits[static_cast<std::size_t>(cd.cell)], cd.digit)
                << name << " step " << i << " " << puzzle::EnglishName(s.technique) << ": " << puzzle::StepText(s, solution.pattern);
    }
}

// A nested forcing chain's branch lines form a tree in the order they are shown: the first
// line, at depth 0, assumes the candidate the step removes; under each line, every link that
// takes a digit out is followed, in the order of those links, by the line one level deeper that
// assumes that digit and its own lines. Every line ends in a contradiction.
inline void ExpectNestedLines(const puzzle::Step& step, const std::string& name) {
    const std::vector<puzzle::ForcingBranch>& lines = step.branches;
    ASSERT_FALSE(lines.empty()) << name;
    ASSERT_EQ(step.remove.size(), 1u) << name;
    EXPECT_TRUE(step.place.empty()) << name;
    EXPECT_EQ(lines.front().assumed, step.remove.front()) << name;
    std::size_t next = 0;
    // Checks the line at `next` and those under it; false when the lines run out.
    auto follow = [&](auto& self, int depth) -> bool {
        if (next >= lines.size()) return false;
        const puzzle::ForcingBranch& line = lines[next++];
        EXPECT_EQ(line.depth, depth) << name << " line " << next;
        EXPECT_TRUE(line.contradiction) << name << " line " << next;
        EXPECT_EQ(line.excluded.size(), line.links.size()) << name << " line " << next;
        for (std::size_t k = 0; k < line.links.size() && k < line.excluded.size(); ++k) {
            if (!line.excluded[k]) continue;
            if (next >= lines.size() || !(lines[next].assumed == line.links[k])) {
                ADD_FAILURE() << name << ": no line under link " << k << " of line " << next;
                return false;
            }
            if (!self(self, depth + 1)) return false;
        }
        return true;
    };
    EXPECT_TRUE(follow(follow, 0)) << name;
    EXPECT_EQ(next, lines.size()) << name << ": lines left over";
}
