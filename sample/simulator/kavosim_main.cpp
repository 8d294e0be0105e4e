// The stand-in simulator of the sample installation. It is started the way
// the real simulator is, `kavosim ROUTEPATH [/d=40372958]`, checks the route
// it was given and reports what it read; see simulator_run.h.

#include <iostream>
#include <string>
#include <vector>

#include "simulator_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  std::string folder = kavosim::ProgramFolder(args.empty() ? std::string() : args[0]);
  return kavosim::RunSimulator(args, folder, std::cout, std::cerr);
}
