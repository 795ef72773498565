// What a path given as input names, when it is not a file that can be read as one.
#pragma once

#include <optional>
#include <string>

namespace solve {

// Why the path cannot be read as an input file, in Japanese: it names a folder, a device or
// something else that is not a regular file. A pipe passes when pipes are allowed (lines are
// read in order; a collection is read by record and needs a regular file). Nothing when the
// path passes, or names nothing at all (opening it then says so).
std::optional<std::string> NotAFile(const std::string& path, bool pipeAllowed);

}  // namespace solve
