#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "platform/files.h"
#include "ui/loadsave.h"
#include "ui/turnout_signs.h"

void PrintInstallObjectsHelp() {
  std::printf(
      "usage: linewright install-objects [--sim-folder DIR]\n\n"
      "Puts the turnout signs that written routes show at switches\n"
      "(LINEWRIGHT\\objs\\turnout.gif to turnout4.gif) into the simulator's object\n"
      "folder, railway/object in the simulator's folder, where they are missing. An\n"
      "existing file is never replaced. Create and launch runs do the same by\n"
      "themselves.\n\n"
      "  --sim-folder DIR  the simulator's folder; default: the saved one (not saved)\n");
}

int InstallObjectsCommand(const std::vector<std::string>& args) {
  ResetGlobals();
  LoadConfig();
  ArgumentReader reader(args);
  bool given = false;
  while (!reader.AtEnd()) {
    std::string word = reader.Read();
    std::string name, inline_value, value;
    bool has_inline = false;
    ArgumentReader::SplitOption(word, &name, &inline_value, &has_inline);
    if (name != "--sim-folder") {
      if (name.compare(0, 2, "--") == 0) return UsageFailure("install-objects", "unknown option " + name);
      return UsageFailure("install-objects", "unexpected argument '" + word + "'");
    }
    if (!reader.ReadValue(inline_value, has_inline, &value) || value.empty())
      return UsageFailure("install-objects", "option --sim-folder expects a value");
    std::string folder = value;
    DropTrailingSeparator(&folder);
    SetFolderSetting(&global.simfolder, folder);
    given = true;
  }
  if (!platform::IsDirectory(global.simfolder))
    return RunFailure("the simulator folder '" + global.simfolder + "' does not exist" +
                      (given ? "" : "; give it with --sim-folder DIR"));
  TurnoutSignInstall install;
  if (!InstallTurnoutSigns(global.simfolder, &install))
    return RunFailure("could not install the turnout signs: " + install.error);
  if (install.installed.empty())
    std::printf("Turnout signs already installed in %s\n", install.folder.c_str());
  else
    std::printf("Turnout signs installed in %s: %s\n", install.folder.c_str(),
                TurnoutSignNames(install.installed).c_str());
  return kExitOk;
}
