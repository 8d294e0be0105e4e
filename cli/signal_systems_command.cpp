#include <cstdio>

#include "cli/commands.h"
#include "sigsys/sigsys.h"
#include "sigsys/sigsys_list.h"

void PrintSignalSystemsHelp() {
  std::printf(
      "usage: linewright signal-systems\n\n"
      "Lists the signal systems that 'generate --signal-system NAME' accepts: \"Kavo\n"
      "Default\" (the simulator's own signals) and each installed system with its\n"
      "folder. A signal system is a folder of the working folder holding sigsys.txt,\n"
      "whose first line is its name.\n");
}

int SignalSystemsCommand(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageFailure("signal-systems", "unexpected argument '" + args[0] + "'");
  std::vector<SignalSystemEntry> systems = ListSignalSystems(".");
  std::printf("%-16s %s\n", kDefaultSignalSystem, "(the simulator's own signals)");
  for (const SignalSystemEntry& s : systems)
    std::printf("%-16s folder %s\n", s.name.c_str(), s.folder.c_str());
  if (systems.empty())
    std::printf("No other signal system is installed in the working folder.\n");
  return kExitOk;
}
