#include "bench/child_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Waits for `pid` and fills in the outcome and its peak memory.
void Reap(pid_t pid, ChildResult* result) {
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return;
  result->ok = result->ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  result->peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  result->cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

ChildResult RunInChild(const std::function<bool()>& work) {
  ChildResult result;
  int channel[2];
  if (pipe(channel) != 0) return result;
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0) {
    close(channel[0]);
    auto start = std::chrono::steady_clock::now();
    bool ok = work();
    double seconds = Since(start);
    ssize_t written = write(channel[1], &seconds, sizeof seconds);
    _exit(ok && written == sizeof seconds ? 0 : 1);
  }
  close(channel[1]);
  result.ok = read(channel[0], &result.seconds, sizeof result.seconds) ==
              static_cast<ssize_t>(sizeof result.seconds);
  close(channel[0]);
  Reap(pid, &result);
  return result;
}

ChildResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::string& outputPath) {
  ChildResult result;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(nullptr);
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid < 0) return result;
  if (pid == 0) {
    int out = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int none = open("/dev/null", O_RDONLY);
    if (out >= 0) {
      dup2(out, 1);
      dup2(out, 2);
    }
    if (none >= 0) dup2(none, 0);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  result.ok = true;
  Reap(pid, &result);
  result.seconds = Since(start);
  return result;
}
