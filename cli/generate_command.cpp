#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/generate_options.h"
#include "cli/terminal.h"
#include "int2rte/int2tech.h"
#include "platform/files.h"
#include "platform/random.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

std::string Messages(int count) {
  return std::to_string(count) + (count == 1 ? " message" : " messages");
}

// One line that says what was written and where, and how to make it again.
std::string Summary(const GenerateRequest& request, std::uint32_t seed, double seconds,
                    int messages) {
  std::string what = request.kind == kRunChart
                         ? "Chart written to " + platform::AbsolutePath(kChartFileName)
                         : "Route written to " + global.outroutepath;
  char time[32];
  std::snprintf(time, sizeof time, "%.2f s", seconds);
  return what + " (route " + request.route + ", train " + request.train + ", seed " +
         std::to_string(seed) + ", " + time + ", " + Messages(messages) + ")";
}

void PrintOption(const std::string& name, const std::string& value, const std::string& meaning,
                 const std::string& values) {
  std::string head = "--" + name + (value.empty() ? "" : " " + value);
  std::printf("  %s\n      %s\n      %s\n", head.c_str(), meaning.c_str(), values.c_str());
}

}  // namespace

void PrintGenerateHelp() {
  ResetGlobals();
  bool saved = LoadConfig();
  std::printf(
      "usage: linewright generate --route FILE --train NAME [OPTIONS]\n\n"
      "Reads a route, applies the start options and writes a playable route into the\n"
      "route folder as linewrighttemp.csv (and starts the simulator on it), or writes a\n"
      "technical diagram of its tracks, chart.html. Options not given keep their saved\n"
      "values; the options of a run are saved for the next one in %s%s.\n"
      "Messages of the run are printed as they come; the run still writes its output\n"
      "and ends with one summary line.\n\nthe run:\n",
      platform::AbsolutePath(kConfigFileName).c_str(), saved ? "" : " (not written yet)");
  for (const RunOption& option : RunOptions())
    PrintOption(option.name, option.value, option.meaning,
                option.default_value == nullptr
                    ? std::string("required; not saved")
                    : std::string("default: ") + option.default_value + "; not saved");
  Settings defaults;
  SetDefaultFolders(&defaults);
  std::string saved_system = sigsys.name.empty() ? kDefaultSignalSystem : sigsys.name;
  std::printf("\nstart options and folders (saved):\n");
  for (const SavedOption& option : SavedOptions()) {
    std::string name = option.kind == SavedKind::kSwitch ? std::string("[no-]") + option.name
                                                          : std::string(option.name);
    PrintOption(name, option.value, option.meaning,
                "default: " + SavedOptionValue(option, defaults, kDefaultSignalSystem) +
                    "; saved now: " + SavedOptionValue(option, global, saved_system));
  }
  std::printf(
      "\nExit status: 0 when the output was written (and the simulator started), 1 when\n"
      "the run failed or, with --strict, showed a message, 2 for a malformed command line.\n");
}

int GenerateCommand(const std::vector<std::string>& args) {
  ResetGlobals();
  LoadConfig();
  GenerateRequest request;
  std::string error;
  if (!ParseGenerateArguments(args, &request, &error)) return UsageFailure("generate", error);

  std::uint32_t seed = request.seed;
  if (request.has_seed)
    platform::SeedRandom(seed);
  else
    seed = platform::SeedRandomFromClock();
  // Nothing is saved until the folders, the route and the train are found.
  if (!ApplyGenerateRequest(request, std::time(nullptr), &error)) return RunFailure(error);

  // Two runs in one working folder share its files: the second waits.
  platform::FileLock lock;
  if (!LockWorkingFolder(&lock, &error)) return RunFailure(error);

  std::unique_ptr<TerminalProgress> progress;
  if (StderrIsTerminal()) progress = std::make_unique<TerminalProgress>();
  TerminalMessageSink messages(request.choice_answer, progress.get());
  platform::ScopedMessageSink scoped(&messages);
  // Accepting the start options stores them, as the options dialog does.
  SaveConfig();

  auto started = std::chrono::steady_clock::now();
  bool written = WriteRunOutput(request.kind, progress.get());
  if (progress) progress->Clear();
  if (!written)
    return RunFailure("nothing was written (" + Messages(messages.error_count()) +
                      "); see log.txt");
  std::chrono::duration<double> taken = std::chrono::steady_clock::now() - started;
  // Said before the simulator starts, so that a failed start hides nothing.
  std::printf("%s\n", Summary(request, seed, taken.count(), messages.error_count()).c_str());
  std::fflush(stdout);
  if (request.strict && messages.error_count() > 0)
    return RunFailure("--strict: the run showed " + Messages(messages.error_count()));
  if (request.kind == kRunLaunch) {
    if (!StartSimulator()) return kExitFailed;
    std::printf("Simulator started: %s\n", SimulatorCommandLine().c_str());
  }
  return kExitOk;
}
