#include "app/solve/LineInput.h"

#include <limits>

namespace solve {

LineRead ReadLine(std::istream& in, std::string& text) {
    // getline stores at most size - 1 bytes and a terminating NUL; it fails without an end of
    // file when the line goes on past them.
    text.resize(kMaxLineBytes + 1);
    in.getline(text.data(), static_cast<std::streamsize>(text.size()));
    auto read = static_cast<std::size_t>(in.gcount());
    if (in.bad() || (in.fail() && read == 0 && in.eof())) {
        text.clear();
        return LineRead::End;
    }
    if (in.fail()) {
        in.clear();
        text.resize(read);
        return LineRead::TooLong;
    }
    // gcount counts the '\n' that ended the line; a last line without one ends at the end of file.
    text.resize(in.eof() ? read : read - 1);
    return LineRead::Line;
}

void SkipRestOfLine(std::istream& in) { in.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); }

}  // namespace solve
