// mozeldouble-solve's command line: what the options ask for, read from the arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "puzzle/Difficulty.h"

namespace solve {

// The usage text (--help, and after an argument that cannot be read).
extern const char* const kUsage;

struct Arguments {
    bool help = false;  // --help or -h: the usage is all that is asked
    bool json = false;
    bool steps = false;
    bool fromImage = false;  // --from-image: the inputs are pictures (or folders of them)
    struct Input {
        std::string path;  // "-" is standard input
        bool collection = false;
        bool operator==(const Input&) const = default;
    };
    std::vector<Input> inputs;  // standard input when none is named
    // --generate
    int generatePattern = 0;  // 0: problems are read, not generated
    bool diagonal = false;
    int count = 1;
    std::optional<uint64_t> seed;
    std::optional<puzzle::Level> rating;
    std::optional<std::string> writeCollection;

    bool operator==(const Arguments&) const = default;
};

// The arguments (without the program's name) read, or why not in error (in Japanese, without
// the usage).
std::optional<Arguments> ParseArguments(const std::vector<std::string>& argv, std::string& error);

}  // namespace solve
