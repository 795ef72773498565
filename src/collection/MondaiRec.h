// The 255-byte record of a problem collection file: one grid of one problem. Fields are kept
// as the Shift-JIS bytes the file holds, each exactly its width.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace collection {

constexpr std::size_t kRecordSize = 255;
// A collection holds at most 45 problems: records 1..90, storage numbers 1, 3, ..., 89.
constexpr int kLastRecord = 90;
constexpr int kLastStorageNumber = 89;

using RecordBytes = std::array<char, kRecordSize>;

struct MondaiRec {
    std::string Kakunou;              // 2: the record's own number ("3 ", "90")
    std::string Pattern;              // 2: overlap pattern 1..12 ("7 ", "12")
    std::string AB;                   // 1: "A" grid 1, "B" grid 2
    std::array<std::string, 82> Masu; // 2 each, Masu[1..81]: a digit and a space, or two spaces
    std::string Naname;               // 1: diagonal rule "1" on, "0" off
    std::string Nanido;               // 2: difficulty
    std::string Memo;                 // 50: description
    std::string Question;             // 3: problem number, first part
    std::string Question2;            // 2: problem number, second part
    std::string Yobi;                 // 30: spare
};

// Field widths in file order.
namespace width {
constexpr std::size_t Kakunou = 2, Pattern = 2, AB = 1, Masu = 2, Naname = 1, Nanido = 2, Memo = 50,
                      Question = 3, Question2 = 2, Yobi = 30;
}

// Splits 255 bytes into the fields.
MondaiRec Unpack(const RecordBytes& bytes);
// Joins the fields into 255 bytes; a field is cut or padded with spaces to its width.
RecordBytes Pack(const MondaiRec& rec);

// The overlap pattern of a record: a whole number 1..12 with spaces around it allowed; nothing
// when the field holds anything else (the record then is not a double problem).
std::optional<int> DecodePattern(std::string_view field);

// The digit of a stored cell: its first character as a digit 1..9; 0 (empty) for a space,
// "0" or anything that is not a digit.
int DecodeCell(std::string_view masu);

// The board cells (1..225) that receive a record's 81 cells in pattern p (1..12), in order:
// grid 1's cells for "A", grid 2's for "B", none for any other letter.
std::vector<int> SelectedBoardCells(int pattern, std::string_view ab);

// What a grid of the board becomes as a record, in the program's own (UTF-8) text.
struct GridText {
    int recordNo = 1;                   // storage number, or storage number + 1 for the B record
    int pattern = 1;                    // 1..12
    char ab = 'A';
    std::array<std::string, 82> cells;  // cells[1..81]: the grid's cell texts
    bool naname = false;
    std::string nanido = "3";           // difficulty, already reduced to its whole part
    std::string memo, question, question2;
};

// Why a grid could not be encoded: the field and the character that Shift-JIS cannot hold.
struct EncodeError {
    std::string field;      // "Memo", "Question", "Question2", "Masu", "Nanido"
    std::string character;  // the offending character, UTF-8
};

// Encodes a grid; texts are cut at their field width, never inside a double-byte character.
std::optional<MondaiRec> Encode(const GridText& grid, EncodeError* error = nullptr);

}  // namespace collection
