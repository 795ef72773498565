#include "puzzle/StepPath.h"

#include "puzzle/Solver.h"

namespace puzzle {

StepPath RunPath(const DoubleBoard& board, int maxSteps) {
    FindOptions options;
    options.unique = CountSolutions(board, 2) == 1;
    return RunPath(board, options, maxSteps);
}

StepPath RunPath(const DoubleBoard& board, const FindOptions& options, int maxSteps, const std::function<bool()>& stop,
                 StepMemo* memo) {
    StepMemo own;
    if (!memo) memo = &own;
    StepPath path;
    LogicState state(board);
    while (!state.solved() && static_cast<int>(path.steps.size()) < maxSteps) {
        if (stop && stop()) {
            path.stopped = true;
            break;
        }
        std::optional<Step> step = FindStep(state, options, *memo);
        if (!step) break;
        state.apply(*step);
        if (!path.rating.hardest || *path.rating.hardest < step->technique) path.rating.hardest = step->technique;
        path.steps.push_back(std::move(*step));
    }
    path.rating.finished = state.solved();
    path.end = state.board();
    return path;
}

}  // namespace puzzle
