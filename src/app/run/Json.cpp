#include "app/run/Json.h"

#include "puzzle/Utf8.h"

namespace runner {

std::string JsonString(std::string_view utf8) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    size_t pos = 0;
    while (pos < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        size_t length = puzzle::Utf8SequenceLength(utf8, pos);
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
