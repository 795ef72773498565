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
