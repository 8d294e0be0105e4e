#include <cstdio>
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "platform/random.h"
#include "scrprocs/scrprocs.h"
#include "ui/loadsave.h"

const char kScriptUsage[] =
    "usage: linewright script FILE [--seed N] [--train NAME] [--choice yes|no]\n"
    "  Runs the route's script as a generation run would and prints the route text.\n";

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
      if (!file.empty()) return UsageFailure("more than one FILE given", kScriptUsage);
      file = word;
      continue;
    }
    if (!reader.ReadValue(inline_value, has_inline, &value))
      return UsageFailure("option " + name + " expects a value", kScriptUsage);
    if (name == "--seed") {
      if (!ParseInt(value, 0, 0xFFFFFFFFLL, &seed))
        return UsageFailure("--seed expects a whole number, got '" + value + "'", kScriptUsage);
      has_seed = true;
    } else if (name == "--train") {
      train = value;
    } else if (name == "--choice") {
      if (value != "yes" && value != "no")
        return UsageFailure("--choice expects yes|no, got '" + value + "'", kScriptUsage);
      answer = value == "yes";
    } else {
      return UsageFailure("unknown option " + name, kScriptUsage);
    }
  }
  if (file.empty()) return UsageFailure("FILE is required", kScriptUsage);

  if (has_seed)
    platform::SeedRandom(static_cast<std::uint32_t>(seed));
  else
    platform::SeedRandomFromClock();
  ChooseRouteFile(file);
  global.trainname = train;

  TerminalMessageSink messages(answer);
  platform::ScopedMessageSink scoped(&messages);
  std::string text;
  bool ok = ScriptRouteText(file.c_str(), &text);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  if (!ok && messages.error_count() == 0) std::fprintf(stderr, "linewright: cannot read '%s'\n", file.c_str());
  return ok && messages.error_count() == 0 ? kExitOk : kExitFailed;
}
