// Times every stage of a generation run, and whole create runs through the
// command line, on synthetic routes of the three syntaxes.
//
//   linewright_bench [--cli PATH] [--trials N] [--only-cli] [--outputs DIR] [MB ...]
//
// Sizes default to 1 4 16 64 MB. Every start option is on. Each figure is
// the best of N runs (3 by default), each run in a process of its own, so
// the peak memory is that run's. Beside the wall time each run's processor
// time is shown, which other work on the machine disturbs less. "linear"
// is the processor time per MB of the stage's input relative to the same
// stage at the first size: 1.00 is linear.
// --outputs keeps, per route, the intermediate file, the route, the chart
// and the log of the command-line runs, to compare two builds byte for
// byte; --only-cli skips the single stages; --cli names the linewright
// program (default: beside this one, ../cli/linewright).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_setup.h"
#include "bench/bench_stages.h"
#include "bench/child_run.h"
#include "bench/synthetic_route.h"
#include "cli/generate_options.h"
#include "platform/memory.h"
#include "platform/random.h"
#include "rte2int/rte2int.h"
#include "ui/loadsave.h"

namespace fs = std::filesystem;

namespace {

struct Syntax {
  const char* name;
  const char* file;
  std::string (*make)(size_t);
};

const Syntax kSyntaxes[] = {
    {"csv", "bench.csv", SyntheticCsvRoute},
    {"sectioned", "bench.rw", SyntheticSectionedRoute},
    {"script", "bench.scr", SyntheticScriptRoute},
};

struct Options {
  std::string cli;
  int trials = 3;
  bool onlyCli = false;
  fs::path outputs;
  std::vector<double> sizes;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  options->cli = (fs::absolute(argv[0]).parent_path() / ".." / "cli" / "linewright").string();
  int i = 1;
  for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
    std::string option = argv[i];
    if (option == "--only-cli") {
      options->onlyCli = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    if (option == "--cli")
      options->cli = fs::absolute(argv[++i]).string();
    else if (option == "--trials")
      options->trials = std::atoi(argv[++i]);
    else if (option == "--outputs")
      options->outputs = fs::absolute(argv[++i]);
    else
      return false;
  }
  options->sizes = BenchSizes(argc, argv, i, {1, 4, 16, 64});
  return options->trials > 0;
}

double FileMb(const fs::path& path) {
  std::error_code ec;
  auto size = fs::file_size(path, ec);
  return ec ? 0 : static_cast<double>(size) / (1024 * 1024);
}

// The settings a command-line run with `args` would have.
bool SetUpRun(const std::vector<std::string>& args) {
  ResetGlobals();
  GenerateRequest request;
  std::string error;
  bool ok = ParseGenerateArguments(args, &request, &error) &&
            ApplyGenerateRequest(request, std::time(nullptr), &error);
  if (!ok) std::fprintf(stderr, "bench: %s\n", error.c_str());
  platform::SeedRandom(request.seed);
  return ok;
}

// The shortest wall time and the shortest processor time of the runs (the
// least disturbed by other work), the largest peak memory; ok when all were.
ChildResult Best(int trials, const std::function<ChildResult()>& run) {
  ChildResult best;
  for (int t = 0; t < trials; ++t) {
    ChildResult r = run();
    if (t == 0) {
      best = r;
      continue;
    }
    best.ok = best.ok && r.ok;
    best.seconds = std::min(best.seconds, r.seconds);
    best.cpuSeconds = std::min(best.cpuSeconds, r.cpuSeconds);
    best.peakMb = std::max(best.peakMb, r.peakMb);
  }
  return best;
}

// Time per MB of each stage at the first size it ran, for the linearity.
std::map<std::string, double> firstSecondsPerMb;

void PrintRow(const char* syntax, double routeMb, const std::string& stage, double inputMb,
              const ChildResult& r) {
  std::string key = std::string(syntax) + "/" + stage;
  double perMb = inputMb > 0 ? r.cpuSeconds / inputMb : 0;
  if (!firstSecondsPerMb.count(key)) firstSecondsPerMb[key] = perMb;
  double first = firstSecondsPerMb[key];
  std::printf("%-9s %8.2f  %-11s %8.2f %8.3f %8.1f %8.3f %8.1f %8.1f %6.2f %7.2f%s\n", syntax,
              routeMb, stage.c_str(), inputMb, r.seconds, r.seconds > 0 ? inputMb / r.seconds : 0,
              r.cpuSeconds, r.cpuSeconds > 0 ? inputMb / r.cpuSeconds : 0, r.peakMb,
              routeMb > 0 ? r.peakMb / routeMb : 0, first > 0 ? perMb / first : 0,
              r.ok ? "" : "  FAILED");
}

void KeepOutputs(const Options& options, const std::vector<std::string>& createArgs,
                 const std::string& tag) {
  fs::path to = options.outputs / tag;
  std::error_code ec;
  fs::create_directories(to, ec);
  fs::copy_file(kIntermediateFileName, to / kIntermediateFileName,
                fs::copy_options::overwrite_existing, ec);
  fs::copy_file(global.outroutepath, to / "linewrighttemp.csv",
                fs::copy_options::overwrite_existing, ec);
  fs::copy_file("log.txt", to / "log-create.txt", fs::copy_options::overwrite_existing, ec);
  std::vector<std::string> chartArgs = createArgs;
  for (size_t i = 0; i + 1 < chartArgs.size(); ++i)
    if (chartArgs[i] == "--kind") chartArgs[i + 1] = "chart";
  chartArgs.insert(chartArgs.begin(), "generate");
  RunProgram(options.cli, chartArgs, "cli-output.txt");
  fs::copy_file("chart.html", to / "chart.html", fs::copy_options::overwrite_existing, ec);
  fs::copy_file("log.txt", to / "log-chart.txt", fs::copy_options::overwrite_existing, ec);
}

}  // namespace

int main(int argc, char** argv) {
  // As the command line does, so that each stage's memory is its own.
  platform::ReturnLargeBlocksToTheSystem();
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: linewright_bench [--cli PATH] [--trials N] [--only-cli] "
                 "[--outputs DIR] [MB ...]\n");
    return 2;
  }
  fs::path dir;
  if (!EnterBenchFolder("linewright-bench", &dir)) return 1;
  fs::path routes = MakeBenchInstallation(dir);
  if (routes.empty()) return 1;

  std::printf("%-9s %8s  %-11s %8s %8s %8s %8s %8s %8s %6s %7s\n", "syntax", "route MB", "stage",
              "input MB", "best s", "MB/s", "cpu s", "cpu MB/s", "peak MB", "xroute", "linear");
  bool ok = true;
  for (const Syntax& syntax : kSyntaxes) {
    bool script = std::string(syntax.name) == "script";
    for (double mb : options.sizes) {
      fs::path route = routes / syntax.file;
      {
        std::string text = syntax.make(static_cast<size_t>(mb * 1024 * 1024));
        std::ofstream(route, std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
        if (script)
          std::ofstream(routes / kSyntheticIncludeName, std::ios::binary)
              << SyntheticScriptInclude();
      }
      double routeMb = FileMb(route);
      std::vector<std::string> args = AllOptionsRun(dir, route.string(), "create");

      if (!options.onlyCli) {
        for (const BenchStage& stage : BenchStages()) {
          if (stage.scriptOnly && !script) continue;
          double inputMb = FileMb(StageInput(stage, route.string(), script));
          ChildResult r = Best(options.trials, [&] {
            return RunInChild([&] { return SetUpRun(args) && stage.run(route.string()); });
          });
          PrintRow(syntax.name, routeMb, stage.name, inputMb, r);
          ok = ok && r.ok;
        }
      }
      std::vector<std::string> cliArgs = args;
      cliArgs.insert(cliArgs.begin(), "generate");
      ChildResult run =
          Best(options.trials, [&] { return RunProgram(options.cli, cliArgs, "cli-output.txt"); });
      PrintRow(syntax.name, routeMb, "create run", routeMb, run);
      std::fflush(stdout);
      ok = ok && run.ok;
      if (!options.outputs.empty()) {
        SetUpRun(args);
        char tag[64];
        std::snprintf(tag, sizeof tag, "%s-%g", syntax.name, mb);
        KeepOutputs(options, args, tag);
      }
    }
  }
  return ok ? 0 : 1;
}
