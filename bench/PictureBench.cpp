// Reading a double board from a 1,000 x 1,000 picture (a board of 64-pixel cells, pattern 12
// under the diagonal rule, in IPA Gothic), as PNG and as JPEG: decoding, finding the board and
// reading its cells. Goal: at most 300 ms a picture. Wall-clock time, as OpenCV may use
// more than one thread.
//   build/bench/mozel_bench_picture
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

#include "BoardDrawing.h"
#include "picture/PictureReading.h"
#include "puzzle/Generator.h"

namespace {

std::vector<unsigned char> Picture(int jpegQuality) {
    picture::drawing::DrawStyle style;
    style.cellPixels = 64;
    style.margin = 20;
    style.diagonals = true;
    style.jpegQuality = jpegQuality;
    cv::Mat drawn = picture::drawing::DrawBoard(puzzle::GenerateProblem(12, true, 5), style);
    if (drawn.cols != 1000 || drawn.rows != 1000) throw std::logic_error("the picture is not 1000 x 1000");
    return picture::drawing::Encode(drawn, style);
}

void Read(benchmark::State& state, int jpegQuality) {
    const std::vector<unsigned char> bytes = Picture(jpegQuality);
    for (auto _ : state) {
        picture::PictureReading reading = picture::ReadPicture(bytes);
        if (!reading.found) state.SkipWithError("no board found");
        benchmark::DoNotOptimize(reading);
    }
}

BENCHMARK_CAPTURE(Read, png, 0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Read, jpeg, 85)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
