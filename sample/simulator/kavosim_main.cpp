// The stand-in simulator of the sample installation. It is started the way
// the real simulator is, `kavosim ROUTEPATH [/d=40372958]`, checks the route
// it was given and reports what it read; see simulator_run.h.

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "simulator_run.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Windows hands over one command line, whose program part is not quoted
  // when Linewright starts the simulator: read it as the simulator does.
  (void)argc;
  (void)argv;
  char self[MAX_PATH + 1];
  DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
  std::string program = n > 0 && n < sizeof self ? std::string(self, n) : std::string();
  std::vector<std::string> args = kavosim::SplitWindowsCommandLine(GetCommandLineA(), program);
  std::string folder = kavosim::ProgramFolder(program);
#else
  std::vector<std::string> args(argv, argv + argc);
  std::string folder = kavosim::ProgramFolder(args.empty() ? std::string() : args[0]);
#endif
  return kavosim::RunSimulator(args, folder, std::cout, std::cerr);
}
