#include "ui/Property.h"

#include <cmath>
#include <cstdint>

#include "ui/Value.h"

namespace ui {

bool ToBool(const PropertyValue& value) {
    if (auto b = std::get_if<bool>(&value)) return *b;
    if (auto i = std::get_if<int64_t>(&value)) return *i != 0;
    const auto& text = std::get<std::string>(value);
    if (text == "True" || text == "true") return true;
    if (text == "False" || text == "false") return false;
    if (IsNumeric(text)) return Val(text) != 0;
    throw PropertyError("not a true/false value: \"" + text + "\"");
}

int64_t ToInteger(const PropertyValue& value) {
    if (auto b = std::get_if<bool>(&value)) return *b ? -1 : 0;
    if (auto i = std::get_if<int64_t>(&value)) return *i;
    const auto& text = std::get<std::string>(value);
    if (!IsNumeric(text)) throw PropertyError("not a number: \"" + text + "\"");
    double number = std::nearbyint(Val(text));
    if (number < -2147483648.0 || number > 4294967295.0) throw PropertyError("number out of range: " + text);
    return static_cast<int64_t>(number);
}

int ToInt32(const PropertyValue& value) {
    int64_t v = ToInteger(value);
    if (v < INT32_MIN || v > INT32_MAX) throw PropertyError("number out of range: " + std::to_string(v));
    return static_cast<int>(v);
}

int32_t ToColor(const PropertyValue& value) {
    int64_t v = ToInteger(value);
    if (v < INT32_MIN || v > UINT32_MAX) throw PropertyError("not a colour: " + std::to_string(v));
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

std::string ToText(const PropertyValue& value) {
    if (auto b = std::get_if<bool>(&value)) return *b ? "True" : "False";
    if (auto i = std::get_if<int64_t>(&value)) return std::to_string(*i);
    return std::get<std::string>(value);
}

}  // namespace ui
