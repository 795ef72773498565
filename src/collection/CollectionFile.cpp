#include "collection/CollectionFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

#include "collection/AtomicWrite.h"
#include "puzzle/GridPosition.h"

namespace collection {
namespace {

std::atomic<std::chrono::milliseconds::rep> lockWaitMs{3000};

// Reads or writes all n bytes at offset, going on after a short transfer; false with errno set
// on failure (a read that meets the end of the file fails with errno 0).
bool ReadAll(int fd, char* data, std::size_t n, off_t offset) {
    while (n > 0) {
        ssize_t r = pread(fd, data, n, offset);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            if (r == 0) errno = 0;
            return false;
        }
        data += r;
        n -= static_cast<std::size_t>(r);
        offset += r;
    }
    return true;
}

bool WriteAll(int fd, const char* data, std::size_t n, off_t offset) {
    while (n > 0) {
        ssize_t r = pwrite(fd, data, n, offset);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return false;
        if (r == 0) {
            errno = ENOSPC;
            return false;
        }
        data += r;
        n -= static_cast<std::size_t>(r);
        offset += r;
    }
    return true;
}

// A descriptor closed when it goes.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) close(fd);
    }
};

FileError Failure(FileError::Stage stage) { return {stage, errno}; }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Opens the file with open_file and takes the lock (LOCK_SH or LOCK_EX), waiting up to the lock
// wait. A save replaces the file by renaming a new one over it, so the lock taken may belong to
// a file the name no longer points at: then the name is opened again. A file system without
// locks is used without them. Nothing, with the error, when the file cannot be opened or the
// lock was not had in time.
template <typename OpenFile>
std::optional<int> OpenLocked(const std::string& path, OpenFile open_file, int lock, FileError* error) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::milliseconds(lockWaitMs.load());
    for (;;) {
        Fd fd{open_file()};
        if (fd.fd < 0) {
            if (error) *error = Failure(FileError::Stage::Open);
            return std::nullopt;
        }
        bool locked = false;
        while (!locked) {
            if (flock(fd.fd, lock | LOCK_NB) == 0) {
                locked = true;
            } else if (errno == EINTR) {
                continue;
            } else if (errno != EWOULDBLOCK) {
                break;  // no locks here
            } else if (clock::now() >= deadline) {
                if (error) *error = {FileError::Stage::Lock, EWOULDBLOCK};
                return std::nullopt;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
        struct stat byFd {}, byName {};
        bool moved = locked && fstat(fd.fd, &byFd) == 0 && stat(path.c_str(), &byName) == 0 && !SameFile(byFd, byName);
        if (!moved) {
            int kept = fd.fd;
            fd.fd = -1;
            return kept;
        }
        if (clock::now() >= deadline) {
            if (error) *error = {FileError::Stage::Lock, EWOULDBLOCK};
            return std::nullopt;
        }
    }
}

// The name a save gives its temporary file beside the collection, as mkstemp fills it in:
// "." + the collection's name + "." + six letters or digits.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0) return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

void RemoveTemporariesOf(const std::string& path) {
    std::filesystem::path p(path);
    const std::string name = p.filename().string();
    const std::string folder = p.parent_path().empty() ? "." : p.parent_path().string();
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, name)) continue;
        struct stat st {};
        // Only regular files: a folder or link of that name is not ours.
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) {
            unlinkat(dirfd(dir), entry->d_name, 0);
        }
    }
    closedir(dir);
}

bool IsEmptyRecord(const char* bytes) {
    return std::all_of(bytes, bytes + kRecordSize, [](char c) { return c == '\0' || c == ' '; });
}

// The new contents of the file: the old, lengthened with zero bytes when needed, with the two
// records at s and s + 1.
std::vector<char> Contents(const std::vector<char>& old, int s, const RecordBytes& a, const RecordBytes& b) {
    std::size_t offset = static_cast<std::size_t>(s - 1) * kRecordSize;
    std::vector<char> contents = old;
    if (contents.size() < offset + 2 * kRecordSize) contents.resize(offset + 2 * kRecordSize, '\0');
    std::copy(a.begin(), a.end(), contents.begin() + static_cast<std::ptrdiff_t>(offset));
    std::copy(b.begin(), b.end(), contents.begin() + static_cast<std::ptrdiff_t>(offset + kRecordSize));
    return contents;
}

// Writes the two records in place; on failure puts back the bytes and the length there were.
std::optional<FileError> WriteInPlace(int fd, const std::vector<char>& old, const std::vector<char>& contents, int s) {
    off_t offset = static_cast<off_t>(s - 1) * static_cast<off_t>(kRecordSize);
    std::size_t n = 2 * kRecordSize;
    if (WriteAll(fd, contents.data() + offset, n, offset) && fsync(fd) == 0) return std::nullopt;
    FileError e = Failure(FileError::Stage::Write);
    if (old.size() > static_cast<std::size_t>(offset)) {
        std::size_t back = std::min(n, old.size() - static_cast<std::size_t>(offset));
        WriteAll(fd, old.data() + offset, back, offset);
    }
    if (ftruncate(fd, static_cast<off_t>(old.size())) == 0) fsync(fd);
    return e;
}

}  // namespace

void SetLockWait(std::chrono::milliseconds wait) { lockWaitMs = wait.count(); }

std::optional<CollectionFile> CollectionFile::Open(const std::string& path, FileError* error) {
    auto opened = OpenLocked(
        path,
        [&] {
            int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EACCES) {
                // A folder we may not write to: a file that is there can still be read. A file
                // that is not there could not be created: that is the reason to give.
                fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
                if (fd < 0 && errno == ENOENT) errno = EACCES;
            }
            return fd;
        },
        LOCK_SH, error);
    if (!opened) return std::nullopt;
    int fd = *opened;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error) *error = {FileError::Stage::Open, S_ISDIR(st.st_mode) ? EISDIR : errno ? errno : EINVAL};
        close(fd);
        return std::nullopt;
    }
    return CollectionFile(fd, path);
}

CollectionFile::~CollectionFile() {
    if (fd_ >= 0) close(fd_);
}

CollectionFile::CollectionFile(CollectionFile&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
    other.fd_ = -1;
}

CollectionFile& CollectionFile::operator=(CollectionFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) close(fd_);
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

void CollectionFile::RemoveStaleTemporaries() const { RemoveTemporariesOf(path_); }

std::int64_t CollectionFile::RecordCount() const {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_size) / static_cast<std::int64_t>(kRecordSize);
}

std::int64_t CollectionFile::TrailingBytes() const {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_size) % static_cast<std::int64_t>(kRecordSize);
}

CollectionFile::ReadStatus CollectionFile::Read(int r, MondaiRec& rec, FileError* error) const {
    if (r < 1 || r > RecordCount()) return ReadStatus::PastEnd;
    RecordBytes bytes{};
    if (!ReadAll(fd_, bytes.data(), bytes.size(), static_cast<off_t>(r - 1) * static_cast<off_t>(kRecordSize))) {
        if (errno == 0) return ReadStatus::PastEnd;  // the file shrank meanwhile
        if (error) *error = Failure(FileError::Stage::Read);
        return ReadStatus::Failed;
    }
    rec = Unpack(bytes);
    return ReadStatus::Ok;
}

std::optional<std::int64_t> MondaiCount(const std::string& path, FileError* error) {
    auto file = CollectionFile::Open(path, error);
    if (!file) return std::nullopt;
    return (file->RecordCount() + 1) / 2;
}

bool HoldsProblem(const RecordBytes& record) {
    return DecodePattern(std::string_view(record.data() + width::Kakunou, width::Pattern)).has_value();
}

std::optional<Survey> SurveyCollection(const std::string& path, int s, FileError* error) {
    Survey survey;
    FileError openError;
    auto opened = OpenLocked(path, [&] { return open(path.c_str(), O_RDONLY | O_CLOEXEC); }, LOCK_SH, &openError);
    if (!opened) {
        if (openError.stage == FileError::Stage::Open && openError.error == ENOENT) return survey;
        if (error) *error = openError;
        return std::nullopt;
    }
    Fd fd{*opened};
    survey.exists = true;
    struct stat st {};
    if (fstat(fd.fd, &st) != 0) {
        if (error) *error = Failure(FileError::Stage::Open);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        if (error) *error = {FileError::Stage::Open, S_ISDIR(st.st_mode) ? EISDIR : EINVAL};
        return std::nullopt;
    }
    survey.records = static_cast<std::int64_t>(st.st_size) / static_cast<std::int64_t>(kRecordSize);
    survey.trailingBytes = static_cast<std::int64_t>(st.st_size) % static_cast<std::int64_t>(kRecordSize);
    survey.looksLikeCollection = survey.trailingBytes == 0;
    RecordBytes record{};
    for (std::int64_t r = 1; r <= survey.records; ++r) {
        if (!ReadAll(fd.fd, record.data(), record.size(), static_cast<off_t>(r - 1) * static_cast<off_t>(kRecordSize))) {
            if (error) *error = {FileError::Stage::Read, errno ? errno : EIO};
            return std::nullopt;
        }
        if (r == s) survey.storedA = record;
        if (!IsEmptyRecord(record.data()) && !HoldsProblem(record)) survey.looksLikeCollection = false;
        // Past the record asked for, one stranger is enough to know.
        if (!survey.looksLikeCollection && r >= s) break;
    }
    return survey;
}

std::optional<FileError> WriteProblem(const std::string& path, int s, const MondaiRec& a, const MondaiRec& b,
                                      const Survey* seen) {
    if (s < 1 || s > kLastStorageNumber || s % 2 == 0) throw std::invalid_argument("storage numbers are odd, 1..89");
    RecordBytes packedA = Pack(a);
    RecordBytes packedB = Pack(b);

    // Opening for writing is the test that the file may be written at all.
    FileError openError;
    auto opened = OpenLocked(path, [&] { return open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666); }, LOCK_EX,
                             &openError);
    if (!opened) return openError;
    Fd fd{*opened};
    struct stat st {};
    if (fstat(fd.fd, &st) != 0) return Failure(FileError::Stage::Open);
    if (!S_ISREG(st.st_mode)) return FileError{FileError::Stage::Open, EISDIR};
    std::vector<char> old(static_cast<std::size_t>(st.st_size));
    if (!old.empty() && !ReadAll(fd.fd, old.data(), old.size(), 0)) {
        return FileError{FileError::Stage::Read, errno ? errno : EIO};
    }
    const std::size_t offset = static_cast<std::size_t>(s - 1) * kRecordSize;
    // A record cut short stays a fragment: records beyond it would pad it with zero bytes.
    if (old.size() % kRecordSize != 0 && offset > old.size()) {
        return FileError{FileError::Stage::Cut, 0, static_cast<int>(old.size() / kRecordSize) + 1};
    }
    if (seen) {
        // The problem the user agreed to replace, or the absence of one, must still be there;
        // a gap another save left meanwhile is no problem.
        std::optional<RecordBytes> now;
        if (old.size() >= offset + kRecordSize) {
            now.emplace();
            std::copy_n(old.begin() + static_cast<std::ptrdiff_t>(offset), kRecordSize, now->begin());
        }
        auto problem = [](const std::optional<RecordBytes>& r) { return r && HoldsProblem(*r) ? r : std::nullopt; };
        if (problem(now) != problem(seen->storedA)) return FileError{FileError::Stage::Changed, 0};
    }
    std::vector<char> contents = Contents(old, s, packedA, packedB);
    RemoveTemporariesOf(path);

    // Replace through the real file, so that a link keeps pointing at it.
    char resolved[PATH_MAX];
    std::string target = realpath(path.c_str(), resolved) ? std::string(resolved) : path;
    AtomicWriteResult written =
        WriteAtomically(target, std::string_view(contents.data(), contents.size()), st.st_mode, Existing::Replace);
    if (written.noTemporary) return WriteInPlace(fd.fd, old, contents, s);
    if (written.error != 0) return FileError{FileError::Stage::Write, written.error};
    return std::nullopt;
}

std::string ReasonText(const FileError& error) {
    switch (error.stage) {
    case FileError::Stage::Lock:
        return "ほかのプログラムがこの問題集ファイルを使っています。しばらくしてから、もう一度お試しください。";
    case FileError::Stage::Changed:
        return "書き込んでよいか確かめている間に、ほかのプログラムがこの格納番号の問題を書き換えました。"
               "もう一度書き込んでください。";
    case FileError::Stage::Cut: {
        int n = error.record % 2 == 1 ? error.record : error.record - 1;
        return "ファイルの最後の記録（格納番号 " + std::to_string(n) + " の" + puzzle::GridName(error.record % 2 == 1 ? 1 : 2) +
               "）が途中で切れています。これより後ろに書き込むと、切れた記録が完全な記録に見えてしまいます。"
               "格納番号 " + std::to_string(n) + " に書き込めば、切れた記録は置き換わります。";
    }
    case FileError::Stage::Open:
    case FileError::Stage::Read:
    case FileError::Stage::Write:
        break;
    }
    switch (error.error) {
    case EACCES:
    case EPERM:
        return "書き込みまたは読み込みが許可されていません（読み取り専用のファイルかフォルダです）。";
    case EROFS:
        return "読み取り専用の場所にあります。";
    case ENOENT:
        return "ファイルまたはフォルダが見つかりません。";
    case ENOTDIR:
        return "パスの途中に、フォルダではなくファイルがあります。";
    case ENOSPC:
        return "ディスクの空き容量が足りません。";
    case EDQUOT:
        return "ディスクの使用量の上限（クォータ）を超えました。";
    case EFBIG:
        return "ファイルの大きさの上限を超えました（このプログラムに許されたファイルの大きさを超えます）。";
    case ENAMETOOLONG:
        return "ファイル名またはパスが長すぎます。";
    case EISDIR:
        return "ファイルではなくフォルダが指定されています。";
    case ELOOP:
        return "シンボリックリンクが多すぎるか、循環しています。";
    case EMFILE:
    case ENFILE:
        return "開いているファイルが多すぎます。";
    case EIO:
        return "ディスクの読み書きに失敗しました。";
    default:
        return "エラー番号 " + std::to_string(error.error) + "（" + std::strerror(error.error) + "）";
    }
}

}  // namespace collection
