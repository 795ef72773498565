// mozeldouble-run [--folder DIR] [SCRIPT]: runs the program headless, driven by a script (or
// standard input), and prints what a user would have seen, one JSON object a line.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "app/run/ScriptRunner.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"

namespace {

struct Arguments {
    std::string folder;
    std::optional<std::string> script;
};

constexpr const char* kUsage = "usage: mozeldouble-run [--folder DIR] [SCRIPT]\n";

// Nothing when the arguments are not understood.
std::optional<Arguments> ParseArguments(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--folder" && i + 1 < argc) {
            args.folder = argv[++i];
        } else if (arg.starts_with("--folder=")) {
            args.folder = arg.substr(9);
        } else if (arg.starts_with("-") && arg != "-") {
            return std::nullopt;
        } else if (args.script) {
            return std::nullopt;
        } else if (arg != "-") {
            args.script = arg;
        }
    }
    if (args.folder.empty()) {
        std::error_code error;
        args.folder = std::filesystem::current_path(error).string();
        if (error) args.folder = ".";
    }
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a save fails with its message instead of ending the run.
    std::signal(SIGXFSZ, SIG_IGN);
    auto args = ParseArguments(argc, argv);
    if (!args) {
        std::cerr << kUsage;
        return runner::kScriptFailed;
    }
    std::ifstream file;
    if (args->script) {
        file.open(*args->script, std::ios::binary);
        if (!file) {
            std::cerr << "mozeldouble-run: cannot read " << *args->script << "\n";
            return runner::kScriptFailed;
        }
    }
    std::istream& script = args->script ? static_cast<std::istream&>(file) : std::cin;

    ui::HeadlessServices services;
    services.setProgramFolder(args->folder);
    program::Program program(services.services());
    runner::ScriptRunner runner(program, services, std::cout);
    return runner.run(script);
}
