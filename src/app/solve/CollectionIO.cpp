#include "app/solve/CollectionIO.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "app/solve/FileWrite.h"
#include "app/solve/InputFile.h"
#include "collection/CollectionFile.h"
#include "collection/MondaiRec.h"
#include "puzzle/GridPosition.h"
#include "puzzle/ShownText.h"

namespace solve {
namespace {

using collection::CollectionFile;
using collection::MondaiRec;
using puzzle::GridName;
using puzzle::ProblemLine;
using puzzle::ShownField;

// Puts a record's 81 cells on the board; false when a shared cell already holds another digit.
bool Place(const MondaiRec& rec, puzzle::DoubleBoard& board, int& clashCell) {
    std::vector<int> cells = collection::SelectedBoardCells(board.pattern, rec.AB);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        int d = collection::DecodeCell(rec.Masu[i + 1]);
        auto c = static_cast<std::size_t>(cells[i]);
        if (d == 0) continue;
        if (board.digits[c] != 0 && board.digits[c] != d) {
            clashCell = cells[i];
            return false;
        }
        board.digits[c] = static_cast<uint8_t>(d);
    }
    return true;
}

ProblemLine Error(std::string message) {
    ProblemLine r;
    r.kind = ProblemLine::Kind::Error;
    r.message = std::move(message);
    return r;
}

// A record must say which grid it holds: the problem's first record grid 1 (A), its second
// grid 2 (B). An error message, or empty.
std::string WrongGrid(const MondaiRec& rec, int n, int g) {
    const char* ab = g == 1 ? "A" : "B";
    if (rec.AB == ab) return {};
    return "格納番号 " + std::to_string(n) + " の" + GridName(g) + "の記録の A/B 欄が「" + ShownField(rec.AB) + "」です（" + ab +
           " のはずです）";
}

// The record that the end of the file cuts short, and how many of its bytes there are; they
// are never read as a record.
struct CutRecord {
    std::int64_t record = 0;  // 0: the file ends with a whole record
    std::int64_t bytes = 0;
};

ProblemLine Cut(int n, int g, const CutRecord& cut) {
    return Error("格納番号 " + std::to_string(n) + " の途中でファイルが終わっています（" + GridName(g) + "の記録が " +
                 std::to_string(collection::kRecordSize) + " バイトのうち " + std::to_string(cut.bytes) + " バイトしかありません）");
}

ProblemLine ReadProblem(const CollectionFile& file, int n, std::int64_t records, const CutRecord& cut) {
    if (cut.record == n) return Cut(n, 1, cut);
    MondaiRec a;
    collection::FileError error;
    if (file.Read(n, a, &error) != CollectionFile::ReadStatus::Ok)
        return Error("格納番号 " + std::to_string(n) + " を読み込めませんでした（" + collection::ReasonText(error) + "）");
    std::optional<int> pattern = collection::DecodePattern(a.Pattern);
    if (!pattern) return Error("格納番号 " + std::to_string(n) + " はモゼルダブルの問題ではありません");
    if (std::string wrong = WrongGrid(a, n, 1); !wrong.empty()) return Error(wrong);
    if (cut.record == n + 1) return Cut(n, 2, cut);
    ProblemLine r;
    r.kind = ProblemLine::Kind::Problem;
    r.board.pattern = *pattern;
    r.board.diagonal = a.Naname == "1";
    int clash = 0;
    Place(a, r.board, clash);
    MondaiRec b;
    if (n + 1 > records || file.Read(n + 1, b, &error) != CollectionFile::ReadStatus::Ok) return r;
    if (std::string wrong = WrongGrid(b, n, 2); !wrong.empty()) return Error(wrong);
    if (!Place(b, r.board, clash))
        return Error("2つの盤が重なるマス（" + puzzle::SpacedCellName(r.board.pattern, clash, 2) + "）で 2つの盤の数字が食い違っています");
    return r;
}

}  // namespace

std::optional<std::vector<StoredProblem>> ReadCollection(const std::string& path, std::string& error) {
    if (std::optional<std::string> why = NotAFile(path, false)) {
        error = *why;
        return std::nullopt;
    }
    // Opening a collection creates a missing file; a reader must not leave one behind.
    std::error_code ec;
    if (std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found) {
        error = "問題集ファイルがありません";
        return std::nullopt;
    }
    collection::FileError fileError;
    std::optional<CollectionFile> file = CollectionFile::Open(path, &fileError);
    if (!file) {
        error = "問題集ファイルを開けません（" + collection::ReasonText(fileError) + "）";
        return std::nullopt;
    }
    const std::int64_t records = std::min<std::int64_t>(file->RecordCount(), collection::kLastRecord);
    CutRecord cut;
    if (file->TrailingBytes() > 0 && records < collection::kLastRecord) cut = {records + 1, file->TrailingBytes()};
    std::vector<StoredProblem> problems;
    for (int n = 1; n <= std::max(records, cut.record); n += 2) problems.push_back({n, ReadProblem(*file, n, records, cut)});
    return problems;
}

std::optional<std::string> WriteCollection(const std::string& path, const std::vector<ProblemToStore>& problems) {
    if (problems.size() > static_cast<std::size_t>(collection::kLastRecord / 2))
        return "問題集に入る問題は " + std::to_string(collection::kLastRecord / 2) + " 個までです";
    const std::string exists = "ファイルがすでにあります（上書きはしません）";
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return exists;
    if (problems.empty()) return std::nullopt;
    std::string bytes;
    int s = 1;
    for (const ProblemToStore& p : problems) {
        for (int g = 1; g <= 2; ++g) {
            collection::GridText grid;
            grid.recordNo = s + g - 1;
            grid.pattern = p.board.pattern;
            grid.ab = g == 1 ? 'A' : 'B';
            for (int k = 1; k <= puzzle::kGridCells; ++k) {
                int d = p.board.at(g, k);
                grid.cells[static_cast<std::size_t>(k)] = d == 0 ? "" : std::string(1, static_cast<char>('0' + d));
            }
            grid.naname = p.board.diagonal;
            grid.nanido = std::to_string(p.difficulty);
            grid.memo = p.memo;
            collection::EncodeError encodeError;
            std::optional<MondaiRec> rec = collection::Encode(grid, &encodeError);
            if (!rec) return "問題集に保存できない文字「" + encodeError.character + "」があります";
            collection::RecordBytes packed = collection::Pack(*rec);
            bytes.append(packed.data(), packed.size());
        }
        s += 2;
    }
    // Written whole or not at all: a run that fails leaves no part of a collection.
    if (int error = WriteNewFile(path, bytes)) return error == EEXIST ? exists : "書き込めませんでした（" + WriteReason(error) + "）";
    return std::nullopt;
}

}  // namespace solve
