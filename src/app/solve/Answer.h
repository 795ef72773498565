// One answered problem of mozeldouble-solve, written as a plain line or as a JSON object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "puzzle/Solver.h"
#include "puzzle/StepPath.h"

namespace solve {

struct Answer {
    int line = 0;                 // the line number, or the storage number in a collection
    bool stored = false;          // line is a collection's storage number (JSON key "number")
    bool error = false;
    std::string message;          // why the line could not be read (error)
    puzzle::SolveResult result;   // the engine's answer (no error)
    int64_t nanos = 0;            // the engine's time for this problem (JSON: "nanos", and "micros" in
                                  // whole microseconds)
    int pattern = 12;             // the problem's pattern, to name the cells of its steps
    std::optional<puzzle::StepPath> path;  // the logical path from the givens (--steps)
};

// "LINE unique G1 G2", "LINE multiple G1 G2 G1' G2'", "LINE none" or "LINE error: MESSAGE";
// with a path, its step lines and rating line follow, each on a line of its own indented by
// two blanks. Appended to out, without a line end, so that a batch reuses one buffer.
void AppendPlainLine(std::string& out, const Answer& a);
std::string PlainLine(const Answer& a);

// {"line":N,"status":"...","solution":[G1,G2],"second":[G1,G2],"message":"...","micros":N,
// "nanos":N}, with only the keys that apply to the status; with a path, "steps" and "rating"
// come before "micros". Appended to out, without a line end.
void AppendJsonLine(std::string& out, const Answer& a);
std::string JsonLine(const Answer& a);

// Text as a JSON string literal; a byte that is not UTF-8 becomes U+FFFD, so the line parses.
std::string JsonString(const std::string& text);

}  // namespace solve
