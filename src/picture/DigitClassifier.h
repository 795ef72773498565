// The digit classifier: a small network (features standardised, one hidden layer of rectified
// units, a softmax over "no digit" and the digits 1..9) whose weights are compiled in from
// DigitModel.inc, written by the training program train/TrainDigits.cpp.
#pragma once

#include <array>

#include "picture/CellInk.h"

namespace picture {

// Class 0 is a mark that is no digit; classes 1..9 are the digits.
constexpr int kClasses = 10;

// A network's weights, row-major: hidden x features, then classes x hidden.
struct NetWeights {
    int hidden = 0;
    const float* mean = nullptr;     // per feature
    const float* inverseSpread = nullptr;  // per feature: 1 / standard deviation
    const float* w1 = nullptr;
    const float* b1 = nullptr;
    const float* w2 = nullptr;
    const float* b2 = nullptr;
};

using Chances = std::array<float, kClasses>;

// The chances of each class for a cell's features under the given weights.
Chances Classify(const NetWeights& net, const std::array<float, kFeatureCount>& features);

// The weights compiled into the program.
const NetWeights& DigitModel();

}  // namespace picture
