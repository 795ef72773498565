// Turns a script line into a Command.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/run/ScriptCommand.h"

namespace runner {

// The command on the line; nothing for a blank line or a comment line (first non-blank
// character '#'). Throws ScriptError for anything that is not a well-formed command.
std::optional<Command> ParseLine(std::string_view line);

// An integer as a script writes it: decimal with an optional '-', or &H followed by up to
// eight hex digits (read as an unsigned 32-bit number). Nothing when the text is not one.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace runner
