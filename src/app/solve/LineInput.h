// Lines of an input read with a bound on their length, so that a file without line ends
// (/dev/zero, a binary file, one huge field) never fills the memory.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace solve {

// The longest line read, in bytes without its line end. A problem line is under 200 bytes;
// the rest is room for blanks and comments.
constexpr std::size_t kMaxLineBytes = 4096;

enum class LineRead { Line, TooLong, End };

// Reads the next line into text, without its '\n'. TooLong: the line has more than
// kMaxLineBytes bytes; text holds the first of them and the rest is left unread for
// SkipRestOfLine. End: nothing is left, or reading failed (the stream is then bad()).
LineRead ReadLine(std::istream& in, std::string& text);

// Passes over the rest of a line without storing it, up to and including its '\n'.
void SkipRestOfLine(std::istream& in);

}  // namespace solve
