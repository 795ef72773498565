// Writing a new file whole or not at all, and the reason a write failed, for the user.
#pragma once

#include <string>
#include <string_view>

namespace solve {

// Writes bytes as a new file at path: to a temporary file beside it (".NAME.XXXXXX", the
// collection library's pattern) that is linked in under the name only when complete. On
// failure, and when a file appeared under the name meanwhile (EEXIST), nothing is left and
// nothing is replaced. 0 when written, else the errno.
int WriteNewFile(const std::string& path, std::string_view bytes);

// Why a write failed with errno error, in Japanese.
std::string WriteReason(int error);

}  // namespace solve
