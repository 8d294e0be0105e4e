#include "bench/bench_setup.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/random.h"
#include "ui/loadsave.h"

std::vector<double> BenchSizes(int argc, char** argv, int first, std::vector<double> defaults) {
  std::vector<double> sizes;
  for (int i = first; i < argc; ++i) sizes.push_back(std::atof(argv[i]));
  return sizes.empty() ? defaults : sizes;
}

bool EnterBenchFolder(const char* name, std::filesystem::path* dir) {
  namespace fs = std::filesystem;
  *dir = fs::temp_directory_path() / name;
  std::error_code ec;
  fs::create_directories(*dir, ec);
  fs::current_path(*dir, ec);
  if (ec) {
    std::fprintf(stderr, "cannot use %s\n", dir->string().c_str());
    return false;
  }
  return true;
}

void SetUpWriterRun(const std::filesystem::path& dir) {
  ResetGlobals();
  global.outroutepath = (dir / "linewrighttemp.csv").string();
  global.trainname = "BenchTrain";
  global.alternativechance = 100;
  platform::SeedRandom(1);
}

std::filesystem::path MakeBenchInstallation(const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  fs::path kavo = dir / "kavo";
  fs::path routes = kavo / "railway" / "route" / "bench";
  fs::path train = kavo / "train" / "BenchTrain";
  std::error_code ec;
  fs::create_directories(routes, ec);
  fs::create_directories(kavo / "railway" / "object", ec);  // where the turnout signs go
  fs::create_directories(train, ec);
  std::ofstream(train / "train.dat") << "BenchTrain\r\n";
  if (ec || !fs::is_regular_file(train / "train.dat")) {
    std::fprintf(stderr, "cannot make the installation in %s\n", kavo.string().c_str());
    return fs::path();
  }
  return routes;
}

std::vector<std::string> AllOptionsRun(const std::filesystem::path& dir, const std::string& route,
                                       const char* kind) {
  std::filesystem::path kavo = dir / "kavo";
  std::vector<std::string> args = {"--route", route, "--train", "BenchTrain", "--kind", kind,
                                   "--seed", "1", "--sim-exe", "kavo.exe"};
  const std::string folders[][2] = {{"--sim-folder", kavo.string()},
                                    {"--route-folder", (kavo / "railway" / "route").string()},
                                    {"--train-folder", (kavo / "train").string()}};
  for (const auto& folder : folders) args.insert(args.end(), {folder[0], folder[1]});
  static const char* const kEveryOption[] = {
      "--signals", "strong", "--adhesion", "random", "--static-trains", "move",
      "--alternative-chance", "100", "--timetable", "custom", "--start-time", "07.30",
      "--loose-timetable", "--tilting", "--signal-distances", "--random-track-quality",
      "--random-dwell", "--random-traffic", "--random-start", "--choice", "yes"};
  args.insert(args.end(), std::begin(kEveryOption), std::end(kEveryOption));
  return args;
}
