#include "cli/generate_options.h"

#include <cstdio>

#include "cli/arguments.h"
#include "core/rteprocs.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/random.h"
#include "sigsys/sigsys.h"
#include "sigsys/sigsys_list.h"
#include "ui/route_list.h"
#include "ui/run.h"
#include "ui/start_options.h"

namespace {

const char kRouteKinds[] = ".csv, .rw or .scr";

const std::vector<SavedOption>& Options() {
  static const std::vector<SavedOption> options = {
      {"signals", "none|mild|medium|strong", "random signals",
       "signals ahead held at danger by a train running ahead, from none to strong",
       SavedKind::kChoice, &Settings::signalmode, nullptr,
       {{"none", kSignalsNone}, {"mild", kSignalsMild}, {"medium", kSignalsMedium},
        {"strong", kSignalsStrong}}},
      {"adhesion", "none|random|good|bad", "adhesion",
       "rail adhesion: none leaves the route's own", SavedKind::kChoice, &Settings::adhesionmode,
       nullptr,
       {{"none", kAdhesionNone}, {"random", kAdhesionRandom}, {"good", kAdhesionGood},
        {"bad", kAdhesionBad}}},
      {"alternative-chance", "N", "alternative path chance",
       "chance in percent (0 to 100) of taking an alternative path where the route offers one",
       SavedKind::kPercent, &Settings::alternativechance},
      {"static-trains", "keep|remove|move", "parked trains",
       "parked trains standing on an alternative path the train takes", SavedKind::kChoice,
       &Settings::statictrainmode, nullptr,
       {{"keep", kStaticKeep}, {"remove", kStaticRemove}, {"move", kStaticMove}}},
      {"timetable", "default|custom|random|realtime", "timetable",
       "start of the timetable: the route's own, --start-time, a random one, or the time now",
       SavedKind::kChoice, &Settings::timetablemode, nullptr,
       {{"default", kTimetableDefault}, {"custom", kTimetableCustom},
        {"random", kTimetableRandom}, {"realtime", kTimetableRealTime}}},
      {"start-time", "HH.MM", "start time",
       "start time of the custom timetable, HH.MM or HH:MM (implies --timetable custom)",
       SavedKind::kStartTime},
      {"loose-timetable", "", "loose timetable", "later times of the timetable stretched by 6%",
       SavedKind::kSwitch, &Settings::loosetimetable},
      {"tilting", "", "tilting", "a tilting train: curves get more cant", SavedKind::kSwitch,
       &Settings::tilting},
      {"signal-distances", "", "signal distances",
       "the distance to the next signal shown under each signal's label", SavedKind::kSwitch,
       &Settings::signaldistances},
      {"random-track-quality", "", "random track quality", "track quality drawn at random",
       SavedKind::kSwitch, &Settings::randomtrackquality},
      {"random-dwell", "", "random dwell", "minimum dwell times at stations drawn at random",
       SavedKind::kSwitch, &Settings::randomdwell},
      {"random-traffic", "", "random traffic", "passenger numbers at stations drawn at random",
       SavedKind::kSwitch, &Settings::randomtraffic},
      {"random-start", "", "random start", "a random starting point", SavedKind::kSwitch,
       &Settings::randomstart},
      {"show-errors", "", "show route errors",
       "report track positions that go backwards in the route", SavedKind::kSwitch,
       &Settings::showerrors},
      {"developer-mode", "", "developer mode",
       "start the simulator in developer mode (/d=40372958)", SavedKind::kSwitch,
       &Settings::developermode},
      {"signal-system", "NAME", "signal system",
       "\"Kavo Default\" (the simulator's own signals) or an installed system, see "
       "linewright signal-systems",
       SavedKind::kSignalSystem},
      {"sim-folder", "DIR", "simulator folder",
       "the simulator's folder: its executable, railway/object for the turnout signs",
       SavedKind::kFolder, nullptr, &Settings::simfolder},
      {"route-folder", "DIR", "route folder",
       "the simulator's route folder; the written route linewrighttemp.csv goes here",
       SavedKind::kFolder, nullptr, &Settings::routefolder},
      {"train-folder", "DIR", "train folder", "the simulator's train folder, a folder per train",
       SavedKind::kFolder, nullptr, &Settings::trainfolder},
      {"sim-exe", "FILE", "simulator executable", "the simulator's executable in its folder",
       SavedKind::kFolder, nullptr, &Settings::simexe},
  };
  return options;
}

std::string Alternatives(const std::vector<ChoiceWord>& choices) {
  std::string s;
  for (const ChoiceWord& c : choices) s += (s.empty() ? "" : "|") + std::string(c.word);
  return s;
}

bool Fail(std::string* error, const std::string& message) {
  *error = message;
  return false;
}

// The value with its control characters written as escapes, for a message.
std::string Escaped(const std::string& value) {
  std::string out;
  for (char c : value) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

// Folders, the executable and the signal system's name are kept one a line
// in the configuration file: a line break would shift every later line.
bool CheckSavedText(const std::string& dashed, const std::string& value, std::string* error) {
  if (!HasControlCharacter(value)) return true;
  return Fail(error, dashed +
                         " expects a value without line breaks or other control characters, got '" +
                         Escaped(value) + "'");
}

// Stores one saved option's value; false with a message when it is
// malformed.
bool SetSavedOption(const SavedOption& option, const std::string& value,
                    GenerateRequest* request, std::string* error) {
  std::string dashed = std::string("--") + option.name;
  switch (option.kind) {
    case SavedKind::kChoice:
      for (const ChoiceWord& c : option.choices) {
        if (value != c.word) continue;
        global.*(option.number) = c.value;
        if (option.number == &Settings::timetablemode) request->timetable_given = true;
        return true;
      }
      return Fail(error, dashed + " expects " + Alternatives(option.choices) + ", got '" + value + "'");
    case SavedKind::kPercent: {
      long long number = 0;
      if (!ParseInt(value, 0, 100, &number))
        return Fail(error, dashed + " expects a whole number from 0 to 100, got '" + value + "'");
      global.*(option.number) = static_cast<int>(number);
      return true;
    }
    case SavedKind::kStartTime:
      if (!ParseStartTime(value, &request->start_time))
        return Fail(error, dashed + " expects HH.MM or HH:MM (hours 0-23, minutes 0-59), got '" +
                               value + "'");
      request->has_start_time = true;
      return true;
    case SavedKind::kSignalSystem:
      if (!CheckSavedText(dashed, value, error)) return false;
      request->signal_system_given = true;
      request->signal_system = value;
      return true;
    case SavedKind::kFolder:
    {
      if (value.empty()) return Fail(error, dashed + " expects a non-empty value");
      if (!CheckSavedText(dashed, value, error)) return false;
      std::string folder = value;
      DropTrailingSeparator(&folder);
      if (option.text == &Settings::simexe) {
        global.simexe = folder;
        return true;
      }
      // A drive-letter folder is found in the Wine prefix off Windows.
      SetFolderSetting(&(global.*(option.text)), folder);
      request->folders_given.push_back(option.name);
      return true;
    }
    case SavedKind::kSwitch:
      break;
  }
  return true;
}

const SavedOption* FindSavedOption(const std::string& name) {
  for (const SavedOption& option : Options())
    if (name == option.name) return &option;
  return nullptr;
}

// The folders a run checks before it saves anything: the train folder
// always, the route and simulator folders for a run that writes a route,
// and every folder given on the command line.
bool CheckFolders(const GenerateRequest& request, std::string* error) {
  for (const SavedOption& option : Options()) {
    if (option.kind != SavedKind::kFolder || option.text == &Settings::simexe) continue;
    bool given = false;
    for (const std::string& name : request.folders_given) given = given || name == option.name;
    bool needed = given || option.text == &Settings::trainfolder || request.kind != kRunChart;
    const std::string& folder = global.*(option.text);
    if (!needed || platform::IsDirectory(folder)) continue;
    std::string message = std::string("the ") + option.label + " '" + FolderAsSaved(folder) + "'";
    if (FolderAsSaved(folder) != folder) message += " (in the Wine prefix: '" + folder + "')";
    if (given)
      message += " given with --" + std::string(option.name) + " does not exist";
    else
      message += " does not exist; set it with --" + std::string(option.name) + " " +
                 option.value + " (it is saved for later runs)";
    return Fail(error, message);
  }
  return true;
}

// A folder named `name` (letter case aside) whose sigsys.txt is there but
// cannot be read (a named pipe, a folder, no permission) is not listed as
// installed; this says why, or is empty.
std::string UnreadableSignalSystem(const std::string& name) {
  std::vector<platform::DirEntry> entries;
  if (!platform::ListDirectory(".", &entries)) return "";
  for (const platform::DirEntry& e : entries) {
    if (!e.is_directory || !EqualsIgnoringCase(e.name, name)) continue;
    std::string path = platform::ResolveRoutePath(e.name, kSignalSystemFile);
    std::string bytes;
    if (!platform::PathExists(path) || platform::Files().ReadFile(path, &bytes)) continue;
    return "the signal system '" + name + "' cannot be read: " + platform::LastFileErrorDetail();
  }
  return "";
}

// The installed signal system that `name` names (letter case aside when
// nothing matches exactly), or "Kavo Default"; false with the list of the
// installed ones.
bool ChooseSignalSystem(const std::string& name, std::string* chosen, std::string* error) {
  if (IsDefaultSignalSystem(name)) {
    *chosen = name;
    return true;
  }
  std::vector<SignalSystemEntry> installed = ListSignalSystems(".");
  const SignalSystemEntry* match = nullptr;
  for (const SignalSystemEntry& s : installed)
    if (s.name == name) match = &s;
  for (const SignalSystemEntry& s : installed)
    if (match == nullptr && EqualsIgnoringCase(s.name, name)) match = &s;
  if (match != nullptr) {
    *chosen = match->name;
    return true;
  }
  std::string unreadable = UnreadableSignalSystem(name);
  if (!unreadable.empty()) return Fail(error, unreadable);
  std::string list;
  for (const SignalSystemEntry& s : installed)
    list += (list.empty() ? "" : ", ") + ("'" + s.name + "' (folder " + s.folder + ")");
  std::string message = "no signal system '" + name + "' is installed; ";
  if (list.empty())
    message += "none are (a signal system is a folder holding sigsys.txt in the working folder)";
  else
    message += "installed: " + list;
  return Fail(error, message + "; or use 'Kavo Default'");
}

}  // namespace

const std::vector<SavedOption>& SavedOptions() { return Options(); }

std::string SavedOptionValue(const SavedOption& option, const Settings& settings,
                             const std::string& signal_system) {
  switch (option.kind) {
    case SavedKind::kSwitch:
      return settings.*(option.number) ? "on" : "off";
    case SavedKind::kChoice:
      for (const ChoiceWord& c : option.choices)
        if (settings.*(option.number) == c.value) return c.word;
      return std::to_string(settings.*(option.number)) + " (unknown)";
    case SavedKind::kPercent:
      return std::to_string(settings.*(option.number));
    case SavedKind::kStartTime: {
      int t = settings.starttime;
      char text[32];
      std::snprintf(text, sizeof text, "%02d.%02d", t / 3600 % 100, t / 60 % 60);
      std::string shown = text;
      if (t % 60 != 0) shown += " and " + std::to_string(t % 60) + " s";
      return shown;
    }
    case SavedKind::kSignalSystem:
      return signal_system;
    case SavedKind::kFolder:
      return FolderAsSaved(settings.*(option.text));
  }
  return std::string();
}

const std::vector<RunOption>& RunOptions() {
  static const std::vector<RunOption> options = {
      {"route", "FILE", "the route to read, a .csv, .rw or .scr file", nullptr},
      {"train", "NAME", "the train, a folder of the train folder that holds train.dat", nullptr},
      {"kind", "launch|create|chart",
       "launch: write the route and start the simulator; create: only write the route;\n"
       "      chart: write the technical diagram chart.html",
       "launch"},
      {"seed", "N",
       "seed of the random generator (0 to 4294967295): the same seed gives the same route",
       "from the clock, printed in the summary"},
      {"choice", "yes|no", "answer to the script's #choice questions when standard input is not a terminal",
       "no"},
      {"strict", "", "any message of the run makes it fail (status 1), for checking routes", "off"},
      {"sim-runner", "PROGRAM|none",
       "off Windows, the program that starts a Windows simulator (its file begins with MZ)\n"
       "      with the executable and the route; none starts it directly",
       "wine"},
  };
  return options;
}

bool ParseStartTime(const std::string& text, int* seconds) {
  std::size_t sep = text.find_first_of(".:");
  if (sep == std::string::npos || sep < 1 || sep > 2 || text.size() != sep + 3) return false;
  long long hours = 0, minutes = 0;
  if (!ParseInt(text.substr(0, sep), 0, 23, &hours)) return false;
  std::string mm = text.substr(sep + 1);
  if (!IsAsciiDigit(mm[0]) || !IsAsciiDigit(mm[1]) || !ParseInt(mm, 0, 59, &minutes)) return false;
  *seconds = static_cast<int>(hours * 3600 + minutes * 60);
  return true;
}

bool ParseGenerateArguments(const std::vector<std::string>& args, GenerateRequest* request,
                            std::string* error) {
  ArgumentReader reader(args);
  while (!reader.AtEnd()) {
    std::string word = reader.Read();
    std::string name, inline_value, value;
    bool has_inline = false;
    ArgumentReader::SplitOption(word, &name, &inline_value, &has_inline);
    if (name.size() < 3 || name.compare(0, 2, "--") != 0)
      return Fail(error, "unexpected argument '" + word + "'");
    std::string option = name.substr(2);

    // On/off switches: "--tilting" and "--no-tilting"; "--strict".
    bool negated = option.compare(0, 3, "no-") == 0;
    const SavedOption* saved = FindSavedOption(negated ? option.substr(3) : option);
    bool is_switch = (saved != nullptr && saved->kind == SavedKind::kSwitch) || option == "strict";
    if (is_switch) {
      if (has_inline) return Fail(error, "option --" + option + " takes no value");
      if (option == "strict")
        request->strict = true;
      else
        global.*(saved->number) = negated ? 0 : 1;
      continue;
    }
    saved = FindSavedOption(option);
    bool known = saved != nullptr;
    for (const RunOption& run : RunOptions()) known = known || option == run.name;
    if (!known) return Fail(error, "unknown option --" + option);
    if (!reader.ReadValue(inline_value, has_inline, &value))
      return Fail(error, "option --" + option + " expects a value");
    if (saved != nullptr) {
      if (!SetSavedOption(*saved, value, request, error)) return false;
      continue;
    }

    long long number = 0;
    if (option == "route") {
      if (RouteTypeOf(value) == kRouteNone)
        return Fail(error, "--route expects a " + std::string(kRouteKinds) + " file, got '" + value + "'");
      request->route = value;
    } else if (option == "train") {
      std::string bad = RouteBreakingCharacters(value);
      if (!bad.empty()) return Fail(error, "--train: " + TrainNameProblem(Escaped(value), bad));
      request->train = value;
    } else if (option == "kind") {
      if (value == "launch")
        request->kind = kRunLaunch;
      else if (value == "create")
        request->kind = kRunCreate;
      else if (value == "chart")
        request->kind = kRunChart;
      else
        return Fail(error, "--kind expects launch|create|chart, got '" + value + "'");
    } else if (option == "seed") {
      if (!ParseInt(value, 0, 0xFFFFFFFFLL, &number))
        return Fail(error, "--seed expects a whole number from 0 to 4294967295, got '" + value + "'");
      request->has_seed = true;
      request->seed = static_cast<std::uint32_t>(number);
    } else if (option == "choice") {
      if (value != "yes" && value != "no")
        return Fail(error, "--choice expects yes|no, got '" + value + "'");
      request->choice_answer = value == "yes";
    } else if (option == "sim-runner") {
      global.simrunner = value == "none" ? "" : value;
    }
  }
  if (request->route.empty()) return Fail(error, "--route FILE is required");
  if (request->train.empty()) return Fail(error, "--train NAME is required");
  return true;
}

bool ApplyGenerateRequest(const GenerateRequest& request, std::time_t now, std::string* error) {
  if (!CheckFolders(request, error)) return false;
  ChooseRouteFile(request.route);
  std::string route_text;
  if (!platform::Files().ReadFile(request.route, &route_text)) {
    if (platform::Files().LastError() == platform::FileError::kNotFound)
      return Fail(error, "route '" + request.route + "' not found");
    return Fail(error, "cannot read the route " +
                           platform::FileErrorDetail(request.route, platform::Files().LastError()));
  }
  global.trainname = request.train;
  std::string trainData =
      platform::JoinPath(platform::JoinPath(global.trainfolder, global.trainname), "train.dat");
  if (!platform::IsRegularFile(trainData))
    return Fail(error, "no train '" + request.train + "' in the train folder '" + global.trainfolder +
                           "' (a train is a folder holding train.dat)");
  std::string signal_system = sigsys.name.empty() ? kDefaultSignalSystem : sigsys.name;
  if (request.signal_system_given && !ChooseSignalSystem(request.signal_system, &signal_system, error))
    return false;
  global.outroutepath = OutRoutePath(global.routefolder);

  // A start time means a custom timetable unless another one was asked for.
  if (request.has_start_time && !request.timetable_given) global.timetablemode = kTimetableCustom;
  // The custom time was checked when it was read; the other modes pick
  // their time as the options dialog does.
  if (global.timetablemode == kTimetableCustom) {
    if (request.has_start_time) global.starttime = request.start_time;
  } else {
    global.starttime = StartTimeFor(global.timetablemode, std::string(), now, global.starttime);
  }

  sigsys.name = signal_system;
  sigsys.custom = IsDefaultSignalSystem(sigsys.name) ? 0 : 1;
  return true;
}
