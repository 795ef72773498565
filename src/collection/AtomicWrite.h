// Writing a file whole or not at all: the bytes go to a new file beside it, which then takes
// its name. The collection window's saves and mozeldouble-solve's new collections both write so.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace collection {

// What happens to a file already under the name.
enum class Existing {
    Replace,  // the new file takes its place
    Keep,     // the write fails with EEXIST and the file stays
};

struct AtomicWriteResult {
    int error = 0;             // 0 when written, else the errno
    bool noTemporary = false;  // no file could be made beside the target: nothing was touched
};

// Writes bytes to a temporary file beside path (".NAME.XXXXXX", the pattern the collection
// removes as left by a killed save) with the permission bits mode, syncs it and gives it the
// name: by a rename over the file there (Replace), so that a reader sees the old file or the
// new one and never a part; or by a hard link that fails while any file is there (Keep), so
// that a file that appeared meanwhile is never replaced (where the file system has no hard
// links, a rename after a last look). Links are not followed: pass the real path to replace
// the file a link points at. On failure nothing is left behind and the file under the name is
// as it was.
AtomicWriteResult WriteAtomically(const std::string& path, std::string_view bytes, mode_t mode, Existing existing);

// The permission bits a new file gets: 0666 less the process's umask.
mode_t NewFileMode();

}  // namespace collection
