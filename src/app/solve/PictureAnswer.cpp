#include "app/solve/PictureAnswer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <tuple>

#include "app/solve/Answer.h"
#include "puzzle/GridPosition.h"
#include "puzzle/ProblemLine.h"

namespace solve {

void AppendPicturePlain(std::string& out, const std::string& file, const picture::PictureReading& reading) {
    out += "# " + file;
    if (!reading.found) return;
    std::vector<int> doubtful = reading.doubtfulCells();
    if (!doubtful.empty()) {
        // Named by grid, grid 1 first, so that each grid is named once.
        std::vector<puzzle::GridPosition> cells;
        for (int c : doubtful) cells.push_back(puzzle::PositionOf(reading.board.pattern, c, 1));
        std::sort(cells.begin(), cells.end(), [](const puzzle::GridPosition& a, const puzzle::GridPosition& b) {
            return std::tie(a.grid, a.row, a.column) < std::tie(b.grid, b.row, b.column);
        });
        out += "\n# 確かでないマス: ";
        int lastGrid = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += ", ";
            out += puzzle::CellNameAfter(cells[i], lastGrid);
        }
    }
    out += '\n';
    out += puzzle::FormatProblemLine(reading.board);
}

void AppendPictureJson(std::string& out, const std::string& file, const picture::PictureReading& reading) {
    out += "{\"file\":" + JsonString(file);
    if (!reading.found) {
        out += ",\"message\":" + JsonString(reading.message) + "}";
        return;
    }
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(reading.board.pattern);
    out += ",\"line\":" + JsonString(puzzle::FormatProblemLine(reading.board));
    out += ",\"pattern\":" + std::to_string(reading.board.pattern);
    out += reading.board.diagonal ? ",\"diagonal\":true" : ",\"diagonal\":false";
    std::string confidence = ",\"confidence\":[";
    std::string doubtful = ",\"doubtful\":[";
    for (int g = 1; g <= 2; ++g) {
        confidence += g == 1 ? "[" : ",[";
        doubtful += g == 1 ? "[" : ",[";
        bool first = true;
        for (int k = 1; k <= puzzle::kGridCells; ++k) {
            const picture::CellRead& read = reading.cells[static_cast<std::size_t>(puzzle::BoardCellOf(pattern, g, k))];
            char number[16];
            std::snprintf(number, sizeof number, "%.3f", static_cast<double>(read.confidence));
            if (k > 1) confidence += ',';
            confidence += number;
            if (read.doubtful) {
                if (!first) doubtful += ',';
                doubtful += std::to_string(k);
                first = false;
            }
        }
        confidence += ']';
        doubtful += ']';
    }
    out += confidence + "]" + doubtful + "]}";
}

std::vector<std::string> PicturesInFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
        if (extension == ".png" || extension == ".jpg" || extension == ".jpeg" || extension == ".bmp")
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace solve
