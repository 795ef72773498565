// A board's logical path and rating written out for the command-line solver: as plain text
// lines, and as the JSON fields "steps" and "rating".
#pragma once

#include <string>
#include <vector>

#include "puzzle/StepPath.h"

namespace puzzle {

// "1. ヒドゥンシングル (Hidden Single) 2.0 グリッド1の3行5列に7: <sentence>", one line per step,
// then the rating line.
std::vector<std::string> StepsTextLines(const StepPath& path, int pattern);

// The two fields "steps":[...],"rating":{...} without surrounding braces, to be written into
// a problem's JSON object. Each step is {"technique":..,"difficulty":2.0,"text":..,"place" or
// "remove":[..]} with entries {"grid":1|2,"row":1..9,"col":1..9,"digit":1..9}; the rating is
// {"hardest":..,"difficulty":4.2,"level":"fish","finished":true} ("difficulty" only with a step).
std::string StepsJsonFields(const StepPath& path, int pattern);

// A JSON string literal for UTF-8 text.
std::string JsonString(const std::string& text);

}  // namespace puzzle
