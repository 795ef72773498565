// Helpers of the collection tests: a temporary folder, whole-file reads and writes, and
// records built from 81-character grid lines.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "collection/MondaiRec.h"

namespace collection_test {

// A fresh folder, removed with everything in it when the test ends.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / ("mozel-collection-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A record of grid "A" or "B" holding the givens of an 81-character line ('.' or '0' empty).
inline collection::MondaiRec Record(int recordNo, int pattern, char ab, const std::string& line,
                                    const std::string& memo = "", bool naname = false) {
    collection::GridText grid;
    grid.recordNo = recordNo;
    grid.pattern = pattern;
    grid.ab = ab;
    for (int k = 1; k <= 81; ++k) {
        char c = line.size() >= 81 ? line[static_cast<size_t>(k - 1)] : '.';
        grid.cells[static_cast<size_t>(k)] = c >= '1' && c <= '9' ? std::string(1, c) : "";
    }
    grid.memo = memo;
    grid.naname = naname;
    return *collection::Encode(grid);
}

// The 255 bytes of a record as a string.
inline std::string Bytes(const collection::MondaiRec& rec) {
    auto packed = collection::Pack(rec);
    return {packed.begin(), packed.end()};
}

// A collection of n problems of pattern 12, problem i's first grid holding digit i in cell 1.
inline std::string Collection(int n) {
    std::string bytes;
    for (int i = 1; i <= n; ++i) {
        std::string line(81, '.');
        line[0] = static_cast<char>('0' + i % 10);
        bytes += Bytes(Record(2 * i - 1, 12, 'A', line, "問題" + std::to_string(i)));
        bytes += Bytes(Record(2 * i, 12, 'B', std::string(81, '.')));
    }
    return bytes;
}

}  // namespace collection_test
