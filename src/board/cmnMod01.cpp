#include "board/cmnMod01.h"

#include <limits>

#include "state/PuzzleState.h"
#include "ui/StateBytes.h"

namespace board {

void PatternNumber::attach(state::PuzzleState& state) {
    state_ = &state;
    state.setPattern(own_);
}

PatternNumber::operator int16_t() const { return state_ ? static_cast<int16_t>(state_->pattern()) : own_; }

PatternNumber& PatternNumber::operator=(int16_t pattern) {
    own_ = pattern;
    if (state_) state_->setPattern(pattern);
    return *this;
}

namespace {

void CheckIndexes(const std::string& name, const std::vector<int>& bounds, const std::vector<int>& indexes) {
    if (indexes.size() != bounds.size()) {
        throw ui::PropertyError(name + " takes " + std::to_string(bounds.size()) + " index(es)");
    }
    for (size_t i = 0; i < bounds.size(); ++i) {
        if (indexes[i] < 0 || indexes[i] > bounds[i]) {
            throw ui::PropertyError(name + " index " + std::to_string(indexes[i]) + " outside 0.." +
                                    std::to_string(bounds[i]));
        }
    }
}

int16_t ToInt16(const std::string& name, const ui::PropertyValue& value) {
    int64_t v = ui::ToInteger(value);
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) {
        throw ui::PropertyError(name + " is a 16-bit integer; " + std::to_string(v) + " is out of range");
    }
    return static_cast<int16_t>(v);
}

// A variable whose element for a full index list is given by `at`.
template <typename At>
SharedVariable IntegerVariable(std::string name, std::vector<int> bounds, At at) {
    SharedVariable v;
    v.name = name;
    v.upperBounds = bounds;
    v.get = [name, bounds, at](const std::vector<int>& ix) -> ui::PropertyValue {
        CheckIndexes(name, bounds, ix);
        return int64_t{at(ix)};
    };
    v.set = [name, bounds, at](const std::vector<int>& ix, const ui::PropertyValue& value) {
        CheckIndexes(name, bounds, ix);
        at(ix) = ToInt16(name, value);
    };
    return v;
}

SharedVariable ColorVariable(std::string name, ui::Color& colour) {
    SharedVariable v;
    v.name = name;
    v.get = [name, &colour](const std::vector<int>& ix) -> ui::PropertyValue {
        CheckIndexes(name, {}, ix);
        return int64_t{colour};
    };
    v.set = [name, &colour](const std::vector<int>& ix, const ui::PropertyValue& value) {
        CheckIndexes(name, {}, ix);
        colour = static_cast<ui::Color>(ui::ToInteger(value));
    };
    return v;
}

}  // namespace

std::vector<SharedVariable> SharedVariables(cmnMod01& m) {
    auto idx = [](const std::vector<int>& ix, size_t i) { return static_cast<size_t>(ix[i]); };
    std::vector<SharedVariable> vars;
    vars.push_back(IntegerVariable("PatternMasu", {12, 225},
                                   [&m, idx](const auto& ix) -> int16_t& { return m.PatternMasu[idx(ix, 0)][idx(ix, 1)]; }));
    {
        SharedVariable v;
        v.name = "PatternNo";
        v.get = [&m](const std::vector<int>& ix) -> ui::PropertyValue {
            CheckIndexes("PatternNo", {}, ix);
            return int64_t{m.PatternNo};
        };
        v.set = [&m](const std::vector<int>& ix, const ui::PropertyValue& value) {
            CheckIndexes("PatternNo", {}, ix);
            m.PatternNo = ToInt16("PatternNo", value);
        };
        vars.push_back(v);
    }
    vars.push_back(IntegerVariable("GridMasu", {12, 2, 81}, [&m, idx](const auto& ix) -> int16_t& {
        return m.GridMasu[idx(ix, 0)][idx(ix, 1)][idx(ix, 2)];
    }));
    vars.push_back(IntegerVariable("OmedetouZumi", {}, [&m](const auto&) -> int16_t& { return m.OmedetouZumi; }));
    vars.push_back(ColorVariable("IroGaito", m.IroGaito));
    vars.push_back(ColorVariable("IroRyouiki", m.IroRyouiki));
    vars.push_back(ColorVariable("IroMiketei", m.IroMiketei));
    vars.push_back(ColorVariable("IroError", m.IroError));
    vars.push_back(ColorVariable("IroAuto1", m.IroAuto1));
    vars.push_back(ColorVariable("IroOnly", m.IroOnly));
    {
        SharedVariable v;
        v.name = "IroName";
        v.upperBounds = {8};
        v.get = [&m](const std::vector<int>& ix) -> ui::PropertyValue {
            CheckIndexes("IroName", {8}, ix);
            return m.IroName[static_cast<size_t>(ix[0])];
        };
        v.set = [&m](const std::vector<int>& ix, const ui::PropertyValue& value) {
            CheckIndexes("IroName", {8}, ix);
            m.IroName[static_cast<size_t>(ix[0])] = ui::ToText(value);
        };
        vars.push_back(v);
    }
    vars.push_back(IntegerVariable("ClearFlag", {}, [&m](const auto&) -> int16_t& { return m.ClearFlag; }));
    vars.push_back(IntegerVariable("KouhoTbl", {81, 9},
                                   [&m, idx](const auto& ix) -> int16_t& { return m.KouhoTbl[idx(ix, 0)][idx(ix, 1)]; }));
    vars.push_back(IntegerVariable("KouhoGrid", {9}, [&m, idx](const auto& ix) -> int16_t& { return m.KouhoGrid[idx(ix, 0)]; }));
    vars.push_back(IntegerVariable("NanameX", {9}, [&m, idx](const auto& ix) -> int16_t& { return m.NanameX[idx(ix, 0)]; }));
    vars.push_back(IntegerVariable("NanameY", {9}, [&m, idx](const auto& ix) -> int16_t& { return m.NanameY[idx(ix, 0)]; }));
    vars.push_back(IntegerVariable("HintKind", {}, [&m](const auto&) -> int16_t& { return m.HintKind; }));
    vars.push_back(IntegerVariable("SolvedMark", {}, [&m](const auto&) -> int16_t& { return m.SolvedMark; }));
    return vars;
}

ui::StateBlock SolvingState(cmnMod01& m) {
    return {"cmnMod01",
            [&m] {
                ui::StateWriter out;
                out << m.OmedetouZumi << m.ClearFlag << m.KouhoTbl << m.KouhoGrid << m.HintKind
                    << m.SolvedMark;
                return out.take();
            },
            [&m](std::string_view bytes) {
                ui::StateReader in(bytes);
                in >> m.OmedetouZumi >> m.ClearFlag >> m.KouhoTbl >> m.KouhoGrid >> m.HintKind >>
                    m.SolvedMark;
            }};
}

}  // namespace board
