// The fuzz entry: any bytes as a collection file, decoded the way loading and counting do,
// in memory (each record, and the records two by two as problems) and through the file
// reader. A broken promise of the format code traps.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "collection/CollectionFile.h"
#include "collection/MondaiRec.h"
#include "collection/ProblemCodec.h"
#include "collection/ShiftJis.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

bool HasReplacement(const std::string& text) { return text.find("\xEF\xBF\xBD") != std::string::npos; }

// Text of a field: decodes, and what decoded cleanly encodes again into the same width.
void CheckText(const std::string& field) {
    std::string text = collection::FromShiftJis(field);
    if (!HasReplacement(text)) {
        auto again = collection::FitField(text, field.size());
        Check(again.has_value() && again->size() == field.size());
    }
}

void CheckRecord(const collection::MondaiRec& rec, const collection::RecordBytes& bytes) {
    Check(collection::Pack(rec) == bytes);
    auto pattern = collection::DecodePattern(rec.Pattern);
    if (pattern) {
        Check(*pattern >= 1 && *pattern <= 12);
        auto cells = collection::SelectedBoardCells(*pattern, rec.AB);
        Check(cells.size() == 81 || cells.empty());
        for (int c : cells) Check(c >= 1 && c <= 225);
    }
    for (int k = 1; k <= 81; ++k) {
        int d = collection::DecodeCell(rec.Masu[static_cast<size_t>(k)]);
        Check(d >= 0 && d <= 9);
    }
    for (const std::string* field : {&rec.Kakunou, &rec.Memo, &rec.Question, &rec.Question2}) CheckText(*field);
}

// Two records as a problem: a problem the checks find nothing in encodes as records that
// decode as the same board.
void CheckProblem(const collection::MondaiRec& first, const collection::MondaiRec* second) {
    auto problem = collection::DecodeProblem(first, second);
    Check(problem.has_value() == collection::DecodePattern(first.Pattern).has_value());
    if (!problem || !problem->findings.empty()) return;
    auto records = collection::EncodeProblem(problem->board, 1, {});
    Check(records.has_value());
    auto again = collection::DecodeProblem((*records)[0], &(*records)[1]);
    Check(again && again->findings.empty() && again->board == problem->board);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    size_t records = size / collection::kRecordSize;
    std::vector<collection::MondaiRec> unpacked;
    for (size_t r = 0; r < records; ++r) {
        collection::RecordBytes raw{};
        std::copy_n(bytes + r * collection::kRecordSize, collection::kRecordSize, raw.begin());
        unpacked.push_back(collection::Unpack(raw));
        CheckRecord(unpacked.back(), raw);
    }
    for (size_t r = 0; r < records; r += 2) CheckProblem(unpacked[r], r + 1 < records ? &unpacked[r + 1] : nullptr);

    // The same bytes as a file, through the reader the program uses.
    int fd = memfd_create("collection", MFD_CLOEXEC);
    if (fd < 0) return 0;
    for (size_t done = 0; done < size;) {
        ssize_t n = write(fd, bytes + done, size - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    auto count = collection::MondaiCount(path);
    Check(count.has_value() && *count == static_cast<int64_t>((records + 1) / 2));
    if (auto file = collection::CollectionFile::Open(path)) {
        int last = static_cast<int>(std::min<size_t>(records + 1, collection::kLastRecord + 1));
        for (int r = 0; r <= last; ++r) {
            collection::MondaiRec rec;
            auto status = file->Read(r, rec);
            bool inside = r >= 1 && static_cast<size_t>(r) <= records;
            Check((status == collection::CollectionFile::ReadStatus::Ok) == inside);
        }
    }
    close(fd);
    return 0;
}
