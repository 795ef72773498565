#include "ui/Value.h"

#include <cmath>
#include <cstdio>

namespace ui {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the numeric prefix of text starting at pos (0 when there is none).
size_t NumericPrefix(std::string_view text, size_t pos) {
    size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        size_t j = i + 1;
        size_t fraction = 0;
        while (j < text.size() && IsDigit(text[j])) { ++j; ++fraction; }
        if (digits + fraction > 0) { i = j; digits += fraction; }
    }
    if (digits == 0) return 0;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t exponent = 0;
        while (j < text.size() && IsDigit(text[j])) { ++j; ++exponent; }
        if (exponent > 0) i = j;
    }
    return i - pos;
}

double Parse(std::string_view number) {
    // Plain digits, the usual cell text, are exact as an integer sum (up to 15 digits stay
    // below 2^53), which spares the general conversion.
    if (number.size() <= 15) {
        double value = 0;
        bool plain = true;
        for (char c : number) {
            if (!IsDigit(c)) {
                plain = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (plain) return value;
    }
    std::string copy(number);
    return std::strtod(copy.c_str(), nullptr);
}

}  // namespace

double Val(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    size_t length = NumericPrefix(text, pos);
    return length == 0 ? 0.0 : Parse(text.substr(pos, length));
}

bool IsNumeric(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin == end) return false;
    return NumericPrefix(text, begin) == end - begin;
}

double Fix(double value) { return std::trunc(value); }

double Int(double value) { return std::floor(value); }

std::optional<int16_t> CInt(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double rounded = std::nearbyint(value);  // default rounding mode: half to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::string NumberText(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace ui
