#include "app/solve/Answer.h"

#include <cstdio>

#include "puzzle/Utf8.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/StepsOutput.h"

namespace solve {
namespace {

using puzzle::GridText;

const char* Status(const Answer& a) {
    if (a.error) return "error";
    switch (a.result.verdict) {
        case puzzle::Verdict::Unique: return "unique";
        case puzzle::Verdict::Multiple: return "multiple";
        case puzzle::Verdict::None: break;
    }
    return "none";
}

std::string Grids(const puzzle::DoubleBoard& b, const char* separator, const char* quote) {
    return quote + GridText(b, 1) + quote + separator + quote + GridText(b, 2) + quote;
}

}  // namespace

std::string PlainLine(const Answer& a) {
    std::string s = std::to_string(a.line) + " " + Status(a);
    if (a.error) return s + ": " + a.message;
    if (a.result.verdict != puzzle::Verdict::None) s += " " + Grids(a.result.solution, " ", "");
    if (a.result.verdict == puzzle::Verdict::Multiple) s += " " + Grids(a.result.second, " ", "");
    if (a.path)
        for (const std::string& line : puzzle::StepsTextLines(*a.path, a.pattern)) s += "\n  " + line;
    return s;
}

std::string JsonString(const std::string& text) {
    std::string s = "\"";
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
    return s + "\"";
}

std::string JsonLine(const Answer& a) {
    std::string s = std::string(a.stored ? "{\"number\":" : "{\"line\":") + std::to_string(a.line) + ",\"status\":\"" + Status(a) + "\"";
    if (a.error) return s + ",\"message\":" + JsonString(a.message) + "}";
    if (a.result.verdict != puzzle::Verdict::None) s += ",\"solution\":[" + Grids(a.result.solution, ",", "\"") + "]";
    if (a.result.verdict == puzzle::Verdict::Multiple) s += ",\"second\":[" + Grids(a.result.second, ",", "\"") + "]";
    if (a.path) s += "," + puzzle::StepsJsonFields(*a.path, a.pattern);
    return s + ",\"micros\":" + std::to_string(a.micros) + "}";
}

}  // namespace solve
