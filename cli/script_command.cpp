#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "platform/filesystem.h"
#include "platform/random.h"
#include "scrprocs/scrprocs.h"
#include "ui/loadsave.h"

void PrintScriptHelp() {
  std::printf(
      "usage: linewright script FILE [--seed N] [--train NAME] [--choice yes|no]\n\n"
      "Runs a route's preprocessing (#include, $Include, notes, macros, $Rnd, $Sub) and,\n"
      "for a .scr file, its script, as a generation run would, and prints the resulting\n"
      "route text: the way to check a script. Included files are found relative to the\n"
      "route's folder, with \"\\\" or \"/\" and in any letter case.\n\n"
      "  --seed N          seed of the random generator (0 to 4294967295): the same seed\n"
      "                    gives the same text; default: from the clock\n"
      "  --train NAME      the train that #selectedtrain and #train<...> see; default: none\n"
      "  --choice yes|no   answer to #choice questions when standard input is not a\n"
      "                    terminal; default: no\n\n"
      "Script errors are printed to stderr as they come. Exit status: 0 for a clean run,\n"
      "1 when the file cannot be read or the script reported an error, 2 for a malformed\n"
      "command line.\n");
}

int ScriptCommand(const std::vector<std::string>& args) {
  ResetGlobals();
  ArgumentReader reader(args);
  std::string file, train;
  bool has_seed = false, answer = false;
  long long seed = 0;
  while (!reader.AtEnd()) {
    std::string word = reader.Read();
    std::string name, inline_value, value;
    bool has_inline = false;
    ArgumentReader::SplitOption(word, &name, &inline_value, &has_inline);
    if (name.compare(0, 2, "--") != 0) {
      if (!file.empty()) return UsageFailure("script", "more than one FILE given");
      file = word;
      continue;
    }
    if (name != "--seed" && name != "--train" && name != "--choice")
      return UsageFailure("script", "unknown option " + name);
    if (!reader.ReadValue(inline_value, has_inline, &value))
      return UsageFailure("script", "option " + name + " expects a value");
    if (name == "--seed") {
      if (!ParseInt(value, 0, 0xFFFFFFFFLL, &seed))
        return UsageFailure("script", "--seed expects a whole number from 0 to 4294967295, got '" +
                                          value + "'");
      has_seed = true;
    } else if (name == "--train") {
      train = value;
    } else {
      if (value != "yes" && value != "no")
        return UsageFailure("script", "--choice expects yes|no, got '" + value + "'");
      answer = value == "yes";
    }
  }
  if (file.empty()) return UsageFailure("script", "FILE is required");
  std::string probe;
  if (!platform::Files().ReadFile(file, &probe))
    return RunFailure("cannot read " +
                      platform::FileErrorDetail(file, platform::Files().LastError()));

  if (has_seed)
    platform::SeedRandom(static_cast<std::uint32_t>(seed));
  else
    platform::SeedRandomFromClock();
  // The saved route folder bounds what the route's includes may reach.
  LoadConfig();
  ChooseRouteFile(file);
  global.trainname = train;

  TerminalMessageSink messages(answer);
  platform::ScopedMessageSink scoped(&messages);
  std::string text;
  bool ok = ScriptRouteText(file.c_str(), &text);
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return OutputLost(errno);
  if (!ok && messages.error_count() == 0) return RunFailure("cannot read '" + file + "'");
  return ok && messages.error_count() == 0 ? kExitOk : kExitFailed;
}
