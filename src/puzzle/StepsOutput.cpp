#include "puzzle/StepsOutput.h"

#include <cstdio>

#include "puzzle/Difficulty.h"
#include "puzzle/GridPosition.h"
#include "puzzle/StepText.h"

namespace puzzle {

namespace {

std::string Decided(const Step& step, int pattern) {
    const int g = StepGrid(step);
    std::string s;
    for (const CellDigit& p : step.place) s += (s.empty() ? "" : "、") + CellName(pattern, p.cell, g) + "に" + std::to_string(p.digit);
    for (const CellDigit& r : step.remove)
        s += (s.empty() ? "" : "、") + CellName(pattern, r.cell, g) + "から" + std::to_string(r.digit);
    return s;
}

std::string Entries(const std::vector<CellDigit>& list, int pattern, int grid) {
    std::string s = "[";
    for (const CellDigit& cd : list) {
        GridPosition p = PositionOf(pattern, cd.cell, grid);
        if (s.size() > 1) s += ",";
        s += "{\"grid\":" + std::to_string(p.grid) + ",\"row\":" + std::to_string(p.row) + ",\"col\":" +
             std::to_string(p.column) + ",\"digit\":" + std::to_string(cd.digit) + "}";
    }
    return s + "]";
}

std::string RatingText(const Rating& r) {
    std::string hardest = r.hardest ? DifficultyText(r.difficulty()) + " " + std::string(LevelName(LevelOf(r))) + "（いちばん難しい手筋: " +
                                          std::string(JapaneseName(*r.hardest)) + " (" + std::string(EnglishName(*r.hardest)) + ")）"
                                    : "なし";
    return "難易度: " + hardest + "、" + (r.finished ? "最後まで解けました" : "手筋では最後まで解けません");
}

// A step's text on one line: the lines of a forcing chain's branches joined by blanks.
std::string OneLine(std::string text) {
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i)) text.replace(i, 1, " ");
    return text;
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char ch : text) {
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (ch < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                    out += buf;
                } else {
                    out += static_cast<char>(ch);
                }
        }
    }
    return out + "\"";
}

std::vector<std::string> StepsTextLines(const StepPath& path, int pattern) {
    std::vector<std::string> lines;
    int n = 0;
    for (const Step& step : path.steps)
        lines.push_back(std::to_string(++n) + ". " + std::string(JapaneseName(step.technique)) + " (" +
                        std::string(EnglishName(step.technique)) + ") " + DifficultyText(Difficulty(step.technique)) + " " +
                        Decided(step, pattern) + ": " + OneLine(StepText(step, pattern)));
    lines.push_back(RatingText(path.rating));
    return lines;
}

std::string StepsJsonFields(const StepPath& path, int pattern) {
    std::string s = "\"steps\":[";
    bool first = true;
    for (const Step& step : path.steps) {
        if (!first) s += ",";
        first = false;
        s += "{\"technique\":" + JsonString(std::string(EnglishName(step.technique))) +
             ",\"difficulty\":" + DifficultyText(Difficulty(step.technique)) + ",\"text\":" + JsonString(StepText(step, pattern));
        if (!step.place.empty()) s += ",\"place\":" + Entries(step.place, pattern, StepGrid(step));
        if (!step.remove.empty()) s += ",\"remove\":" + Entries(step.remove, pattern, StepGrid(step));
        s += "}";
    }
    s += "],\"rating\":{\"hardest\":";
    s += path.rating.hardest ? JsonString(std::string(EnglishName(*path.rating.hardest))) : "null";
    if (path.rating.hardest) s += ",\"difficulty\":" + DifficultyText(path.rating.difficulty());
    s += ",\"level\":" + JsonString(std::string(LevelName(LevelOf(path.rating))));
    s += std::string(",\"finished\":") + (path.rating.finished ? "true" : "false") + "}";
    return s;
}

}  // namespace puzzle
