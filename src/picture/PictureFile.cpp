#include "picture/PictureFile.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace picture {
namespace {

// A file larger than this is refused unread: no picture under the pixel bound needs more.
constexpr std::uintmax_t kMaxFileBytes = 200U * 1024 * 1024;

}  // namespace

std::variant<std::vector<unsigned char>, std::string> ReadPictureBytes(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec))
        return std::string("画像を読めません（普通のファイルではありません）");
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::string("ファイルを開けません");
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    if (size < 0) return std::string("画像を読めません（ファイルではありません）");
    if (static_cast<std::uintmax_t>(size) > kMaxFileBytes) return std::string("画像が大きすぎます（ファイルが大きすぎます）");
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) return std::string("画像を読めません（読み込みに失敗しました）");
    return bytes;
}

}  // namespace picture
