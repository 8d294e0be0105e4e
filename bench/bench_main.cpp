// Times the stages on synthetic routes of growing size.
//
//   linewright_bench [MB ...]      (default: 1 2 5 10)
//
// Each stage is one entry of the table in Stages(); a later stage can
// append its own entry and use what the earlier ones left in the working
// folder.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/synthetic_route.h"
#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "platform/random.h"
#include "rte2int/rte2int.h"
#include "ui/loadsave.h"

namespace {

struct Route {
  std::string path;
  signed char type;
};

struct Stage {
  const char* name;
  std::function<bool(const Route&)> run;
};

std::vector<Stage> Stages() {
  return {
      {"read route", [](const Route& route) {
         global.routetype = route.type;
         return Route2Intermediate(route.path.c_str(), nullptr) == 1;
       }},
      // The writer and the chart read the intermediate file left above.
      {"create route", [](const Route&) { return Intermediate2Route(nullptr); }},
      {"chart", [](const Route&) { return Intermediate2Tech(nullptr) == 1; }},
  };
}

bool WriteText(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<double> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atof(argv[i]));
  if (sizes.empty()) sizes = {1, 2, 5, 10};

  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / "linewright-bench";
  std::error_code ec;
  fs::create_directories(dir, ec);
  fs::current_path(dir, ec);
  if (ec) {
    std::fprintf(stderr, "cannot use %s\n", dir.string().c_str());
    return 1;
  }
  ResetGlobals();
  // Every alternative path is taken, so the writer switches tracks wherever
  // the route offers it.
  global.outroutepath = (dir / "linewrighttemp.csv").string();
  global.trainname = "BenchTrain";
  global.alternativechance = 100;
  platform::SeedRandom(1);
  std::vector<Stage> stages = Stages();

  std::printf("%-10s %8s  %-12s %9s %10s\n", "syntax", "size MB", "stage", "seconds", "MB/s");
  bool ok = true;
  for (double mb : sizes) {
    size_t bytes = static_cast<size_t>(mb * 1024 * 1024);
    const Route routes[] = {{"bench.csv", kRouteCsv}, {"bench.rw", kRouteSectioned}};
    for (const Route& route : routes) {
      std::string text = route.type == kRouteCsv ? SyntheticCsvRoute(bytes)
                                                 : SyntheticSectionedRoute(bytes);
      if (!WriteText(route.path, text)) {
        std::fprintf(stderr, "cannot write %s\n", route.path.c_str());
        return 1;
      }
      double actual = text.size() / (1024.0 * 1024.0);
      for (const Stage& stage : stages) {
        std::remove("log.txt");
        auto start = std::chrono::steady_clock::now();
        bool done = stage.run(route);
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-10s %8.2f  %-12s %9.3f %10.2f%s\n",
                    route.type == kRouteCsv ? "csv" : "sectioned", actual, stage.name, seconds,
                    actual / seconds, done ? "" : "  FAILED");
        ok = ok && done;
      }
    }
  }
  return ok ? 0 : 1;
}
