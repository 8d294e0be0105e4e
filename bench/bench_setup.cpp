#include "bench/bench_setup.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/random.h"
#include "ui/loadsave.h"

std::vector<double> BenchSizes(int argc, char** argv) {
  std::vector<double> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atof(argv[i]));
  if (sizes.empty()) sizes = {1, 2, 5, 10};
  return sizes;
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
