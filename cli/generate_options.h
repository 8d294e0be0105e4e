#ifndef LINEWRIGHT_CLI_GENERATE_OPTIONS_H
#define LINEWRIGHT_CLI_GENERATE_OPTIONS_H

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// What "linewright generate" was asked for beyond the settings themselves.
struct GenerateRequest {
  std::string route;         // --route FILE
  std::string train;         // --train NAME
  int kind = 1;              // run kind: 1 launch, 6 create, 7 chart
  bool has_seed = false;
  std::uint32_t seed = 0;
  bool choice_answer = false;  // --choice yes|no
  std::string start_time;      // --start-time HH.MM, empty when not given
  bool timetable_given = false;
  bool signal_system_given = false;
  std::string signal_system;
};

// Parses the arguments after "generate". Start options and folder
// overrides are stored into `global` and `sigsys` right away, over what the
// configuration file held. False with a message on a usage error.
bool ParseGenerateArguments(const std::vector<std::string>& args, GenerateRequest* request,
                            std::string* error);

// Completes the settings the way accepting the start options does: the
// chosen route and train, the route type, the derived paths, the start time
// for the chosen timetable (drawing from the generator for a random one;
// `now` gives the local time for real time), and the signal system choice.
// False with a message when the route or train cannot be used.
bool ApplyGenerateRequest(const GenerateRequest& request, std::time_t now, std::string* error);

#endif
