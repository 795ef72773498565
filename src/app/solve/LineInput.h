// Lines of an input read with a bound on their length, so that a file without line ends
// (/dev/zero, a binary file, one huge field) never fills the memory.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string_view>

namespace solve {

// The longest line read, in bytes without its line end. A problem line is under 200 bytes;
// the rest is room for blanks and comments.
constexpr std::size_t kMaxLineBytes = 4096;

enum class LineRead { Line, TooLong, End };

// Reads the lines of a stream into a buffer of its own, so that reading a line allocates
// nothing.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Reads the next line into text, without its '\n'; text stays valid until the next call.
    // TooLong: the line has more than kMaxLineBytes bytes; text holds the first of them and
    // the rest is left unread for SkipRestOfLine. End: nothing is left, or reading failed (the
    // stream is then bad()).
    LineRead Next(std::string_view& text);

    // Passes over the rest of a line without storing it, up to and including its '\n'.
    void SkipRestOfLine();

    // True when nothing that has arrived is left to read: reading on may wait for more input
    // (a pipe or a terminal), so answers given so far should be written out first.
    bool MayWait() const;

private:
    std::istream& in_;
    std::array<char, kMaxLineBytes + 1> buffer_;
};

}  // namespace solve
