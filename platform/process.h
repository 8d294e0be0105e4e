#ifndef LINEWRIGHT_PLATFORM_PROCESS_H
#define LINEWRIGHT_PLATFORM_PROCESS_H

#include <string>
#include <vector>

namespace platform {

// A program to start and how.
struct ProcessStart {
  // The program file. Elsewhere than on Windows a name without a "/" is
  // looked for along PATH.
  std::string program;
  // Its arguments, not including the program itself.
  std::vector<std::string> arguments;
  // Windows only: the command line text the program receives, as it
  // stands. Empty: the program and the arguments, quoted where needed.
  std::string command_line;
  // The working folder the program starts in; empty keeps ours.
  std::string folder;
};

// Starts the program without waiting for it and without a shell. False,
// with a reason in `error`, when it could not be started.
bool StartDetached(const ProcessStart& start, std::string* error);

}  // namespace platform

#endif
