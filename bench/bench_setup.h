#ifndef LINEWRIGHT_BENCH_BENCH_SETUP_H
#define LINEWRIGHT_BENCH_BENCH_SETUP_H

#include <filesystem>
#include <vector>

// What the benchmarks share before they time anything.

// The sizes in MB named on the command line, or 1 2 5 10 when none is.
std::vector<double> BenchSizes(int argc, char** argv);

// Makes `name` below the temporary folder the working folder and returns
// its path in `dir`; false (said on stderr) when it cannot.
bool EnterBenchFolder(const char* name, std::filesystem::path* dir);

// Settings for timing the writer: the route goes to "linewrighttemp.csv"
// in `dir`, and every alternative path is taken, so the writer switches
// tracks wherever the route offers it. The random generator starts from a
// fixed seed, so runs are alike.
void SetUpWriterRun(const std::filesystem::path& dir);

#endif
