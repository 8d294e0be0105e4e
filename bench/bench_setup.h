#ifndef LINEWRIGHT_BENCH_BENCH_SETUP_H
#define LINEWRIGHT_BENCH_BENCH_SETUP_H

#include <filesystem>
#include <string>
#include <vector>

// What the benchmarks share before they time anything.

// The sizes in MB named on the command line from `first` on, or
// `defaults` when none is.
std::vector<double> BenchSizes(int argc, char** argv, int first, std::vector<double> defaults);

// Makes `name` below the temporary folder the working folder and returns
// its path in `dir`; false (said on stderr) when it cannot.
bool EnterBenchFolder(const char* name, std::filesystem::path* dir);

// Settings for timing the writer: the route goes to "linewrighttemp.csv"
// in `dir`, and every alternative path is taken, so the writer switches
// tracks wherever the route offers it. The random generator starts from a
// fixed seed, so runs are alike.
void SetUpWriterRun(const std::filesystem::path& dir);

// A small simulator installation below `dir` for runs through the command
// line: "kavo" with the route folder "kavo/railway/route", the object
// folder the turnout signs go into and the train "BenchTrain". Returns the folder the benchmark
// routes go into. Empty (said on stderr) when it cannot be made.
std::filesystem::path MakeBenchInstallation(const std::filesystem::path& dir);

// The arguments after "linewright generate" for a run of `kind` (create or
// chart) on `route` with every start option on: random signals, adhesion,
// parked trains moved, every alternative path taken, a custom loose
// timetable, tilting, signal distances, random track quality, dwell,
// traffic and start, and a fixed seed.
std::vector<std::string> AllOptionsRun(const std::filesystem::path& dir, const std::string& route,
                                       const char* kind);

#endif
