// The pieces of the runner's JSON output. Text stays UTF-8 as it is; only the quote, the
// backslash and control characters are escaped. A byte that is not valid UTF-8 becomes U+FFFD,
// so every line is valid JSON whatever the program or the script holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Property.h"

namespace runner {

// The quoted JSON string of a text.
std::string JsonString(std::string_view utf8);

// Strings as JSON strings, numbers as numbers, booleans as true/false.
std::string JsonValue(const ui::PropertyValue& value);

// [item,...] of items already in JSON.
std::string JsonArray(const std::vector<std::string>& items);

// {"key":value,...} with the members in the order they were added.
class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view json);  // json: a value already in JSON
    JsonObject& text(std::string_view key, std::string_view utf8);
    JsonObject& value(std::string_view key, const ui::PropertyValue& value);
    std::string str() const { return body_ + "}"; }

private:
    std::string body_ = "{";
};

}  // namespace runner
