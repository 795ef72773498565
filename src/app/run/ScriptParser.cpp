#include "app/run/ScriptParser.h"

#include <charconv>
#include <climits>
#include <map>

#include "app/run/ScriptError.h"
#include "app/run/ScriptTokenizer.h"
#include "ui/TextBox.h"

namespace runner {
namespace {

constexpr std::string_view kSharedModule = "cmnMod01";

// One dot-separated part of a name: an identifier with an optional index list.
struct Segment {
    std::string name;
    std::optional<std::vector<int>> indexes;
};

bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9'); }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

int ParseIndex(std::string_view text) {
    auto value = ParseInteger(Trim(text));
    if (!value) throw ScriptError("bad index \"" + std::string(text) + "\"");
    if (*value < INT_MIN || *value > INT_MAX) throw ScriptError("index out of range: " + std::string(text));
    return static_cast<int>(*value);
}

// "form.name(1,2).Prop" -> its segments. Throws ScriptError when the word is not such a name.
std::vector<Segment> SplitName(std::string_view word) {
    std::vector<Segment> segments;
    size_t pos = 0;
    auto bad = [&] { return ScriptError("bad name \"" + std::string(word) + "\""); };
    while (true) {
        if (pos >= word.size() || !IsIdentifierStart(word[pos])) throw bad();
        Segment segment;
        while (pos < word.size() && IsIdentifierChar(word[pos])) segment.name += word[pos++];
        if (pos < word.size() && word[pos] == '(') {
            size_t close = word.find(')', pos);
            if (close == std::string_view::npos) throw bad();
            std::string_view inside = word.substr(pos + 1, close - pos - 1);
            segment.indexes.emplace();
            size_t start = 0;
            while (true) {
                size_t comma = inside.find(',', start);
                segment.indexes->push_back(ParseIndex(inside.substr(start, comma - start)));
                if (comma == std::string_view::npos) break;
                start = comma + 1;
            }
            pos = close + 1;
        }
        segments.push_back(std::move(segment));
        if (pos == word.size()) return segments;
        if (word[pos] != '.') throw bad();
        ++pos;
    }
}

// Each command's usage and its number of tokens with the command word (0: checked by its
// own parser).
struct Syntax {
    std::string_view usage;
    size_t tokens;
};

const std::map<std::string_view, Syntax>& Syntaxes() {
    static const std::map<std::string_view, Syntax> syntaxes = {
        {"instance-running", {"instance-running", 1}},
        {"start", {"start", 1}},
        {"answer", {"answer open \"PATH\" | answer open cancel | answer print ok | answer print cancel | answer msgbox \"BUTTON\"", 3}},
        {"click", {"click FORM.CONTROL[(INDEX)]", 2}},
        {"key", {"key FORM.CONTROL[(INDEX)] \"TEXT\"", 3}},
        {"mouse", {"mouse FORM.CONTROL[(INDEX)] [left|right|middle [X Y]] (X, Y in twips from the box's top left)", 0}},
        {"pick", {"pick FORM.CONTROL[(INDEX)] \"TEXT\"", 3}},
        {"up", {"up FORM.CONTROL[(INDEX)]", 2}},
        {"down", {"down FORM.CONTROL[(INDEX)]", 2}},
        {"close", {"close FORM", 2}},
        {"set", {"set TARGET.Property VALUE", 3}},
        {"get", {"get TARGET.Property | get clipboard | get focus", 2}},
        {"press", {"press FORM.CONTROL[(INDEX)] \"KEY\" (a key as Qt writes it: \"Left\", \"Ctrl+Z\")", 3}},
        {"clipboard", {"clipboard \"TEXT\"", 2}},
        {"clipboard-picture", {"clipboard-picture \"FILE\" (a PNG, JPEG or BMP file, relative to the folder)", 2}},
        {"call", {"call FORM.OPERATION [INT ...]", 0}},
        {"dump", {"dump FORM", 2}},
    };
    return syntaxes;
}

class LineParser {
public:
    explicit LineParser(std::vector<Token> tokens) : tokens_(std::move(tokens)), verb_(tokens_[0].text) {}

    Command parse() {
        auto syntax = Syntaxes().find(verb_);
        if (tokens_[0].kind != Token::Kind::Word || syntax == Syntaxes().end()) {
            throw ScriptError("unknown command \"" + verb_ + "\"");
        }
        if (syntax->second.tokens != 0 && tokens_.size() != syntax->second.tokens) usage();
        if (verb_ == "instance-running") return InstanceRunning{};
        if (verb_ == "start") return Start{};
        if (verb_ == "answer") return answer();
        if (verb_ == "click") return Click{control(1)};
        if (verb_ == "up" || verb_ == "down") return Spin{control(1), verb_ == "up"};
        if (verb_ == "key") return Key{control(1), string(2)};
        if (verb_ == "pick") return Pick{control(1), string(2)};
        if (verb_ == "mouse") return mouse();
        if (verb_ == "close") return Close{form(1)};
        if (verb_ == "dump") return Dump{form(1)};
        if (verb_ == "get" && tokens_[1].kind == Token::Kind::Word && tokens_[1].text == "clipboard") return GetClipboard{};
        if (verb_ == "get" && tokens_[1].kind == Token::Kind::Word && tokens_[1].text == "focus") return GetFocus{};
        if (verb_ == "get") return Get{property(1)};
        if (verb_ == "press") return press();
        if (verb_ == "clipboard") return Clipboard{string(1)};
        if (verb_ == "clipboard-picture") return ClipboardPicture{string(1)};
        if (verb_ == "set") return Set{property(1), value(2)};
        return call();
    }

private:
    [[noreturn]] void usage() const {
        throw ScriptError("wrong arguments; usage: " + std::string(Syntaxes().at(verb_).usage));
    }
    const std::string& word(size_t i) const {
        if (tokens_[i].kind != Token::Kind::Word) usage();
        return tokens_[i].text;
    }
    const std::string& string(size_t i) const {
        if (tokens_[i].kind != Token::Kind::String) usage();
        return tokens_[i].text;
    }

    ControlRef control(size_t i) const {
        auto segments = SplitName(word(i));
        bool ok = segments.size() == 2 && !segments[0].indexes &&
                  (!segments[1].indexes || segments[1].indexes->size() == 1);
        if (!ok) throw ScriptError("expected FORM.CONTROL or FORM.CONTROL(INDEX), got \"" + word(i) + "\"");
        return {segments[0].name, segments[1].name, arrayIndex(segments[1])};
    }

    // The index of a control array element, -1 for a control written without one.
    static int arrayIndex(const Segment& segment) {
        if (!segment.indexes) return -1;
        int index = segment.indexes->front();
        if (index < 0) throw ScriptError("control array indexes are not negative: " + std::to_string(index));
        return index;
    }

    std::string form(size_t i) const {
        auto segments = SplitName(word(i));
        if (segments.size() != 1 || segments[0].indexes) {
            throw ScriptError("expected a window name, got \"" + word(i) + "\"");
        }
        return segments[0].name;
    }

    PropertyRef property(size_t i) const {
        const std::string& written = word(i);
        auto segments = SplitName(written);
        auto bad = [&] {
            return ScriptError(
                "expected FORM.Property, FORM.CONTROL[(INDEX)].Property or cmnMod01.NAME[(I[,J[,K]])], got \"" +
                written + "\"");
        };
        PropertyRef ref;
        ref.written = written;
        if (segments[0].indexes) throw bad();
        if (segments[0].name == kSharedModule) {
            if (segments.size() != 2 || (segments[1].indexes && segments[1].indexes->size() > 3)) throw bad();
            ref.kind = PropertyRef::Kind::Shared;
            ref.name = segments[1].name;
            if (segments[1].indexes) ref.indexes = *segments[1].indexes;
        } else if (segments.size() == 2) {
            if (segments[1].indexes) throw bad();
            ref.kind = PropertyRef::Kind::Window;
            ref.form = segments[0].name;
            ref.name = segments[1].name;
        } else if (segments.size() == 3) {
            if ((segments[1].indexes && segments[1].indexes->size() != 1) || segments[2].indexes) throw bad();
            ref.kind = PropertyRef::Kind::Control;
            ref.form = segments[0].name;
            ref.control = {segments[0].name, segments[1].name, arrayIndex(segments[1])};
            ref.name = segments[2].name;
        } else {
            throw bad();
        }
        return ref;
    }

    ui::PropertyValue value(size_t i) const {
        const Token& token = tokens_[i];
        if (token.kind == Token::Kind::String) return token.text;
        if (token.text == "true" || token.text == "True") return true;
        if (token.text == "false" || token.text == "False") return false;
        if (auto number = ParseInteger(token.text)) return *number;
        throw ScriptError("expected a value (a quoted string, an integer, true or false), got \"" + token.text + "\"");
    }

    Command press() const {
        auto chord = ui::ParseKeySequence(string(2));
        if (!chord) throw ScriptError("\"" + string(2) + "\" names no key");
        return Press{control(1), *chord};
    }

    Command answer() const {
        const std::string& kind = word(1);
        const Token& choice = tokens_[2];
        bool isWord = choice.kind == Token::Kind::Word;
        if (kind == "open" && !isWord) return AnswerOpen{choice.text};
        if (kind == "open" && choice.text == "cancel") return AnswerOpen{std::nullopt};
        if (kind == "print" && isWord && (choice.text == "ok" || choice.text == "cancel")) {
            return AnswerPrint{choice.text == "ok"};
        }
        if (kind == "msgbox" && !isWord) return AnswerMsgBox{choice.text};
        usage();
    }

    Command mouse() const {
        if (tokens_.size() != 2 && tokens_.size() != 3 && tokens_.size() != 5) usage();
        Mouse command{control(1), ui::kLeftButton};
        if (tokens_.size() == 5) {
            for (std::size_t i : {3u, 4u}) {
                const auto value = tokens_[i].kind == Token::Kind::Word ? ParseInteger(tokens_[i].text).value_or(-1) : -1;
                if (value < 0 || value > 1000000) usage();
                (i == 3 ? command.x : command.y) = static_cast<int>(value);
            }
        }
        if (tokens_.size() >= 3) {
            const std::string& button = word(2);
            if (button == "left") command.button = ui::kLeftButton;
            else if (button == "right") command.button = ui::kRightButton;
            else if (button == "middle") command.button = ui::kMiddleButton;
            else usage();
        }
        return command;
    }

    Command call() const {
        if (tokens_.size() < 2) usage();
        auto segments = SplitName(word(1));
        if (segments.size() != 2 || segments[0].indexes || segments[1].indexes) {
            throw ScriptError("expected FORM.OPERATION, got \"" + word(1) + "\"");
        }
        Call command{segments[0].name, segments[1].name, {}};
        for (size_t i = 2; i < tokens_.size(); ++i) {
            auto number = tokens_[i].kind == Token::Kind::Word ? ParseInteger(tokens_[i].text) : std::nullopt;
            if (!number) throw ScriptError("an operation takes integer arguments, got \"" + tokens_[i].text + "\"");
            command.args.push_back(*number);
        }
        return command;
    }

    std::vector<Token> tokens_;
    std::string verb_;
};

}  // namespace

std::optional<int64_t> ParseInteger(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '&' && (digits[1] == 'H' || digits[1] == 'h')) {
        digits.remove_prefix(2);
        if (digits.size() > 8) return std::nullopt;
        base = 16;
    }
    // Reading into an unsigned type takes digits only: no second sign, no prefix.
    uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (magnitude > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    int64_t value = static_cast<int64_t>(magnitude);
    return negative ? -value : value;
}

std::optional<Command> ParseLine(std::string_view line) {
    size_t first = line.find_first_not_of(" \t\r\f\v");
    if (first == std::string_view::npos || line[first] == '#') return std::nullopt;
    return LineParser(Tokenize(line)).parse();
}

}  // namespace runner
