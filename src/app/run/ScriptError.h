// A script line that cannot be carried out: bad syntax, an unknown name, a wrong argument.
#pragma once

#include <stdexcept>

namespace runner {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace runner
