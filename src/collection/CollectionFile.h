// A problem collection file: fixed 255-byte records addressed by record number (from 1), no
// header. Reading never changes the file; a problem is written as its two records at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "collection/MondaiRec.h"

namespace collection {

// What went wrong with a file: the system's error number, and where.
struct FileError {
    enum class Stage { Open, Read, Write };
    Stage stage = Stage::Open;
    int error = 0;  // errno
};

// A collection opened for reading by record. Opening creates a missing file (empty).
class CollectionFile {
public:
    static std::optional<CollectionFile> Open(const std::string& path, FileError* error = nullptr);
    ~CollectionFile();
    CollectionFile(CollectionFile&& other) noexcept;
    CollectionFile& operator=(CollectionFile&& other) noexcept;
    CollectionFile(const CollectionFile&) = delete;
    CollectionFile& operator=(const CollectionFile&) = delete;

    enum class ReadStatus { Ok, PastEnd, Failed };
    // Record r (1-based); PastEnd when it does not lie wholly inside the file.
    ReadStatus Read(int r, MondaiRec& rec, FileError* error = nullptr) const;
    // Whole records in the file; a cut-off last record does not count.
    std::int64_t RecordCount() const;
    // Bytes after the last whole record: more than 0 when the file ends inside a record.
    std::int64_t TrailingBytes() const;

private:
    explicit CollectionFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// The problems of a collection: its whole records, two a problem; a final lone A record
// counts as a problem of its own. Nothing when the file cannot be opened (error says why).
std::optional<std::int64_t> MondaiCount(const std::string& path, FileError* error = nullptr);

// Writes a problem: record s and s + 1 (s odd, 1..89). A file that does not exist is created;
// records skipped over read back as zero bytes. Either both records are written, or the file
// is left as it was: the new contents go to a temporary file beside it that replaces the file
// at once; where no file can be made beside it, the records are written in place and put back
// on failure. Nothing when all went well.
std::optional<FileError> WriteProblem(const std::string& path, int s, const MondaiRec& a, const MondaiRec& b);

// The reason for a file error, in Japanese, for the user.
std::string ReasonText(const FileError& error);

}  // namespace collection
