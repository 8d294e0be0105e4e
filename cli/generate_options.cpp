#include "cli/generate_options.h"

#include <map>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "platform/files.h"
#include "platform/random.h"
#include "rte2int/kavotime.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"
#include "ui/run.h"

const char kGenerateUsage[] =
    "usage: linewright generate --route FILE --train NAME [--kind launch|create|chart]\n"
    "         [--seed N] [--signals none|mild|medium|strong]\n"
    "         [--adhesion none|random|good|bad] [--static-trains keep|remove|move]\n"
    "         [--alternative-chance N] [--timetable default|custom|random|realtime]\n"
    "         [--start-time HH.MM] [--signal-system NAME] [--choice yes|no]\n"
    "         [--[no-]tilting] [--[no-]signal-distances] [--[no-]random-track-quality]\n"
    "         [--[no-]random-dwell] [--[no-]random-traffic] [--[no-]random-start]\n"
    "         [--[no-]developer-mode] [--[no-]show-errors] [--[no-]loose-timetable]\n"
    "         [--sim-folder DIR] [--route-folder DIR] [--train-folder DIR] [--sim-exe FILE]\n"
    "         [--sim-runner PROGRAM|none]\n";

namespace {

struct Switch {
  const char* name;
  int Settings::*field;
};

const Switch kSwitches[] = {
    {"tilting", &Settings::tilting},
    {"signal-distances", &Settings::signaldistances},
    {"random-track-quality", &Settings::randomtrackquality},
    {"random-dwell", &Settings::randomdwell},
    {"random-traffic", &Settings::randomtraffic},
    {"random-start", &Settings::randomstart},
    {"developer-mode", &Settings::developermode},
    {"show-errors", &Settings::showerrors},
    {"loose-timetable", &Settings::loosetimetable},
};

struct Choice {
  const char* option;
  int Settings::*field;
  std::map<std::string, int> values;
};

const std::vector<Choice>& Choices() {
  static const std::vector<Choice> choices = {
      {"signals",
       &Settings::signalmode,
       {{"none", kSignalsNone}, {"mild", kSignalsMild}, {"medium", kSignalsMedium},
        {"strong", kSignalsStrong}}},
      {"adhesion",
       &Settings::adhesionmode,
       {{"none", kAdhesionNone}, {"random", kAdhesionRandom}, {"good", kAdhesionGood},
        {"bad", kAdhesionBad}}},
      {"static-trains",
       &Settings::statictrainmode,
       {{"keep", kStaticKeep}, {"remove", kStaticRemove}, {"move", kStaticMove}}},
      {"timetable",
       &Settings::timetablemode,
       {{"default", kTimetableDefault}, {"custom", kTimetableCustom},
        {"random", kTimetableRandom}, {"realtime", kTimetableRealTime}}},
  };
  return choices;
}

std::string Alternatives(const std::map<std::string, int>& values) {
  std::string s;
  for (const auto& v : values) s += (s.empty() ? "" : "|") + v.first;
  return s;
}

bool SetFolder(std::string* field, const std::string& value) {
  if (value.empty()) return false;
  std::string folder = value;
  DropTrailingSeparator(&folder);
  if (field == &global.simexe)
    *field = folder;
  else
    SetFolderSetting(field, folder);
  return true;
}

}  // namespace

bool ParseGenerateArguments(const std::vector<std::string>& args, GenerateRequest* request,
                            std::string* error) {
  ArgumentReader reader(args);
  while (!reader.AtEnd()) {
    std::string word = reader.Read();
    std::string name, inline_value, value;
    bool has_inline = false;
    ArgumentReader::SplitOption(word, &name, &inline_value, &has_inline);
    if (name.size() < 3 || name.compare(0, 2, "--") != 0) {
      *error = "unexpected argument '" + word + "'";
      return false;
    }
    std::string option = name.substr(2);

    bool handled = false;
    for (const Switch& s : kSwitches) {
      if (option == s.name || option == std::string("no-") + s.name) {
        if (has_inline) {
          *error = "option --" + option + " takes no value";
          return false;
        }
        global.*(s.field) = option == s.name ? 1 : 0;
        handled = true;
      }
    }
    if (handled) continue;

    if (!reader.ReadValue(inline_value, has_inline, &value)) {
      *error = "option --" + option + " expects a value";
      return false;
    }
    for (const Choice& c : Choices()) {
      if (option != c.option) continue;
      auto it = c.values.find(value);
      if (it == c.values.end()) {
        *error = "--" + option + " expects " + Alternatives(c.values) + ", got '" + value + "'";
        return false;
      }
      global.*(c.field) = it->second;
      if (option == "timetable") request->timetable_given = true;
      handled = true;
    }
    if (handled) continue;

    long long number = 0;
    if (option == "route") {
      request->route = value;
    } else if (option == "train") {
      request->train = value;
    } else if (option == "kind") {
      if (value == "launch")
        request->kind = kRunLaunch;
      else if (value == "create")
        request->kind = kRunCreate;
      else if (value == "chart")
        request->kind = kRunChart;
      else {
        *error = "--kind expects launch|create|chart, got '" + value + "'";
        return false;
      }
    } else if (option == "seed") {
      if (!ParseInt(value, 0, 0xFFFFFFFFLL, &number)) {
        *error = "--seed expects a whole number from 0 to 4294967295, got '" + value + "'";
        return false;
      }
      request->has_seed = true;
      request->seed = static_cast<std::uint32_t>(number);
    } else if (option == "alternative-chance") {
      if (!ParseInt(value, 0, 100, &number)) {
        *error = "--alternative-chance expects a whole number from 0 to 100, got '" + value + "'";
        return false;
      }
      global.alternativechance = static_cast<int>(number);
    } else if (option == "start-time") {
      request->start_time = value;
    } else if (option == "signal-system") {
      request->signal_system_given = true;
      request->signal_system = value;
    } else if (option == "choice") {
      if (value != "yes" && value != "no") {
        *error = "--choice expects yes|no, got '" + value + "'";
        return false;
      }
      request->choice_answer = value == "yes";
    } else if (option == "sim-folder" || option == "route-folder" || option == "train-folder" ||
               option == "sim-exe") {
      std::string* field = option == "sim-folder"     ? &global.simfolder
                           : option == "route-folder" ? &global.routefolder
                           : option == "train-folder" ? &global.trainfolder
                                                      : &global.simexe;
      if (!SetFolder(field, value)) {
        *error = "--" + option + " expects a non-empty value";
        return false;
      }
    } else if (option == "sim-runner") {
      // Runs a Windows simulator off Windows; "none" starts it directly.
      global.simrunner = value == "none" ? "" : value;
    } else {
      *error = "unknown option --" + option;
      return false;
    }
  }
  if (request->route.empty()) {
    *error = "--route FILE is required";
    return false;
  }
  if (request->train.empty()) {
    *error = "--train NAME is required";
    return false;
  }
  return true;
}

bool ApplyGenerateRequest(const GenerateRequest& request, std::time_t now, std::string* error) {
  std::string route = request.route;
  ChooseRouteFile(route);
  if (global.routetype == kRouteNone) {
    *error = "route '" + route + "' must be a .csv, .rw or .scr file";
    return false;
  }
  if (!platform::IsRegularFile(route)) {
    *error = "route '" + route + "' not found";
    return false;
  }
  global.trainname = request.train;
  std::string trainData =
      platform::JoinPath(platform::JoinPath(global.trainfolder, global.trainname), "train.dat");
  if (!platform::IsRegularFile(trainData)) {
    *error = "no train '" + request.train + "' in the train folder '" + global.trainfolder +
             "' (a train is a folder holding train.dat)";
    return false;
  }
  global.outroutepath = OutRoutePath(global.routefolder);

  // A start time means a custom timetable unless another one was asked for.
  if (!request.start_time.empty() && !request.timetable_given)
    global.timetablemode = kTimetableCustom;
  switch (global.timetablemode) {
    case kTimetableCustom:
      if (!request.start_time.empty()) global.starttime = KavoTime2Sec(request.start_time.substr(0, 5).c_str());
      break;
    case kTimetableRealTime: {
      std::tm local{};
#ifdef _WIN32
      localtime_s(&local, &now);
#else
      localtime_r(&now, &local);
#endif
      global.starttime = local.tm_hour * 3600 + local.tm_min * 60 + (local.tm_sec / 30) * 30 + 60;
      break;
    }
    case kTimetableRandom:
      global.starttime = (platform::Random() % 1440) * 60;
      break;
    default:
      break;
  }

  if (request.signal_system_given) {
    // Names of 16 characters or more cannot be a signal system's.
    if (request.signal_system.size() <= static_cast<size_t>(kSignalSystemNameMax))
      sigsys.name = request.signal_system;
  } else if (sigsys.name.empty()) {
    sigsys.name = kDefaultSignalSystem;
  }
  sigsys.custom = IsDefaultSignalSystem(sigsys.name) ? 0 : 1;
  return true;
}
