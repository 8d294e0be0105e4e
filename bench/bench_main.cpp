// Times the stages on synthetic routes of growing size.
//
//   linewright_bench [MB ...]      (default: 1 2 5 10)
//
// Each stage is one entry of the table in Stages(); a later stage can
// append its own entry and use what the earlier ones left in the working
// folder.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_setup.h"
#include "bench/synthetic_route.h"
#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "platform/files.h"
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

}  // namespace

int main(int argc, char** argv) {
  std::vector<double> sizes = BenchSizes(argc, argv);
  std::filesystem::path dir;
  if (!EnterBenchFolder("linewright-bench", &dir)) return 1;
  SetUpWriterRun(dir);
  std::vector<Stage> stages = Stages();

  std::printf("%-10s %8s  %-12s %9s %10s\n", "syntax", "size MB", "stage", "seconds", "MB/s");
  bool ok = true;
  for (double mb : sizes) {
    size_t bytes = static_cast<size_t>(mb * 1024 * 1024);
    const Route routes[] = {{"bench.csv", kRouteCsv}, {"bench.rw", kRouteSectioned}};
    for (const Route& route : routes) {
      std::string text = route.type == kRouteCsv ? SyntheticCsvRoute(bytes)
                                                 : SyntheticSectionedRoute(bytes);
      if (!platform::WriteFileReplacing(route.path, text.data(), text.size())) {
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
