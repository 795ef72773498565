#include "app/solve/FileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "collection/CollectionFile.h"

namespace solve {
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

// Puts the complete temporary file in place under the name, never over a file: 0 or errno.
int LinkInPlace(const char* temporary, const std::string& path) {
    if (link(temporary, path.c_str()) == 0) return 0;
    int error = errno;
    // A file system without hard links (FAT, some network shares): a rename after a last look.
    if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS) return error;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return EEXIST;
    return std::rename(temporary, path.c_str()) == 0 ? 0 : errno;
}

}  // namespace

int WriteNewFile(const std::string& path, std::string_view bytes) {
    std::filesystem::path p(path);
    std::string pattern = (p.parent_path() / ("." + p.filename().string() + ".XXXXXX")).string();
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = mkstemp(temporary.data());
    if (fd < 0) return errno;
    // mkstemp makes the file private; the collection gets the mode a new file would get.
    mode_t mask = umask(0);
    umask(mask);
    int error = 0;
    if (fchmod(fd, 0666 & ~mask) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0) error = LinkInPlace(temporary.data(), path);
    unlink(temporary.data());
    if (error == 0) {
        // The new name lasts once the folder is on disk.
        int dir = open(p.parent_path().empty() ? "." : p.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            fsync(dir);
            close(dir);
        }
    }
    return error;
}

std::string WriteReason(int error) { return collection::ReasonText({collection::FileError::Stage::Write, error}); }

}  // namespace solve
