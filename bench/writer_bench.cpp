// Times the route writer and the chart on synthetic intermediate files of
// growing size, written directly (no route reading involved).
//
//   writer_bench [MB ...]     default sizes: 1 2 5 10
//
// Each synthetic route has a main track with two side tracks, alternative
// paths onto and off a side track, curves, turns, signals with spacing
// lines, stations with timing lines, walls, poles, markers, free objects
// and now and then a jump of several blocks. The run takes every path
// (chance 100), so the switching code is exercised throughout.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "bench/bench_setup.h"
#include "core/BufFile.h"
#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "rte2int/recognizer.h"
#include "rte2int/rte2int.h"
#include "ui/loadsave.h"

namespace {

// One intermediate line, encoded as the route reading writes it.
void Line(BufferedFile* out, int index, std::initializer_list<std::string> fields) {
  std::string params;
  for (const std::string& f : fields) {
    if (&f != fields.begin()) params += ';';
    params += f;
  }
  WriteCommand(out, index, params.data());
}

std::string N(long long v) { return std::to_string(v); }

// Writes the synthetic intermediate file of about `targetBytes` into `out`.
void SyntheticIntermediate(size_t targetBytes, BufferedFile* out) {
  Line(out, 1, {});
  Line(out, 2, {});
  Line(out, 24, {"Original"});
  Line(out, 3, {});
  for (int i = 0; i < 8; ++i) Line(out, 30, {N(i), "rail" + N(i) + ".b3d"});
  Line(out, 55, {"1", "parked\\Wagon.b3d"});
  Line(out, 55, {"2", "tree.b3d"});
  Line(out, 6, {});
  long long position = 0;
  long long block = 0;
  bool onSide = false;
  while (static_cast<size_t>(out->size()) < targetBytes) {
    ++block;
    // Every 97th block jumps ahead four blocks, one in 13 stands off the grid.
    position += (block % 97 == 0) ? 100 : 25;
    long long at = (block % 13 == 0) ? position + 10 : position;
    if (block % 200 == 0) Line(out, -2, {"3", N(36000 + block), N(at + 5000), "240"});
    if (block % 40 == 0) {
      Line(out, -2, {"1", onSide ? "1" : "0", onSide ? "0" : "1"});
      onSide = !onSide;
    }
    Line(out, 0, {N(at)});
    double wave = (block % 40) / 40.0;
    Line(out, 60, {"1", N(3 + static_cast<int>(wave * 2)) + ".5", "0", "1"});
    Line(out, 60, {"2", "-4", "0", "2"});
    if (block % 20 == 0) Line(out, 64, {block % 40 == 0 ? "0" : "800", "40"});
    if (block % 33 == 0) Line(out, 66, {"0.01"});
    if (block % 8 == 0) {
      Line(out, -2, {"0", "200"});
      Line(out, 69, {"3", "S" + N(block), "2.5", "4"});
    }
    if (block % 200 == 0) Line(out, 75, {"Station " + N(block), "10.30", "10.31", "0", "1"});
    if (block % 50 == 0) Line(out, 80, {"2", "-1", "3"});
    if (block % 50 == 25) Line(out, 81, {"2"});
    if (block % 60 == 0) Line(out, 78, {"0", "1", "0", "50", "4"});
    if (block % 70 == 0) Line(out, 84, {"sign.bmp", "200"});
    if (block % 5 == 0) Line(out, 88, {"0", "2", "6", "0"});
    if (block % 120 == 0) Line(out, 61, {"1"});
    if (block % 120 == 1) Line(out, 59, {"1", "3.5", "0", "1"});
  }
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<double> sizes = BenchSizes(argc, argv, 1, {1, 2, 5, 10});
  std::filesystem::path dir;
  if (!EnterBenchFolder("linewright-writer-bench", &dir)) return 1;
  SetUpWriterRun(dir);

  std::printf("%10s %12s %10s %12s %10s\n", "input MB", "route MB", "create s", "chart MB",
              "chart s");
  for (double mb : sizes) {
    BufferedFile intermediate(BufferedFile::kStageOutputSize, true);
    SyntheticIntermediate(static_cast<size_t>(mb * 1024 * 1024), &intermediate);
    if (!intermediate.flush(kIntermediateFileName)) {
      std::fprintf(stderr, "writer_bench: cannot write %s\n", kIntermediateFileName);
      return 1;
    }

    auto start = std::chrono::steady_clock::now();
    bool routeOk = Intermediate2Route(nullptr);
    double create = Seconds(start);
    start = std::chrono::steady_clock::now();
    int chartOk = Intermediate2Tech(nullptr);
    double chart = Seconds(start);

    if (!routeOk || !chartOk) {
      std::fprintf(stderr, "writer_bench: a stage failed at %.1f MB\n", mb);
      return 1;
    }
    double routeMb = static_cast<double>(std::filesystem::file_size(global.outroutepath)) / (1024 * 1024);
    double chartMb = static_cast<double>(std::filesystem::file_size(kChartFileName)) / (1024 * 1024);
    std::printf("%10.2f %12.2f %10.3f %12.2f %10.3f\n",
                static_cast<double>(intermediate.size()) / (1024 * 1024), routeMb, create, chartMb,
                chart);
  }
  return 0;
}
