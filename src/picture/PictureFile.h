// A picture file's bytes, read within bounds: a file that cannot be opened, is no regular file
// or is too large for any picture the reader takes gives a message in Japanese instead.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace picture {

// The bytes, or why they could not be read.
std::variant<std::vector<unsigned char>, std::string> ReadPictureBytes(const std::string& path);

}  // namespace picture
