#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "rte2int/dump.h"

void PrintDumpHelp() {
  std::printf(
      "usage: linewright dump FILE\n\n"
      "Prints an intermediate file (linewright.tmp, written by every run in the working\n"
      "folder) one command a line, as \"INDEX name | field | ...\". A file that is not an\n"
      "intermediate file is refused, naming its first line that does not parse.\n"
      "Exit status: 0 when printed, 1 when the file cannot be read or is not an\n"
      "intermediate file, 2 for a malformed command line.\n");
}

int DumpCommand(const std::vector<std::string>& args) {
  if (args.empty()) return UsageFailure("dump", "FILE is required");
  if (args[0].compare(0, 2, "--") == 0) return UsageFailure("dump", "unknown option " + args[0]);
  if (args.size() != 1) return UsageFailure("dump", "expected one FILE");
  std::string error;
  errno = 0;
  if (!DumpIntermediateFile(args[0], std::cout, &error)) return RunFailure(error);
  if (!std::cout.flush()) return OutputLost(errno);
  return kExitOk;
}
