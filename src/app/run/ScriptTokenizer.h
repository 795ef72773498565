// Splits a script line into words and double-quoted strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace runner {

struct Token {
    enum class Kind { Word, String };
    Kind kind = Kind::Word;
    std::string text;  // a word as written; a string with its escapes resolved
    bool operator==(const Token&) const = default;
};

// Tokens are separated by blanks (spaces, tabs). A blank inside parentheses belongs to the word,
// so "text1( 5 )" is one word. Strings take the escapes \" \\ \n and \b (backspace). Throws
// ScriptError for an unclosed string, an unknown escape or a quote run into a word.
std::vector<Token> Tokenize(std::string_view line);

}  // namespace runner
