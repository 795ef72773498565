// A problem collection file: fixed 255-byte records addressed by record number (from 1), no
// header. Reading never changes the file; a problem is written as its two records at once.
// Every reader holds a shared lock on the file and a writer an exclusive one, across the whole
// read, write and rename, so that two programs saving into one collection keep each other's
// problems.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "collection/MondaiRec.h"

namespace collection {

// What went wrong with a file: the system's error number, and where.
struct FileError {
    enum class Stage {
        Open,
        Read,
        Write,
        Lock,     // another program kept the file locked for longer than the lock wait
        Changed,  // the record to replace changed after the user was asked
        Cut,      // the write would make a record cut short at the end look whole
    };
    Stage stage = Stage::Open;
    int error = 0;   // errno
    int record = 0;  // Cut: the record that is cut short
};

// How long opening and writing wait for another program's lock before they give up.
void SetLockWait(std::chrono::milliseconds wait);

// A collection opened for reading by record, under a shared lock held as long as the object
// lives. Opening creates a missing file (empty).
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
    // Removes what saves killed half-way left behind: the temporary files a save writes beside
    // the collection (".NAME.XXXXXX"), and nothing else. Safe under the lock, which no save
    // holds while this runs.
    void RemoveStaleTemporaries() const;

private:
    CollectionFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_ = -1;
    std::string path_;
};

// The problems of a collection: its whole records, two a problem; a final lone A record
// counts as a problem of its own. Nothing when the file cannot be opened (error says why).
std::optional<std::int64_t> MondaiCount(const std::string& path, FileError* error = nullptr);

// What a save asks of a collection before it writes, so that it can ask the user first.
struct Survey {
    bool exists = false;
    // Whole records only, each either empty (zero bytes or blanks, as gaps are left) or with
    // an overlap pattern 1..12 in its pattern field.
    bool looksLikeCollection = true;
    std::int64_t records = 0;             // whole records
    std::int64_t trailingBytes = 0;       // bytes of a record cut short at the end
    std::optional<RecordBytes> storedA;   // record s, when the file holds it whole
};
// Looks at the collection at path for a save at storage number s; never creates the file.
std::optional<Survey> SurveyCollection(const std::string& path, int s, FileError* error = nullptr);
// The problem a record holds, when it is one: its pattern field names a pattern.
bool HoldsProblem(const RecordBytes& record);

// Writes a problem: record s and s + 1 (s odd, 1..89). A file that does not exist is created;
// records skipped over read back as zero bytes. Either both records are written, or the file
// is left as it was: the new contents go to a temporary file beside it that replaces the file
// at once; where no file can be made beside it, the records are written in place and put back
// on failure. A file that ends inside a record is never lengthened past it (that would make the
// fragment look like a whole record). With seen, the write goes ahead only when record s is
// still as the survey found it: the same problem, or still none. Nothing when all went well.
std::optional<FileError> WriteProblem(const std::string& path, int s, const MondaiRec& a, const MondaiRec& b,
                                      const Survey* seen = nullptr);

// The reason for a file error, in Japanese, for the user.
std::string ReasonText(const FileError& error);

}  // namespace collection
