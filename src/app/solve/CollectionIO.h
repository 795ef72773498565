// mozeldouble-solve's use of problem collection files: the problems of a collection read as
// boards, and generated problems written as a new collection.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "puzzle/ProblemLine.h"
#include "puzzle/DoubleBoard.h"

namespace solve {

// One stored problem: its storage number (1, 3, ..., 89) and the board, or why it cannot be
// read (a record that is not a double problem, a record of the wrong grid, shared cells given
// differently by the grids, a record cut short by the end of the file).
struct StoredProblem {
    int number = 1;
    puzzle::ProblemLine problem;  // kind Problem or Error
};

// The problems of a collection, in storage order. A missing B record leaves grid 2 empty; a
// record that the end of the file cuts short makes its problem an error, never a record.
// Nothing, with the reason in error, when the file is missing, is no regular file or cannot
// be read; the file is never created or changed.
std::optional<std::vector<StoredProblem>> ReadCollection(const std::string& path, std::string& error);

// A generated problem to store, with what its record notes: the difficulty field (1..6) and a
// description.
struct ProblemToStore {
    puzzle::DoubleBoard board;
    int difficulty = 3;
    std::string memo;
};

// Writes the problems as a new collection file at storage numbers 1, 3, 5, ...; at most 45.
// Refuses a path where a file already exists, so nothing stored is lost. The file appears
// whole or not at all. The reason in Japanese when it could not write, else nothing.
std::optional<std::string> WriteCollection(const std::string& path, const std::vector<ProblemToStore>& problems);

}  // namespace solve
