#include "app/run/Json.h"

namespace runner {
namespace {

// Length of the valid UTF-8 sequence that starts at s[pos], or 0 when it is not one (overlong
// forms, surrogates and values past U+10FFFF included).
size_t Utf8SequenceLength(std::string_view s, size_t pos) {
    auto at = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = at(pos);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > s.size()) return 0;
    if (at(pos + 1) < low || at(pos + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k) {
        if (at(pos + k) < 0x80 || at(pos + k) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

std::string JsonString(std::string_view utf8) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    size_t pos = 0;
    while (pos < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        size_t length = Utf8SequenceLength(utf8, pos);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++pos;
            continue;
        }
        if (length > 1) {
            out.append(utf8.substr(pos, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\b') {
            out += "\\b";
        } else if (c == '\f') {
            out += "\\f";
        } else if (c < 0x20) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
        pos += length;
    }
    return out + "\"";
}

std::string JsonValue(const ui::PropertyValue& value) {
    if (auto b = std::get_if<bool>(&value)) return *b ? "true" : "false";
    if (auto i = std::get_if<int64_t>(&value)) return std::to_string(*i);
    return JsonString(std::get<std::string>(value));
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += items[i];
    }
    return out + "]";
}

JsonObject& JsonObject::add(std::string_view key, std::string_view json) {
    if (body_.size() > 1) body_ += ',';
    body_ += JsonString(key);
    body_ += ':';
    body_ += json;
    return *this;
}

JsonObject& JsonObject::text(std::string_view key, std::string_view utf8) { return add(key, JsonString(utf8)); }

JsonObject& JsonObject::value(std::string_view key, const ui::PropertyValue& v) { return add(key, JsonValue(v)); }

}  // namespace runner
