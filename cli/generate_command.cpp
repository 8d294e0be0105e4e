#include <cstdio>
#include <ctime>
#include <memory>

#include "cli/commands.h"
#include "cli/generate_options.h"
#include "cli/terminal.h"
#include "int2rte/int2tech.h"
#include "platform/random.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"
#include "ui/run.h"

int GenerateCommand(const std::vector<std::string>& args) {
  ResetGlobals();
  LoadConfig();
  GenerateRequest request;
  std::string error;
  if (!ParseGenerateArguments(args, &request, &error)) return UsageFailure(error, kGenerateUsage);

  if (request.has_seed)
    platform::SeedRandom(request.seed);
  else
    platform::SeedRandomFromClock();
  if (!ApplyGenerateRequest(request, std::time(nullptr), &error))
    return UsageFailure(error, kGenerateUsage);

  TerminalMessageSink messages(request.choice_answer);
  platform::ScopedMessageSink scoped(&messages);
  // Accepting the start options stores them, as the options dialog does.
  SaveConfig();

  std::unique_ptr<TerminalProgress> progress;
  if (StderrIsTerminal()) progress = std::make_unique<TerminalProgress>();
  bool ok = GenerationRun(request.kind, progress.get());
  if (progress) progress->Finish();
  if (!ok) {
    std::fprintf(stderr, "linewright: the run failed; see log.txt\n");
    return kExitFailed;
  }
  if (request.kind == kRunChart) {
    std::printf("Chart written to %s\n", kChartFileName);
  } else {
    std::printf("Route written to %s\n", global.outroutepath.c_str());
    if (request.kind == kRunLaunch) std::printf("Simulator started: %s\n", SimulatorCommandLine().c_str());
  }
  return kExitOk;
}
