#include "collection/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace collection {
namespace {

// False with errno set when not every byte could be written.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Gives the complete temporary file the name: 0 or the errno.
int PutInPlace(const char* temporary, const std::string& path, Existing existing) {
    if (existing == Existing::Replace) return std::rename(temporary, path.c_str()) == 0 ? 0 : errno;
    if (link(temporary, path.c_str()) == 0) return 0;
    int error = errno;
    // A file system without hard links (FAT, some network shares): a rename after a last look.
    if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS) return error;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return EEXIST;
    return std::rename(temporary, path.c_str()) == 0 ? 0 : errno;
}

}  // namespace

mode_t NewFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

AtomicWriteResult WriteAtomically(const std::string& path, std::string_view bytes, mode_t mode, Existing existing) {
    std::filesystem::path p(path);
    std::string pattern = (p.parent_path() / ("." + p.filename().string() + ".XXXXXX")).string();
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = mkstemp(temporary.data());
    if (fd < 0) return {errno, true};
    // mkstemp makes the file private; it gets the mode asked for.
    int error = 0;
    if (fchmod(fd, mode & 07777) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0) error = PutInPlace(temporary.data(), path, existing);
    // After a rename the temporary name is gone; after a link or a failure it goes now.
    if (error != 0 || existing == Existing::Keep) unlink(temporary.data());
    if (error != 0) return {error, false};
    // The new name lasts once the folder is on disk.
    int dir = open(p.parent_path().empty() ? "." : p.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return {};
}

}  // namespace collection
