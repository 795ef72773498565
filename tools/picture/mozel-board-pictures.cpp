// mozel-board-pictures --out DIR [--count N] [--seed S]: writes the first N pictures of the test
// set of seed S into DIR as 0001.png, 0002.jpg, ... with DIR/truth.tsv, one line a picture:
// the file, the problem line as mozeldouble-solve reads it, the distortion group, the font,
// bold (1 or 0) and the cell size in pixels.
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "TestSet.h"
#include "puzzle/ProblemLine.h"

namespace {

constexpr const char* kUsage = "usage: mozel-board-pictures --out DIR [--count N] [--seed S]\n";

template <typename T>
bool ReadNumber(std::string_view text, T& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

void WriteFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path folder;
    int count = 396;
    uint64_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--out" && hasValue) {
            folder = argv[++i];
        } else if (arg == "--count" && hasValue) {
            if (!ReadNumber(argv[++i], count) || count < 1 || count > 9999) {
                std::cerr << "--count takes a number from 1 to 9999\n";
                return 2;
            }
        } else if (arg == "--seed" && hasValue) {
            if (!ReadNumber(argv[++i], seed)) {
                std::cerr << "--seed takes a whole number\n";
                return 2;
            }
        } else {
            std::cerr << kUsage;
            return arg == "--help" ? 0 : 2;
        }
    }
    if (folder.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        std::filesystem::create_directories(folder);
        std::ofstream truth(folder / "truth.tsv");
        truth << "file\tproblem\tgroup\tfont\tbold\tcell\n";
        int number = 0;
        for (const auto& sample : picture::drawing::TestSet(count, seed)) {
            char name[32];
            std::snprintf(name, sizeof name, "%04d.%s", ++number,
                          picture::drawing::FileExtension(sample.style).c_str());
            const cv::Mat drawn = picture::drawing::DrawBoard(sample.problem, sample.style);
            WriteFile(folder / name, picture::drawing::Encode(drawn, sample.style));
            truth << name << '\t' << puzzle::FormatProblemLine(sample.problem) << '\t' << sample.group << '\t'
                  << sample.style.fontFamily << '\t' << (sample.style.bold ? 1 : 0) << '\t'
                  << sample.style.cellPixels << '\n';
        }
        truth.flush();
        if (!truth) throw std::runtime_error("cannot write " + (folder / "truth.tsv").string());
    } catch (const std::exception& e) {
        std::cerr << "mozel-board-pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
