// A reproducible set of double-board pictures for the board reader: generated problems of every
// pattern, with and without the diagonal rule, drawn in Japanese and Latin faces and put through
// one kind of distortion each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "BoardDrawing.h"
#include "puzzle/DoubleBoard.h"

namespace picture::drawing {

struct TestFont {
    std::string family;
    bool japanese = false;  // has the kana and kanji of a Japanese caption
};

// The faces of the set: IPAMincho, IPAGothic, Noto Sans CJK JP, Noto Serif CJK JP, VL Gothic,
// DejaVu Sans, Liberation Serif, FreeSans, Nimbus Roman, Liberation Sans, FreeSerif.
const std::vector<TestFont>& TestFonts();

// The distortion groups in the order the set deals them out:
//   clean        a screenshot: nothing but the drawing (cells 24..64 pixels, as all below
//                unless said)
//   small        cells of 16..20 pixels
//   large        cells of 100..120 pixels
//   rotated      turned by 1 to 10 degrees either way (a scan)
//   perspective  the page tilted away from the camera by 2 to 12 % each way, turned up to 2 degrees
//   blur         Gaussian blur of sigma 0.6 to 0.6 + cell / 33 pixels
//   jpeg         JPEG of quality 40..60
//   noise        Gaussian noise of sigma 6..20 grey levels
//   grey         grey cells, some shaded darker (the shared cells or alternate boxes)
//   colour       light coloured cells and shading, coloured lines and digits
//   photo        a phone photo: shadow, mild perspective and turn, blur, noise, JPEG 70..92
const std::vector<std::string>& DistortionGroups();

struct Sample {
    puzzle::DoubleBoard problem;  // a generated problem with exactly one solution
    DrawStyle style;
    std::string group;  // one of DistortionGroups()
};

// The first `count` samples of the set of the seed. Sample i belongs to group i mod 11 and, as
// the i / 11-th of its group, takes the patterns 1..12 in turn, the diagonal rule every other
// time (so each pattern has it in one round and not in the next) and the fonts in turn. A
// sample depends only on the seed and its index, so a longer set begins with a shorter one.
std::vector<Sample> TestSet(int count, uint64_t seed);

}  // namespace picture::drawing
