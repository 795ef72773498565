#include "board/KeptBoard.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace board {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "MozelDouble 続きから 1";

// A value on one line: backslash, tab and line breaks escaped.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::optional<int> Number(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::optional<std::int32_t> Colour(std::string_view text) {
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Ticked digits as the digits in order ("", "1379"); nothing when the text is not that.
std::string TickText(const std::array<bool, 10>& ticks) {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
        if (ticks[static_cast<std::size_t>(d)]) digits += static_cast<char>('0' + d);
    return digits;
}

std::optional<std::array<bool, 10>> Ticks(std::string_view text) {
    std::array<bool, 10> ticks{};
    for (char d : text) {
        if (d < '1' || d > '9' || ticks[static_cast<std::size_t>(d - '0')]) return std::nullopt;
        ticks[static_cast<std::size_t>(d - '0')] = true;
    }
    return ticks;
}

fs::path PathIn(const std::string& folder) { return fs::path(folder) / fs::path(kKeptBoardFile); }

}  // namespace

std::string WriteKeptBoard(const KeptBoard& board) {
    std::string out = std::string(kHeader) + "\n";
    out += "pattern\t" + std::to_string(board.pattern) + "\n";
    out += std::string("diagonal\t") + (board.diagonal ? "1" : "0") + "\n";
    for (int c = 1; c <= 225; ++c) {
        const KeptBoard::Cell& cell = board.cells[static_cast<std::size_t>(c)];
        out += "cell\t" + std::to_string(c) + "\t" + (cell.given ? "1" : "0") + "\t" + Escaped(cell.text) + "\n";
    }
    if (board.candidates) {
        for (int c = 1; c <= 225; ++c) {
            int mask = (*board.candidates)[static_cast<std::size_t>(c)];
            std::string digits;
            for (int d = 1; d <= 9; ++d)
                if (mask & (1 << d)) digits += static_cast<char>('0' + d);
            if (!digits.empty()) out += "candidates\t" + std::to_string(c) + "\t" + digits + "\n";
        }
        out += std::string("candidatesShown\t") + (board.candidatesShown ? "1" : "0") + "\n";
    }
    out += "number\t" + Escaped(board.number) + "\n";
    out += "question\t" + Escaped(board.question) + "\n";
    out += "question2\t" + Escaped(board.question2) + "\n";
    out += "memo\t" + Escaped(board.memo) + "\n";
    out += "nanido\t" + Escaped(board.nanido) + "\n";
    if (board.judged) {
        const KeptBoard::Judged& judged = *board.judged;
        for (int c = 1; c <= 225; ++c)
            out += "back\t" + std::to_string(c) + "\t" + std::to_string(judged.backColors[static_cast<std::size_t>(c)]) + "\n";
        out += "ticks\t" + TickText(judged.ticks) + "\n";
        for (int g = 1; g <= 2; ++g) {
            const auto& cells = judged.gridCells[static_cast<std::size_t>(g - 1)];
            for (int k = 1; k <= 81; ++k) {
                const KeptBoard::GridCell& cell = cells[static_cast<std::size_t>(k - 1)];
                out += "gridcell\t" + std::to_string(g) + "\t" + std::to_string(k) + "\t" + std::to_string(cell.backColor) + "\t" +
                       Escaped(cell.text) + "\n";
            }
            out += "gridticks\t" + std::to_string(g) + "\t" + TickText(judged.gridTicks[static_cast<std::size_t>(g - 1)]) + "\n";
            out += "gridtexts\t" + std::to_string(g) + "\t" + Escaped(judged.gridStatus[static_cast<std::size_t>(g - 1)]) + "\t" +
                   Escaped(judged.gridNanido[static_cast<std::size_t>(g - 1)]) + "\n";
        }
    }
    return out + "end\n";
}

std::optional<KeptBoard> ReadKeptBoard(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    if (!std::getline(in, line) || line != kHeader) return std::nullopt;
    KeptBoard board;
    std::array<bool, 226> seen{};
    bool pattern = false, diagonal = false, end = false;
    // The judgements' lines, when the board has them, are all there.
    std::array<bool, 226> seenBack{};
    std::array<std::array<bool, 82>, 3> seenGridCell{};
    auto judged = [&board]() -> KeptBoard::Judged& {
        if (!board.judged) board.judged.emplace();
        return *board.judged;
    };
    while (std::getline(in, line)) {
        std::vector<std::string_view> f = Split(line);
        if (f[0] == "end" && f.size() == 1) {
            end = true;
            break;
        }
        if (f[0] == "pattern" && f.size() == 2) {
            auto p = Number(f[1]);
            if (!p || *p < 1 || *p > 12) return std::nullopt;
            board.pattern = *p;
            pattern = true;
        } else if (f[0] == "diagonal" && f.size() == 2 && (f[1] == "0" || f[1] == "1")) {
            board.diagonal = f[1] == "1";
            diagonal = true;
        } else if (f[0] == "cell" && f.size() == 4 && (f[2] == "0" || f[2] == "1")) {
            auto c = Number(f[1]);
            auto cellText = Unescaped(f[3]);
            if (!c || *c < 1 || *c > 225 || !cellText) return std::nullopt;
            board.cells[static_cast<std::size_t>(*c)] = {*cellText, f[2] == "1"};
            seen[static_cast<std::size_t>(*c)] = true;
        } else if (f[0] == "candidates" && f.size() == 3) {
            auto c = Number(f[1]);
            if (!c || *c < 1 || *c > 225 || f[2].empty() || f[2].size() > 9) return std::nullopt;
            if (!board.candidates) board.candidates.emplace();
            int mask = 0;
            for (char d : f[2]) {
                if (d < '1' || d > '9') return std::nullopt;
                mask |= 1 << (d - '0');
            }
            (*board.candidates)[static_cast<std::size_t>(*c)] = mask;
        } else if (f[0] == "candidatesShown" && f.size() == 2 && (f[1] == "0" || f[1] == "1")) {
            if (!board.candidates) board.candidates.emplace();
            board.candidatesShown = f[1] == "1";
        } else if (f.size() == 2 && (f[0] == "number" || f[0] == "question" || f[0] == "question2" || f[0] == "memo" ||
                                     f[0] == "nanido")) {
            auto value = Unescaped(f[1]);
            if (!value) return std::nullopt;
            std::string& field = f[0] == "number" ? board.number
                                 : f[0] == "question" ? board.question
                                 : f[0] == "question2" ? board.question2
                                 : f[0] == "memo" ? board.memo
                                                  : board.nanido;
            field = *value;
        } else if (f[0] == "back" && f.size() == 3) {
            auto c = Number(f[1]);
            auto colour = Colour(f[2]);
            if (!c || *c < 1 || *c > 225 || !colour) return std::nullopt;
            judged().backColors[static_cast<std::size_t>(*c)] = *colour;
            seenBack[static_cast<std::size_t>(*c)] = true;
        } else if (f[0] == "ticks" && f.size() == 2) {
            auto ticks = Ticks(f[1]);
            if (!ticks) return std::nullopt;
            judged().ticks = *ticks;
        } else if (f[0] == "gridcell" && f.size() == 5) {
            auto g = Number(f[1]);
            auto k = Number(f[2]);
            auto colour = Colour(f[3]);
            auto cellText = Unescaped(f[4]);
            if (!g || *g < 1 || *g > 2 || !k || *k < 1 || *k > 81 || !colour || !cellText) return std::nullopt;
            judged().gridCells[static_cast<std::size_t>(*g - 1)][static_cast<std::size_t>(*k - 1)] = {*cellText, *colour};
            seenGridCell[static_cast<std::size_t>(*g)][static_cast<std::size_t>(*k)] = true;
        } else if (f[0] == "gridticks" && f.size() == 3) {
            auto g = Number(f[1]);
            auto ticks = Ticks(f[2]);
            if (!g || *g < 1 || *g > 2 || !ticks) return std::nullopt;
            judged().gridTicks[static_cast<std::size_t>(*g - 1)] = *ticks;
        } else if (f[0] == "gridtexts" && f.size() == 4) {
            auto g = Number(f[1]);
            auto status = Unescaped(f[2]);
            auto nanido = Unescaped(f[3]);
            if (!g || *g < 1 || *g > 2 || !status || !nanido) return std::nullopt;
            judged().gridStatus[static_cast<std::size_t>(*g - 1)] = *status;
            judged().gridNanido[static_cast<std::size_t>(*g - 1)] = *nanido;
        } else {
            return std::nullopt;
        }
    }
    if (board.judged) {
        for (int c = 1; c <= 225; ++c) {
            if (!seenBack[static_cast<std::size_t>(c)]) return std::nullopt;
        }
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                if (!seenGridCell[static_cast<std::size_t>(g)][static_cast<std::size_t>(k)]) return std::nullopt;
            }
        }
    }
    // A board kept whole has every line; a file cut short is no board.
    for (int c = 1; c <= 225; ++c) {
        if (!seen[static_cast<std::size_t>(c)]) return std::nullopt;
    }
    if (!pattern || !diagonal || !end) return std::nullopt;
    return board;
}

bool StoreKeptBoard(const std::string& folder, const KeptBoard& board) {
    if (folder.empty()) return false;
    const fs::path target = PathIn(folder);
    fs::path temporary = target;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << WriteKeptBoard(board);
        out.flush();
        if (!out) {
            std::error_code ec;
            fs::remove(temporary, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) fs::remove(temporary, ec);
    return !ec;
}

bool HasKeptBoard(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_regular_file(PathIn(folder), ec);
}

std::optional<KeptBoard> FetchKeptBoard(const std::string& folder, std::string& setAside) {
    setAside.clear();
    const fs::path path = PathIn(folder);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (in) {
        if (auto board = ReadKeptBoard(text.str())) return board;
    }
    // Set aside under a name no other file has, so that the next start does not trip on it.
    for (int n = 1; n < 1000; ++n) {
        fs::path aside = fs::path(folder) / fs::path("続きから-読めなかった" + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".txt");
        std::error_code ec;
        if (fs::exists(aside, ec)) continue;
        fs::rename(path, aside, ec);
        if (!ec) setAside = aside.string();
        break;
    }
    return std::nullopt;
}

}  // namespace board
