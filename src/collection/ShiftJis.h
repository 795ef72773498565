// Shift-JIS (code page 932) text through the C library's iconv: the program's UTF-8 text to
// and from the bytes a collection file stores, and fitting text into a fixed-width field.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace collection {

// The Shift-JIS bytes of a UTF-8 text; nothing when a character has no Shift-JIS form
// (unencodable, or the text is not valid UTF-8). firstBad then holds that character.
std::optional<std::string> ToShiftJis(std::string_view utf8, std::string* firstBad = nullptr);

// UTF-8 text of Shift-JIS bytes. A byte sequence that is not Shift-JIS, and a control
// character (zero bytes included), reads as U+FFFD so that any file shows as text.
std::string FromShiftJis(std::string_view sjis);

// The Shift-JIS bytes of a UTF-8 text cut or padded with spaces to exactly width bytes. A cut
// never splits a double-byte character: it falls before it and a space pads the field.
// Nothing when a character has no Shift-JIS form (firstBad as above).
std::optional<std::string> FitField(std::string_view utf8, std::size_t width, std::string* firstBad = nullptr);

}  // namespace collection
