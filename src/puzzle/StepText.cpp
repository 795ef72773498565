#include "puzzle/StepText.h"

#include "puzzle/TechniqueTable.h"

namespace puzzle {

int StepGrid(const Step& step) { return step.units.empty() ? 1 : step.units.front().grid; }

std::string StepText(const Step& step, int pattern) { return RowOf(step.technique).wording(step, pattern, StepGrid(step)); }

}  // namespace puzzle
