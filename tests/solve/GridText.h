// Grid texts for the command-line solver's tests: 81 characters, '.' for an empty cell.
#pragma once

#include <cstddef>
#include <string>

const std::string kEmpty(81, '.');

// Grid text with digit d at grid cell k (1..81).
inline std::string With(std::string grid, int k, char d) {
    grid.replace(static_cast<std::size_t>(k - 1), 1, 1, d);
    return grid;
}
