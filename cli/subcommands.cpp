#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/file_error.h"
#include "ui/version.h"

namespace {

// One static table: a new subcommand is one line here.
struct Subcommand {
  const char* name;
  const char* summary;
  void (*help)();
  int (*run)(const std::vector<std::string>& args);
};

const Subcommand kSubcommands[] = {
    {"generate", "write a route (and start the simulator) or a chart from a route",
     PrintGenerateHelp, GenerateCommand},
    {"script", "run a route's script and print the resulting route text", PrintScriptHelp,
     ScriptCommand},
    {"dump", "print an intermediate file one command a line", PrintDumpHelp, DumpCommand},
    {"settings", "print the saved settings and where they are kept", PrintSettingsHelp,
     SettingsCommand},
    {"signal-systems", "list the installed signal systems", PrintSignalSystemsHelp,
     SignalSystemsCommand},
    {"install-objects", "put the turnout signs into the simulator's object folder",
     PrintInstallObjectsHelp, InstallObjectsCommand},
};

void PrintOverview() {
  std::printf(
      "usage: linewright COMMAND [OPTIONS]\n"
      "       linewright help COMMAND | --help | --version\n\ncommands:\n");
  for (const Subcommand& s : kSubcommands) std::printf("  %-16s %s\n", s.name, s.summary);
  std::printf(
      "\nThe working folder holds linewright10_2.cfg (the saved settings), log.txt,\n"
      "linewright.tmp and chart.html, and the signal systems (a folder each). A run\n"
      "holds linewright.lock there: a second run in the same folder waits for it.\n"
      "Run 'linewright help COMMAND' for a command's options.\n");
}

const Subcommand* FindSubcommand(const std::string& name) {
  for (const Subcommand& s : kSubcommands)
    if (name == s.name) return &s;
  return nullptr;
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

int UnknownSubcommand(const std::string& name) {
  std::string message = "unknown command '" + name + "'";
  for (const Subcommand& s : kSubcommands) {
    if (EditDistance(name, s.name) <= 2) {
      message += ", did you mean '" + std::string(s.name) + "'?";
      break;
    }
  }
  return UsageFailure("", message);
}

int Help(const std::vector<std::string>& rest) {
  if (rest.empty()) {
    PrintOverview();
    return kExitOk;
  }
  if (rest.size() > 1) return UsageFailure("", "help takes one COMMAND");
  const Subcommand* s = FindSubcommand(rest[0]);
  if (s == nullptr) return UnknownSubcommand(rest[0]);
  s->help();
  return kExitOk;
}

}  // namespace

int UsageFailure(const std::string& command, const std::string& message) {
  std::string help = command.empty() ? "linewright --help" : "linewright " + command + " --help";
  std::fprintf(stderr, "linewright: %s\nsee %s\n", message.c_str(), help.c_str());
  return kExitUsage;
}

int RunFailure(const std::string& message) {
  std::fprintf(stderr, "linewright: %s\n", message.c_str());
  return kExitFailed;
}

int OutputLost(int error_number) {
  std::string reason = error_number == 0
                           ? "output was lost"
                           : platform::FileErrorText(platform::FileErrorFromErrno(error_number));
  return RunFailure("could not write to standard output: " + reason);
}

int CheckStandardOutput(int status) {
  errno = 0;
  bool flushed = std::fflush(stdout) == 0;
  int number = flushed ? 0 : errno;
  if (flushed && !std::ferror(stdout)) return status;
  // A command that printed its own message about it said it already.
  if (status == kExitFailed) return status;
  return OutputLost(number);
}

int RunSubcommand(const std::vector<std::string>& args) {
  const std::string& first = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (first == "--help" || first == "-h" || first == "help") return Help(rest);
  if (first == "--version") {
    if (!rest.empty()) return UsageFailure("", "--version takes no arguments");
    std::printf("%s\n", LINEWRIGHT_PRODUCT);
    return kExitOk;
  }
  if (!first.empty() && first[0] == '-') return UsageFailure("", "unknown option " + first);
  const Subcommand* s = FindSubcommand(first);
  if (s == nullptr) return UnknownSubcommand(first);
  bool wants_help = !rest.empty() && rest[0] == "-h";
  for (const std::string& a : rest) wants_help = wants_help || a == "--help";
  if (wants_help) {
    s->help();
    return kExitOk;
  }
  return s->run(rest);
}
