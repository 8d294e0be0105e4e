#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "rte2int/dump.h"

const char kDumpUsage[] =
    "usage: linewright dump FILE\n"
    "  Prints an intermediate file (linewright.tmp) one command a line.\n";

int DumpCommand(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].compare(0, 2, "--") == 0)
    return UsageFailure(args.empty() ? "FILE is required" : "expected one FILE", kDumpUsage);
  std::string error;
  if (!DumpIntermediateFile(args[0], std::cout, &error)) {
    std::fprintf(stderr, "linewright: %s\n", error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}
