#include "ui/start_options.h"

#include <algorithm>

#include "core/rteprocs.h"
#include "platform/random.h"
#include "rte2int/kavotime.h"
#include "sigsys/sigsys.h"
#include "sigsys/sigsys_list.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

// The check boxes and the field each one sets.
struct CheckBox {
  int id;
  int Settings::*field;
};
const CheckBox kCheckBoxes[] = {
    {kIdTilting, &Settings::tilting},
    {kIdSignalDistances, &Settings::signaldistances},
    {kIdRandomTrackQuality, &Settings::randomtrackquality},
    {kIdRandomDwell, &Settings::randomdwell},
    {kIdRandomTraffic, &Settings::randomtraffic},
    {kIdRandomStart, &Settings::randomstart},
    {kIdDeveloperMode, &Settings::developermode},
    {kIdShowErrors, &Settings::showerrors},
    {kIdLooseTimetable, &Settings::loosetimetable},
};

// A radio group: the ids in the order they are tested on accepting; the
// last one is taken when none of the others is checked.
struct RadioGroup {
  int Settings::*field;
  std::vector<int> order;
};
const RadioGroup kRadioGroups[] = {
    {&Settings::signalmode, {kSignalsMedium, kSignalsMild, kSignalsStrong, kSignalsNone}},
    {&Settings::adhesionmode, {kAdhesionGood, kAdhesionRandom, kAdhesionBad, kAdhesionNone}},
    {&Settings::statictrainmode, {kStaticMove, kStaticRemove, kStaticKeep}},
    {&Settings::timetablemode, {kTimetableRandom, kTimetableCustom, kTimetableRealTime, kTimetableDefault}},
};

constexpr int kChanceMax = 100;
constexpr size_t kTimeTextLength = 5;  // hh.mm
constexpr int kMinutesPerDay = 1440;
// The Info box shows at most this many characters, terminator included.
constexpr int kSignalSystemInfoSize = 512;

bool SortedOrder(const std::string& a, const std::string& b) {
  std::string x = a, y = b;
  for (char& c : x) c = AsciiLower(c);
  for (char& c : y) c = AsciiLower(c);
  return x != y ? x < y : a < b;
}

}  // namespace

StartOptionsForm OpenStartOptions(const std::string& sigsysRoot) {
  StartOptionsForm form;
  for (const CheckBox& box : kCheckBoxes)
    if (global.*box.field) form.checked.insert(box.id);
  for (const RadioGroup& group : kRadioGroups) {
    int value = global.*group.field;
    if (std::find(group.order.begin(), group.order.end(), value) != group.order.end())
      form.checked.insert(value);
  }
  form.chance = std::to_string(static_cast<unsigned>(global.alternativechance));
  char time[16];
  Sec2KavoTime(time, global.starttime);
  form.start_time = std::string(time).substr(0, kTimeTextLength);

  form.signal_systems.push_back(kDefaultSignalSystem);
  for (const SignalSystemEntry& system : ListSignalSystems(sigsysRoot))
    if (std::find(form.signal_systems.begin(), form.signal_systems.end(), system.name) ==
        form.signal_systems.end())
      form.signal_systems.push_back(system.name);
  std::sort(form.signal_systems.begin(), form.signal_systems.end(), SortedOrder);
  for (size_t i = 0; i < form.signal_systems.size(); ++i) {
    if (form.signal_systems[i] == sigsys.name) form.signal_system = static_cast<int>(i);
    if (form.signal_system < 0 && form.signal_systems[i] == kDefaultSignalSystem)
      form.signal_system = static_cast<int>(i);
  }
  return form;
}

int ChanceFromText(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return 0;
  std::string digits = text.substr(first, last - first + 1);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.size() > 3) return kChanceMax;
  return std::min(digits.empty() ? 0 : std::stoi(digits), kChanceMax);
}

int StartTimeFor(int timetablemode, const std::string& customText, std::time_t now, int current) {
  switch (timetablemode) {
    case kTimetableCustom:
      return KavoTime2Sec(customText.substr(0, kTimeTextLength).c_str());
    case kTimetableRealTime: {
      std::tm local{};
#ifdef _WIN32
      localtime_s(&local, &now);
#else
      localtime_r(&now, &local);
#endif
      // Rounded down to half a minute, plus one: the simulator needs a
      // moment to start.
      return local.tm_hour * 3600 + local.tm_min * 60 + (local.tm_sec / 30) * 30 + 60;
    }
    case kTimetableRandom:
      return (platform::Random() % kMinutesPerDay) * 60;
    default:
      return current;
  }
}

void TakeSignalSystemName(const StartOptionsForm& form) {
  if (form.signal_system < 0 || form.signal_system >= static_cast<int>(form.signal_systems.size())) return;
  const std::string& name = form.signal_systems[form.signal_system];
  if (name.size() <= static_cast<size_t>(kSignalSystemNameMax)) sigsys.name = name;
}

bool SignalSystemInfoBox(const StartOptionsForm& form, std::string* caption, std::string* text) {
  TakeSignalSystemName(form);
  if (IsDefaultSignalSystem(sigsys.name)) return false;
  *caption = sigsys.name;
  *text = GetSignalSystemInfo(kSignalSystemInfoSize);
  if (text->empty()) *text = "No description is available for this signal system.";
  return true;
}

bool AcceptStartOptions(const StartOptionsForm& form, std::time_t now) {
  for (const CheckBox& box : kCheckBoxes) global.*box.field = form.checked.count(box.id) ? 1 : 0;
  for (const RadioGroup& group : kRadioGroups) {
    global.*group.field = group.order.back();
    for (int id : group.order) {
      if (!form.checked.count(id)) continue;
      global.*group.field = id;
      break;
    }
  }
  global.alternativechance = ChanceFromText(form.chance);
  global.starttime = StartTimeFor(global.timetablemode, form.start_time, now, global.starttime);
  TakeSignalSystemName(form);
  sigsys.custom = IsDefaultSignalSystem(sigsys.name) ? 0 : 1;
  return SaveConfig();
}

int FinishStartOptions(int result, const StartOptionsForm& form, std::time_t now) {
  if (result != kRunLaunch && result != kRunCreate && result != kRunChart) return kRunCancel;
  AcceptStartOptions(form, now);
  return result;
}
