// mozeldouble-solve --from-image: what was read from one picture, as a problem line or as a
// JSON object, and the pictures a folder holds.
#pragma once

#include <string>
#include <vector>

#include "picture/PictureReading.h"

namespace solve {

// "# FILE" and, when a board was read, its problem line, after a comment naming the cells read
// with low confidence: "# 確かでないマス: グリッド1の3行5列, 7行1列". Appended to out, without
// the last line end. A picture without a board gives only the first line; its message goes
// to standard error.
void AppendPicturePlain(std::string& out, const std::string& file, const picture::PictureReading& reading);

// {"file":...,"line":...,"pattern":N,"diagonal":B,"confidence":[[81],[81]],"doubtful":[[...],[...]]}
// with confidences and doubtful cells by grid cell (1..81) of each grid, or
// {"file":...,"message":...} when no board was read. Appended to out, without a line end.
void AppendPictureJson(std::string& out, const std::string& file, const picture::PictureReading& reading);

// The picture files (.png, .jpg, .jpeg, .bmp, any case) directly inside a folder, sorted by
// name.
std::vector<std::string> PicturesInFolder(const std::string& folder);

}  // namespace solve
