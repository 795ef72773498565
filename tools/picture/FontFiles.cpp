#include "FontFiles.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace picture::drawing {
namespace {

// A family name as fontconfig compares them: without case and blanks ("VLGothic" is "VL Gothic").
std::string Folded(const std::string& name) {
    std::string folded;
    for (char ch : name) {
        if (ch == ' ') continue;
        folded += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return folded;
}

// The pattern fc-match reads, quoted for the shell: fontconfig's own specials escaped, then the
// whole in single quotes.
std::string QuotedPattern(const std::string& family, bool bold) {
    std::string pattern;
    for (char ch : family) {
        if (ch == '-' || ch == ':' || ch == ',' || ch == '\\') pattern += '\\';
        pattern += ch;
    }
    if (bold) pattern += ":weight=bold";
    std::string quoted = "'";
    for (char ch : pattern) {
        if (ch == '\'')
            quoted += "'\\''";
        else
            quoted += ch;
    }
    return quoted + "'";
}

// The number at the start of a field of fc-match's answer, 0 when there is none.
int Number(const std::string& field) {
    int value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

FontFile FindFont(const std::string& family, bool bold) {
    const std::string command =
        "fc-match -f '%{file}\\n%{index}\\n%{family}\\n%{weight}\\n%{embolden}\\n' " + QuotedPattern(family, bold);
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run fc-match to find the font " + family);
    std::string output;
    char buffer[512];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) output.append(buffer, n);
    const int status = pclose(pipe.release());
    std::vector<std::string> lines = Lines(output);
    if (status != 0 || lines.size() < 4 || lines[0].empty())
        throw std::runtime_error("fc-match found no font for " + family + " (is fontconfig installed?)");

    // fc-match always answers with some face; the family is there only when one of the names
    // of the face found is the one asked for.
    bool found = false;
    std::istringstream names(lines[2]);
    for (std::string name; std::getline(names, name, ',');) found = found || Folded(name) == Folded(family);
    if (!found)
        throw std::runtime_error("font not installed: " + family + " (fontconfig would draw " + lines[2] +
                                 " instead)");

    FontFile font{.path = lines[0], .index = Number(lines[1]), .family = lines[2]};
    // fontconfig marks a face to be emboldened when the family has no bold one; a weight below
    // bold means the same.
    const bool synthetic = lines.size() > 4 && lines[4] == "True";
    font.emboldened = bold && (synthetic || Number(lines[3]) < 180);
    return font;
}

}  // namespace picture::drawing
