#ifndef LINEWRIGHT_BENCH_CHILD_RUN_H
#define LINEWRIGHT_BENCH_CHILD_RUN_H

#include <functional>
#include <string>
#include <vector>

// Runs measured work in a child process of its own, so that its peak
// memory is its own (getrusage of the child) and nothing it leaves behind
// in memory slows the next run. POSIX only.

struct ChildResult {
  bool ok = false;        // the work reported success / the program exited with 0
  double seconds = 0;     // wall time of the work
  double cpuSeconds = 0;  // processor time of the child (user and system)
  double peakMb = 0;      // peak resident memory of the child, MiB
};

// Runs `work` in a forked child; the seconds are those of `work` alone.
ChildResult RunInChild(const std::function<bool()>& work);

// Runs `program` with `args` in the working folder, its output and errors
// going to `outputPath`; the seconds are from the start to the exit.
ChildResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::string& outputPath);

#endif
