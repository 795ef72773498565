#include "collection/ShiftJis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace collection {
namespace {

constexpr const char* kShiftJis = "CP932";
constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// One iconv conversion descriptor, closed when it goes.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to " + std::string(to));
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in whole; false when any byte sequence cannot be converted.
    bool convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
        }
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        return true;
    }

private:
    iconv_t cd_;
};

// One converter each way per thread, opened on first use: opening one is costly.
Converter& ToSjis() {
    thread_local Converter converter(kShiftJis, "UTF-8");
    return converter;
}

Converter& FromSjis() {
    thread_local Converter converter("UTF-8", kShiftJis);
    return converter;
}

// Length in bytes of the UTF-8 sequence that starts with lead byte c (1 for a stray byte).
size_t Utf8Length(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4) return 4;
    if (c >= 0xE0) return c <= 0xEF ? 3 : 1;
    if (c >= 0xC2) return 2;
    return 1;
}

// Shift-JIS lead bytes of a double-byte character.
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace

std::optional<std::string> ToShiftJis(std::string_view utf8, std::string* firstBad) {
    Converter& converter = ToSjis();
    std::string out;
    if (converter.convert(utf8, out)) return out;
    if (firstBad) {
        // Find the first character that fails on its own, to name it.
        std::string piece;
        for (size_t i = 0; i < utf8.size();) {
            size_t n = std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
            if (!converter.convert(utf8.substr(i, n), piece)) {
                *firstBad = std::string(utf8.substr(i, n));
                break;
            }
            i += n;
        }
    }
    return std::nullopt;
}

std::string FromShiftJis(std::string_view sjis) {
    Converter& converter = FromSjis();
    std::string out;
    bool plain = std::none_of(sjis.begin(), sjis.end(), [](char c) { return c >= 0 && (c < 0x20 || c == 0x7F); });
    if (plain && converter.convert(sjis, out)) return out;
    out.clear();
    std::string piece;
    // Character by character, so that one bad sequence costs one replacement only.
    for (size_t i = 0; i < sjis.size();) {
        auto c = static_cast<unsigned char>(sjis[i]);
        size_t n = IsLeadByte(c) && i + 1 < sjis.size() ? 2 : 1;
        if (c < 0x20 || c == 0x7F) {
            out += kReplacement;
        } else if (converter.convert(sjis.substr(i, n), piece)) {
            out += piece;
        } else {
            out += kReplacement;
            n = 1;
        }
        i += n;
    }
    return out;
}

std::optional<std::string> FitField(std::string_view utf8, std::size_t width, std::string* firstBad) {
    auto bytes = ToShiftJis(utf8, firstBad);
    if (!bytes) return std::nullopt;
    std::string field;
    for (size_t i = 0; i < bytes->size();) {
        auto c = static_cast<unsigned char>((*bytes)[i]);
        size_t n = IsLeadByte(c) && i + 1 < bytes->size() ? 2 : 1;
        if (field.size() + n > width) break;
        field.append(*bytes, i, n);
        i += n;
    }
    field.resize(width, ' ');
    return field;
}

}  // namespace collection
