#ifndef LINEWRIGHT_SAMPLE_SIMULATOR_COMMAND_SHAPES_H
#define LINEWRIGHT_SAMPLE_SIMULATOR_COMMAND_SHAPES_H

#include <string>
#include <string_view>
#include <vector>

namespace kavosim {

// What kind of statement a command makes; the route summary counts them.
enum class CommandKind { kDefinition, kTrack, kSubstitution };

// How one command of the route writer's spelling table looks, taken apart:
// ".pole(+;+) +,"  ->  head ".pole", 2 numbers in brackets, no suffix,
// parameters after a blank. "signal(+).load +," has the suffix ".load";
// "\r\n$sub(+)=+\r\n" takes its parameters after "=".
struct CommandShape {
  enum class Parameters { kNone, kAfterBlank, kAfterEquals };

  int index = 0;            // index in the command table
  std::string head;         // lower case
  int bracket_numbers = 0;  // numbers between "(" and ")", 0 = no brackets
  std::string suffix;       // lower case, "" when none
  Parameters parameters = Parameters::kNone;
  bool numeric = false;  // every parameter must be a number
  CommandKind kind = CommandKind::kDefinition;
};

// Shapes of every command of the spelling table, in index order (track
// positions and section headers are not commands and are left out).
const std::vector<CommandShape>& CommandShapes();
// Section names of the "with ..." headers, lower case.
const std::vector<std::string>& SectionNames();

// Takes one spelling apart; false for the position and section spellings.
bool ShapeFromSpelling(int index, std::string_view spelling, std::string_view comma_pattern,
                       CommandShape* shape);

}  // namespace kavosim

#endif
