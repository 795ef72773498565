#include "picture/DigitClassifier.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace picture {
namespace {

#include "picture/DigitModel.inc"

}  // namespace

Chances Classify(const NetWeights& net, const std::array<float, kFeatureCount>& features) {
    std::array<float, kFeatureCount> x;
    for (int i = 0; i < kFeatureCount; ++i) x[i] = (features[i] - net.mean[i]) * net.inverseSpread[i];
    std::vector<float> hidden(static_cast<std::size_t>(net.hidden));
    for (int j = 0; j < net.hidden; ++j) {
        const float* w = net.w1 + static_cast<std::ptrdiff_t>(j) * kFeatureCount;
        float s = net.b1[j];
        for (int i = 0; i < kFeatureCount; ++i) s += w[i] * x[i];
        hidden[static_cast<std::size_t>(j)] = std::max(0.0F, s);
    }
    Chances out;
    for (int k = 0; k < kClasses; ++k) {
        const float* w = net.w2 + static_cast<std::ptrdiff_t>(k) * net.hidden;
        float s = net.b2[k];
        for (int j = 0; j < net.hidden; ++j) s += w[j] * hidden[static_cast<std::size_t>(j)];
        out[k] = s;
    }
    float top = *std::max_element(out.begin(), out.end());
    float sum = 0;
    for (float& v : out) sum += (v = std::exp(v - top));
    for (float& v : out) v /= sum;
    return out;
}

const NetWeights& DigitModel() {
    static const NetWeights net{.hidden = kModelHidden, .mean = kModelMean, .inverseSpread = kModelInverseSpread,
                                .w1 = kModelW1, .b1 = kModelB1, .w2 = kModelW2, .b2 = kModelB2};
    return net;
}

}  // namespace picture
