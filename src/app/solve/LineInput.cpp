#include "app/solve/LineInput.h"

#include <limits>

namespace solve {

LineRead LineReader::Next(std::string_view& text) {
    // getline stores at most size - 1 bytes and a terminating NUL; it fails without an end of
    // file when the line goes on past them.
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    auto read = static_cast<std::size_t>(in_.gcount());
    if (in_.bad() || (in_.fail() && read == 0 && in_.eof())) {
        text = {};
        return LineRead::End;
    }
    if (in_.fail()) {
        in_.clear();
        text = {buffer_.data(), read};
        return LineRead::TooLong;
    }
    // gcount counts the '\n' that ended the line; a last line without one ends at the end of file.
    text = {buffer_.data(), in_.eof() ? read : read - 1};
    return LineRead::Line;
}

void LineReader::SkipRestOfLine() { in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); }

bool LineReader::MayWait() const {
    // Bytes in the stream's buffer, or else what the system says has arrived (a pipe's or a
    // terminal's bytes, the rest of a regular file).
    return in_.rdbuf()->in_avail() <= 0;
}

}  // namespace solve
