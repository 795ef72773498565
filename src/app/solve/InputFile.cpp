#include "app/solve/InputFile.h"

#include <filesystem>
#include <system_error>

namespace solve {

std::optional<std::string> NotAFile(const std::string& path, bool pipeAllowed) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    switch (status.type()) {
        case fs::file_type::regular:
        case fs::file_type::not_found:
        case fs::file_type::none:  // could not be looked at: opening it says why
            return std::nullopt;
        case fs::file_type::fifo:
            if (pipeAllowed) return std::nullopt;
            return "ファイルではなくパイプです（問題集は普通のファイルから読みます）";
        case fs::file_type::directory:
            return "ファイルではなくフォルダです";
        case fs::file_type::character:
        case fs::file_type::block:
            return "ファイルではなく装置（デバイス）です";
        default:
            return "普通のファイルではありません";
    }
}

}  // namespace solve
