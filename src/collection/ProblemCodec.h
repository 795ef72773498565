// A double problem and the two records a collection stores it in (the first holds grid 1, the
// second grid 2): the one conversion both ways, for the collection window and mozeldouble-solve,
// with the one set of checks a reader reports.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "collection/MondaiRec.h"
#include "puzzle/DoubleBoard.h"

namespace collection {

// What a problem's records note beside its cells, in the program's own (UTF-8) text.
struct ProblemNotes {
    std::string nanido = "3";     // difficulty, already reduced to its whole part
    std::string memo = {};        // description
    std::string question = {};    // problem number, first part
    std::string question2 = {};   // problem number, second part
};

// The board as the two records of storage number s (odd, 1..89): record s holds grid 1 ("A"),
// record s + 1 grid 2 ("B"), each its grid's 81 cells, the board's pattern and diagonal rule and
// the notes. firstDiagonal, when given, is the rule the first record notes instead (the
// window's option check box, which the board's controls follow unless a script sets one of
// them alone). Nothing when a text cannot be stored; error then names the first field and
// character.
std::optional<std::array<MondaiRec, 2>> EncodeProblem(const puzzle::DoubleBoard& board, int s, const ProblemNotes& notes,
                                                      EncodeError* error = nullptr,
                                                      std::optional<bool> firstDiagonal = std::nullopt);

// The givens a record places on the board: the board cells its A/B field selects in pattern p
// (grid 1's for "A", grid 2's for "B", none for anything else), in grid order, and the digit
// of each (0 for an empty cell).
struct RecordGivens {
    std::vector<int> cells;
    std::vector<int> digits;
};
RecordGivens GivensOf(const MondaiRec& rec, int pattern);

// What the checks find in a problem's two records. The problem is read all the same, the way
// the collection window shows it; mozeldouble-solve refuses it.
struct Finding {
    enum class Kind {
        WrongGrid,  // a record's A/B field does not name the grid its place holds
        Clash,      // cells that both records place, where the first gives a digit the second does not
    };
    Kind kind = Kind::WrongGrid;
    int grid = 1;    // WrongGrid: the grid the record should hold (1 the first record, 2 the second)
    std::string ab;  // WrongGrid: the field as stored
    int cell = 0;    // Clash: the first such board cell, in the second record's order
    int cells = 0;   // Clash: how many cells disagree so
};

// A problem read from its records.
struct DecodedProblem {
    // The pattern and the diagonal rule of the first record; the first record's givens, then
    // the second's over them, its empty cells included (a shared cell shows grid 2's record).
    puzzle::DoubleBoard board;
    // Each record's givens as the grid windows show them; the second empty without a record.
    std::array<RecordGivens, 2> givens;
    std::string number;  // the first record's own number field ("3 ")
    ProblemNotes notes;  // the first record's, as stored (padded with blanks)
    std::vector<Finding> findings;  // in order: the first record's grid, the second's, a clash
};

// The problem of a first record and the second, when there is one (a lone first record leaves
// grid 2 empty). Nothing when the first record's pattern field names no pattern: the records
// then hold no double problem.
std::optional<DecodedProblem> DecodeProblem(const MondaiRec& first, const MondaiRec* second);

// A finding in words, for the problem at storage number n in pattern p.
std::string FindingText(const Finding& finding, int n, int pattern);

}  // namespace collection
