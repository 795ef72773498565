#include "collection/CollectionFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace collection {
namespace {

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

// Writes the contents to a new file beside the target and puts it in the target's place. False
// with created = false when no file can be made beside it.
std::optional<FileError> ReplaceWhole(const std::string& target, const std::vector<char>& contents, mode_t mode,
                                      bool& created) {
    std::filesystem::path p(target);
    std::string pattern = (p.parent_path() / ("." + p.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Fd tmp{mkstemp(name.data())};
    created = tmp.fd >= 0;
    if (!created) return std::nullopt;
    auto fail = [&] {
        FileError e = Failure(FileError::Stage::Write);
        unlink(name.data());
        return e;
    };
    if (fchmod(tmp.fd, mode & 07777) != 0) return fail();
    if (!WriteAll(tmp.fd, contents.data(), contents.size(), 0)) return fail();
    if (fsync(tmp.fd) != 0) return fail();
    if (rename(name.data(), target.c_str()) != 0) return fail();
    // The rename itself lasts once the folder is on disk.
    Fd dir{open(p.parent_path().empty() ? "." : p.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) fsync(dir.fd);
    return std::nullopt;
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

std::optional<CollectionFile> CollectionFile::Open(const std::string& path, FileError* error) {
    int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES) {
        // A folder we may not write to: a file that is there can still be read. A file that
        // is not there could not be created: that is the reason to give.
        fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) errno = EACCES;
    }
    if (fd < 0) {
        if (error) *error = Failure(FileError::Stage::Open);
        return std::nullopt;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error) *error = {FileError::Stage::Open, S_ISDIR(st.st_mode) ? EISDIR : errno ? errno : EINVAL};
        close(fd);
        return std::nullopt;
    }
    return CollectionFile(fd);
}

CollectionFile::~CollectionFile() {
    if (fd_ >= 0) close(fd_);
}

CollectionFile::CollectionFile(CollectionFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

CollectionFile& CollectionFile::operator=(CollectionFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

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

std::optional<FileError> WriteProblem(const std::string& path, int s, const MondaiRec& a, const MondaiRec& b) {
    if (s < 1 || s > kLastStorageNumber || s % 2 == 0) throw std::invalid_argument("storage numbers are odd, 1..89");
    RecordBytes packedA = Pack(a);
    RecordBytes packedB = Pack(b);

    // Opening for writing is the test that the file may be written at all.
    Fd fd{open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)};
    if (fd.fd < 0) return Failure(FileError::Stage::Open);
    struct stat st {};
    if (fstat(fd.fd, &st) != 0) return Failure(FileError::Stage::Open);
    if (!S_ISREG(st.st_mode)) return FileError{FileError::Stage::Open, EISDIR};
    std::vector<char> old(static_cast<std::size_t>(st.st_size));
    if (!old.empty() && !ReadAll(fd.fd, old.data(), old.size(), 0)) {
        return FileError{FileError::Stage::Read, errno ? errno : EIO};
    }
    std::vector<char> contents = Contents(old, s, packedA, packedB);

    // Replace through the real file, so that a link keeps pointing at it.
    char resolved[PATH_MAX];
    std::string target = realpath(path.c_str(), resolved) ? std::string(resolved) : path;
    bool created = false;
    if (auto e = ReplaceWhole(target, contents, st.st_mode, created)) return e;
    if (created) return std::nullopt;
    return WriteInPlace(fd.fd, old, contents, s);
}

std::string ReasonText(const FileError& error) {
    switch (error.error) {
    case EACCES:
    case EPERM:
        return "書き込みまたは読み込みが許可されていません（読み取り専用のファイルかフォルダです）。";
    case EROFS:
        return "読み取り専用の場所にあります。";
    case ENOENT:
    case ENOTDIR:
        return "ファイルのあるフォルダが見つかりません。";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "ディスクの空き容量が足りません。";
    case EISDIR:
        return "ファイルではなくフォルダが指定されています。";
    case EIO:
        return "ディスクの読み書きに失敗しました。";
    default:
        return "エラー番号 " + std::to_string(error.error) + "（" + std::strerror(error.error) + "）";
    }
}

}  // namespace collection
