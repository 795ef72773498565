#include "collection/MondaiRec.h"

#include <algorithm>
#include <stdexcept>

#include "collection/ShiftJis.h"
#include "puzzle/OverlapPatterns.h"

namespace collection {
namespace {

// Reads width bytes at pos, moving pos on.
std::string Take(const RecordBytes& bytes, std::size_t& pos, std::size_t w) {
    std::string field(bytes.data() + pos, w);
    pos += w;
    return field;
}

void Put(RecordBytes& bytes, std::size_t& pos, const std::string& field, std::size_t w) {
    std::size_t n = std::min(field.size(), w);
    std::copy_n(field.data(), n, bytes.data() + pos);
    std::fill_n(bytes.data() + pos + n, w - n, ' ');
    pos += w;
}

}  // namespace

MondaiRec Unpack(const RecordBytes& bytes) {
    MondaiRec rec;
    std::size_t pos = 0;
    rec.Kakunou = Take(bytes, pos, width::Kakunou);
    rec.Pattern = Take(bytes, pos, width::Pattern);
    rec.AB = Take(bytes, pos, width::AB);
    for (int k = 1; k <= 81; ++k) rec.Masu[static_cast<std::size_t>(k)] = Take(bytes, pos, width::Masu);
    rec.Naname = Take(bytes, pos, width::Naname);
    rec.Nanido = Take(bytes, pos, width::Nanido);
    rec.Memo = Take(bytes, pos, width::Memo);
    rec.Question = Take(bytes, pos, width::Question);
    rec.Question2 = Take(bytes, pos, width::Question2);
    rec.Yobi = Take(bytes, pos, width::Yobi);
    return rec;
}

RecordBytes Pack(const MondaiRec& rec) {
    RecordBytes bytes{};
    std::size_t pos = 0;
    Put(bytes, pos, rec.Kakunou, width::Kakunou);
    Put(bytes, pos, rec.Pattern, width::Pattern);
    Put(bytes, pos, rec.AB, width::AB);
    for (int k = 1; k <= 81; ++k) Put(bytes, pos, rec.Masu[static_cast<std::size_t>(k)], width::Masu);
    Put(bytes, pos, rec.Naname, width::Naname);
    Put(bytes, pos, rec.Nanido, width::Nanido);
    Put(bytes, pos, rec.Memo, width::Memo);
    Put(bytes, pos, rec.Question, width::Question);
    Put(bytes, pos, rec.Question2, width::Question2);
    Put(bytes, pos, rec.Yobi, width::Yobi);
    return bytes;
}

std::optional<int> DecodePattern(std::string_view field) {
    std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    std::size_t last = field.find_last_not_of(' ');
    std::string_view digits = field.substr(first, last - first + 1);
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (!puzzle::IsPattern(value)) return std::nullopt;
    return value;
}

int DecodeCell(std::string_view masu) {
    if (masu.empty()) return 0;
    char c = masu.front();
    return c >= '1' && c <= '9' ? c - '0' : 0;
}

std::vector<int> SelectedBoardCells(int pattern, std::string_view ab) {
    if (!puzzle::IsPattern(pattern)) throw std::out_of_range("no overlap pattern " + std::to_string(pattern));
    int grid = ab == "A" ? 1 : ab == "B" ? 2 : 0;
    std::vector<int> cells;
    if (grid == 0) return cells;
    const puzzle::OverlapPattern& p = puzzle::Pattern(pattern);
    for (int c = 1; c <= 225; ++c) {
        if (puzzle::CellCode(p, c) & grid) cells.push_back(c);
    }
    return cells;
}

std::optional<MondaiRec> Encode(const GridText& grid, EncodeError* error) {
    std::string bad;
    auto fit = [&](const std::string& text, std::size_t w, const char* field) -> std::optional<std::string> {
        auto bytes = FitField(text, w, &bad);
        if (!bytes && error && error->field.empty()) *error = {field, bad};
        return bytes;
    };
    MondaiRec rec;
    auto kakunou = fit(std::to_string(grid.recordNo), width::Kakunou, "Kakunou");
    auto pattern = fit(std::to_string(grid.pattern), width::Pattern, "Pattern");
    auto nanido = fit(grid.nanido, width::Nanido, "Nanido");
    auto memo = fit(grid.memo, width::Memo, "Memo");
    auto question = fit(grid.question, width::Question, "Question");
    auto question2 = fit(grid.question2, width::Question2, "Question2");
    if (!kakunou || !pattern || !nanido || !memo || !question || !question2) return std::nullopt;
    rec.Kakunou = *kakunou;
    rec.Pattern = *pattern;
    rec.AB = std::string(1, grid.ab);
    for (int k = 1; k <= 81; ++k) {
        auto cell = fit(grid.cells[static_cast<std::size_t>(k)], width::Masu, "Masu");
        if (!cell) return std::nullopt;
        rec.Masu[static_cast<std::size_t>(k)] = *cell;
    }
    rec.Naname = grid.naname ? "1" : "0";
    rec.Nanido = *nanido;
    rec.Memo = *memo;
    rec.Question = *question;
    rec.Question2 = *question2;
    rec.Yobi = std::string(width::Yobi, ' ');
    return rec;
}

}  // namespace collection
