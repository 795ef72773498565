#include "app/run/ScriptTokenizer.h"

#include "app/run/ScriptError.h"

namespace runner {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

char Escaped(char c) {
    switch (c) {
        case '"': return '"';
        case '\\': return '\\';
        case 'n': return '\n';
        case 'b': return '\b';
    }
    throw ScriptError(std::string("unknown escape \\") + c + " in a string");
}

// Reads the string that opens at line[pos]; pos ends after the closing quote.
std::string ReadString(std::string_view line, size_t& pos) {
    std::string text;
    ++pos;
    while (true) {
        if (pos >= line.size()) throw ScriptError("string not closed");
        char c = line[pos++];
        if (c == '"') return text;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (pos >= line.size()) throw ScriptError("string not closed");
        text += Escaped(line[pos++]);
    }
}

std::string ReadWord(std::string_view line, size_t& pos) {
    std::string word;
    int depth = 0;
    while (pos < line.size()) {
        char c = line[pos];
        if (c == '"') throw ScriptError("a string must stand apart from the word before it");
        if (IsBlank(c) && depth == 0) break;
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        word += c;
        ++pos;
    }
    return word;
}

}  // namespace

std::vector<Token> Tokenize(std::string_view line) {
    std::vector<Token> tokens;
    size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (pos >= line.size()) return tokens;
        if (line[pos] == '"') {
            tokens.push_back({Token::Kind::String, ReadString(line, pos)});
            if (pos < line.size() && !IsBlank(line[pos])) {
                throw ScriptError("a string must be followed by a blank");
            }
        } else {
            tokens.push_back({Token::Kind::Word, ReadWord(line, pos)});
        }
    }
}

}  // namespace runner
