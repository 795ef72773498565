// Values of control and window properties as the script runner and the views see them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace ui {

using PropertyValue = std::variant<bool, int64_t, std::string>;

// A property that does not exist, or a value that cannot be given to it.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Conversions as an assignment in program code would make them (BASIC coercion).
bool ToBool(const PropertyValue& value);
int64_t ToInteger(const PropertyValue& value);
std::string ToText(const PropertyValue& value);
// A 32-bit integer (positions, sizes, counts); out of range is a PropertyError.
int ToInt32(const PropertyValue& value);
// A colour: any 32-bit pattern, given signed or unsigned (0x8000000F and its negative alike).
int32_t ToColor(const PropertyValue& value);

}  // namespace ui
