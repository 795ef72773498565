#include "app/solve/CollectionIO.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "app/solve/InputFile.h"
#include "collection/AtomicWrite.h"
#include "collection/CollectionFile.h"
#include "collection/MondaiRec.h"
#include "collection/ProblemCodec.h"
#include "puzzle/GridPosition.h"

namespace solve {
namespace {

using collection::CollectionFile;
using collection::MondaiRec;
using puzzle::GridName;
using puzzle::ProblemLine;

ProblemLine Error(std::string message) {
    ProblemLine r;
    r.kind = ProblemLine::Kind::Error;
    r.message = std::move(message);
    return r;
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
    // A second record that cannot be read leaves grid 2 empty, as the window loads it.
    MondaiRec b;
    bool hasB = cut.record != n + 1 && n + 1 <= records && file.Read(n + 1, b, &error) == CollectionFile::ReadStatus::Ok;
    std::optional<collection::DecodedProblem> decoded = collection::DecodeProblem(a, hasB ? &b : nullptr);
    if (!decoded) return Error("格納番号 " + std::to_string(n) + " はモゼルダブルの問題ではありません");
    // What the checks find is an error: the first record's grid, a cut second record, then
    // the second record's grid and cells that the records give differently.
    if (!decoded->findings.empty()) return Error(collection::FindingText(decoded->findings.front(), n, decoded->board.pattern));
    if (cut.record == n + 1) return Cut(n, 2, cut);
    ProblemLine r;
    r.kind = ProblemLine::Kind::Problem;
    r.board = decoded->board;
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
        collection::EncodeError encodeError;
        auto records = collection::EncodeProblem(p.board, s, {.nanido = std::to_string(p.difficulty), .memo = p.memo}, &encodeError);
        if (!records) return "問題集に保存できない文字「" + encodeError.character + "」があります";
        for (const MondaiRec& rec : *records) {
            collection::RecordBytes packed = collection::Pack(rec);
            bytes.append(packed.data(), packed.size());
        }
        s += 2;
    }
    // Written whole or not at all: a run that fails leaves no part of a collection.
    collection::AtomicWriteResult written =
        collection::WriteAtomically(path, bytes, collection::NewFileMode(), collection::Existing::Keep);
    if (written.error == EEXIST) return exists;
    if (written.error != 0)
        return "書き込めませんでした（" + collection::ReasonText({collection::FileError::Stage::Write, written.error}) + "）";
    return std::nullopt;
}

}  // namespace solve
