// linewright: the command-line front end. It parses the arguments, calls
// the library and turns the result into an exit status.

#include <cstdio>
#include <algorithm>
#include <string>
#include <vector>

#include "cli/commands.h"
#ifdef LINEWRIGHT_HAVE_GUI
#include "gui/desktop.h"
#endif

namespace {

const char kVersion[] = "Linewright 10.2";

struct Subcommand {
  const char* name;
  const char* summary;
  const char* usage;
  int (*run)(const std::vector<std::string>& args);
};

const Subcommand kSubcommands[] = {
    {"generate", "write a route (and start the simulator) or a chart from a route",
     kGenerateUsage, GenerateCommand},
    {"script", "run a route's script and print the resulting route text", kScriptUsage,
     ScriptCommand},
    {"dump", "print an intermediate file one command a line", kDumpUsage, DumpCommand},
};

void PrintHelp(std::FILE* out) {
  std::fprintf(out,
               "usage: linewright SUBCOMMAND [OPTIONS]\n"
               "       linewright --help | --version\n\nsubcommands:\n");
  for (const Subcommand& s : kSubcommands) std::fprintf(out, "  %-9s %s\n", s.name, s.summary);
  std::fprintf(out,
               "\nThe working folder holds linewright10_2.cfg, log.txt, linewright.tmp and "
               "chart.html.\nRun 'linewright SUBCOMMAND --help' for its options.\n");
}

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

int UsageFailure(const std::string& message, const char* usage) {
  std::fprintf(stderr, "linewright: %s\n%s", message.c_str(), usage);
  return kExitUsage;
}

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
#ifdef LINEWRIGHT_HAVE_GUI
    std::string reason;
    if (DesktopAvailable(&reason)) return RunDesktopWindow(argc, argv);
    std::fprintf(stderr, "linewright: cannot open the window: %s; use a subcommand.\n", reason.c_str());
#else
    std::fprintf(stderr, "linewright: this build has no desktop window; use a subcommand.\n");
#endif
    PrintHelp(stderr);
    return kExitUsage;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h" || first == "help") {
    PrintHelp(stdout);
    return kExitOk;
  }
  if (first == "--version") {
    std::printf("%s\n", kVersion);
    return kExitOk;
  }
  for (const Subcommand& s : kSubcommands) {
    if (first != s.name) continue;
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
      std::fputs(s.usage, stdout);
      return kExitOk;
    }
    return s.run(rest);
  }
  std::string suggestion;
  for (const Subcommand& s : kSubcommands)
    if (EditDistance(first, s.name) <= 2) suggestion = s.name;
  std::string message = "unknown subcommand '" + first + "'";
  if (!suggestion.empty()) message += ", did you mean '" + suggestion + "'?";
  std::fprintf(stderr, "linewright: %s\n", message.c_str());
  PrintHelp(stderr);
  return kExitUsage;
}
