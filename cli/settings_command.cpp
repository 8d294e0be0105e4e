#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_options.h"
#include "platform/files.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

void PrintSettingsHelp() {
  std::printf(
      "usage: linewright settings\n\n"
      "Prints the saved settings in words, each with the generate option that sets it:\n"
      "the simulator's folders and executable, every start option and the signal system,\n"
      "and where the settings file is (linewright10_2.cfg in the working folder).\n"
      "'linewright generate' saves the options of every run.\n");
}

int SettingsCommand(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageFailure("settings", "unexpected argument '" + args[0] + "'");
  ResetGlobals();
  bool found = LoadConfig();
  std::printf("settings file: %s%s\n\n", platform::AbsolutePath(kConfigFileName).c_str(),
              found ? "" : " (not written yet: these are the defaults)");
  std::string system = sigsys.name.empty() ? kDefaultSignalSystem : sigsys.name;
  // Folders first, then the start options.
  for (bool folders : {true, false}) {
    for (const SavedOption& option : SavedOptions()) {
      if ((option.kind == SavedKind::kFolder) != folders) continue;
      std::string label = std::string(option.label) + " (--" + option.name + ")";
      std::printf("%-48s %s\n", (label + ":").c_str(),
                  SavedOptionValue(option, global, system).c_str());
    }
  }
  return kExitOk;
}
