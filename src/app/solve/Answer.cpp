#include "app/solve/Answer.h"

#include <charconv>
#include <cstdio>

#include "puzzle/StepsOutput.h"
#include "puzzle/Utf8.h"

namespace solve {
namespace {

const char* Status(const Answer& a) {
    if (a.error) return "error";
    switch (a.result.verdict) {
        case puzzle::Verdict::Unique: return "unique";
        case puzzle::Verdict::Multiple: return "multiple";
        case puzzle::Verdict::None: break;
    }
    return "none";
}

void AppendNumber(std::string& out, int64_t n) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

// Grid g as 81 characters, '.' for an empty cell (puzzle::GridText, without a string of its
// own). The grid's rows lie along the board's.
void AppendGrid(std::string& out, const puzzle::DoubleBoard& b, int g) {
    static constexpr char kShown[17] = ".123456789??????";
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(b.pattern);
    char text[puzzle::kGridCells];
    for (int row = 0; row < puzzle::kGridSize; ++row) {
        const uint8_t* cells = &b.digits[static_cast<std::size_t>(puzzle::BoardCellOf(pattern, g, row * puzzle::kGridSize + 1))];
        for (int column = 0; column < puzzle::kGridSize; ++column)
            text[row * puzzle::kGridSize + column] = kShown[cells[column] & 15];
    }
    out.append(text, sizeof text);
}

void AppendGrids(std::string& out, const puzzle::DoubleBoard& b, const char* separator, const char* quote) {
    out += quote;
    AppendGrid(out, b, 1);
    out += quote;
    out += separator;
    out += quote;
    AppendGrid(out, b, 2);
    out += quote;
}

void AppendJsonString(std::string& s, const std::string& text) {
    s += '"';
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = puzzle::Utf8SequenceLength(text, pos);
        auto u = static_cast<unsigned char>(text[pos]);
        if (length == 0) {
            s += "\xEF\xBF\xBD";  // U+FFFD for a byte that is not UTF-8
            length = 1;
        } else if (length > 1) {
            s.append(text, pos, length);
        } else if (u == '"' || u == '\\') {
            s += '\\';
            s += text[pos];
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            s += buffer;
        } else {
            s += text[pos];
        }
        pos += length;
    }
    s += '"';
}

}  // namespace

void AppendPlainLine(std::string& out, const Answer& a) {
    AppendNumber(out, a.line);
    out += ' ';
    out += Status(a);
    if (a.error) {
        out += ": ";
        out += a.message;
        return;
    }
    if (a.result.verdict != puzzle::Verdict::None) {
        out += ' ';
        AppendGrids(out, a.result.solution, " ", "");
    }
    if (a.result.verdict == puzzle::Verdict::Multiple) {
        out += ' ';
        AppendGrids(out, a.result.second, " ", "");
    }
    if (a.path)
        for (const std::string& line : puzzle::StepsTextLines(*a.path, a.pattern)) {
            out += "\n  ";
            out += line;
        }
}

std::string PlainLine(const Answer& a) {
    std::string s;
    AppendPlainLine(s, a);
    return s;
}

std::string JsonString(const std::string& text) {
    std::string s;
    AppendJsonString(s, text);
    return s;
}

void AppendJsonLine(std::string& out, const Answer& a) {
    out += a.stored ? "{\"number\":" : "{\"line\":";
    AppendNumber(out, a.line);
    out += ",\"status\":\"";
    out += Status(a);
    out += '"';
    if (a.error) {
        out += ",\"message\":";
        AppendJsonString(out, a.message);
        out += '}';
        return;
    }
    if (a.result.verdict != puzzle::Verdict::None) {
        out += ",\"solution\":[";
        AppendGrids(out, a.result.solution, ",", "\"");
        out += ']';
    }
    if (a.result.verdict == puzzle::Verdict::Multiple) {
        out += ",\"second\":[";
        AppendGrids(out, a.result.second, ",", "\"");
        out += ']';
    }
    if (a.path) {
        out += ',';
        out += puzzle::StepsJsonFields(*a.path, a.pattern);
    }
    out += ",\"micros\":";
    AppendNumber(out, a.nanos / 1000);
    out += ",\"nanos\":";
    AppendNumber(out, a.nanos);
    out += '}';
}

std::string JsonLine(const Answer& a) {
    std::string s;
    AppendJsonLine(s, a);
    return s;
}

}  // namespace solve
