#ifndef LINEWRIGHT_CLI_GENERATE_OPTIONS_H
#define LINEWRIGHT_CLI_GENERATE_OPTIONS_H

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "ui/loadsave.h"

// What "linewright generate" was asked for beyond the saved settings.
struct GenerateRequest {
  std::string route;           // --route FILE
  std::string train;           // --train NAME
  int kind = 1;                // run kind: 1 launch, 6 create, 7 chart
  bool has_seed = false;
  std::uint32_t seed = 0;
  bool choice_answer = false;  // --choice yes|no
  bool strict = false;         // --strict: any message fails the run
  bool has_start_time = false;
  int start_time = 0;          // --start-time, seconds after midnight
  bool timetable_given = false;
  bool signal_system_given = false;
  std::string signal_system;
  // The folder options given on this command line, by option name.
  std::vector<std::string> folders_given;
};

// An option that is saved in the configuration file, as the command line
// sets it and `linewright generate --help` and `linewright settings`
// describe it.
enum class SavedKind { kSwitch, kChoice, kPercent, kStartTime, kSignalSystem, kFolder };

struct ChoiceWord {
  const char* word;
  int value;
};

struct SavedOption {
  const char* name;     // the option without "--"
  const char* value;    // what follows it ("DIR", "none|mild|..."); "" for a switch
  const char* label;    // the setting in words
  const char* meaning;  // what it does, for the help
  SavedKind kind;
  int Settings::*number = nullptr;        // switches, choices, the percentage
  std::string Settings::*text = nullptr;  // folders and the executable
  std::vector<ChoiceWord> choices = {};
};

// Every saved option, in the order the help and the settings list them.
const std::vector<SavedOption>& SavedOptions();

// An option's value in `settings` (and the signal system's name) as the
// command line writes it: "on", "medium", "16.30", a folder.
std::string SavedOptionValue(const SavedOption& option, const Settings& settings,
                             const std::string& signal_system);

// An option of the run itself, not saved, with its default in words.
struct RunOption {
  const char* name;
  const char* value;
  const char* meaning;
  const char* default_value;  // null for a required option
};
const std::vector<RunOption>& RunOptions();

// Parses the arguments after "generate". Saved options are stored into
// `global` (and the signal system's name into the request) right away,
// over what the configuration file held. False with a message on a usage
// error: an unknown option, a missing or malformed value.
bool ParseGenerateArguments(const std::vector<std::string>& args, GenerateRequest* request,
                            std::string* error);

// Seconds after midnight from "HH.MM" or "HH:MM" (hours 0 to 23 in one or
// two digits, minutes 0 to 59 in two); false for anything else.
bool ParseStartTime(const std::string& text, int* seconds);

// Completes the settings the way accepting the start options does, after
// checking what the run needs: the folders given on the command line and
// the ones the run kind uses exist, the route file and the train exist,
// and a signal system given names an installed one (listed from the
// working folder) or "Kavo Default". Then sets the chosen route and train,
// the derived paths, the start time for the chosen timetable (drawing from
// the generator for a random one; `now` gives the local time for real
// time) and the signal system. False with a message when the run cannot
// go on; nothing is saved by it.
bool ApplyGenerateRequest(const GenerateRequest& request, std::time_t now, std::string* error);

#endif
