#include "int2rte/randomize.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/numtext.h"
#include "core/rteprocs.h"
#include "int2rte/emit.h"
#include "platform/random.h"
#include "rte2int/commands.h"
#include "rte2int/kavotime.h"
#include "scrprocs/scrprocs.h"
#include "sigsys/custom_signal.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

namespace {

// How far beyond the last position the closing preceding-train time
// stands, and how much later than the last station's arrival it is.
constexpr int kClosingDistance = 2000;
constexpr int kClosingDelay = 60;

bool RandomSignalsOn() {
  return global.signalmode == kSignalsMild || global.signalmode == kSignalsMedium ||
         global.signalmode == kSignalsStrong;
}

// Seconds by which the train ahead runs before the interpolated time:
// mild -300..-60, medium -300..20, strong -240..120.
int DrawSignalOffset() {
  int r = platform::Random();
  switch (global.signalmode) {
    case kSignalsMild:
      return r % 241 - 300;
    case kSignalsMedium:
      return r % 321 - 300;
    default:
      return r % 361 - 240;
  }
}

std::string TypedFloat(float value) {
  char text[kNumberTextSize];
  return std::string(text, static_cast<size_t>(FormatFloat(Positive0(value), text)));
}

// The top field as text, removed; `def` when there is none.
std::string TakeText(Stack* fields, const char* def) {
  return fields->IsEmpty() ? std::string(def) : fields->PopString(true);
}

// Puts `written` (first field on top) back above what is left of `fields`.
void PutBack(Stack* written, Stack* fields) {
  MoveEntries(fields, written);
  MoveEntries(written, fields);
}

bool IsStructure(int index) { return index >= 0 && index < kStructureCount; }

// A time of day shifted by the timetable options; texts of one character
// (no time) stay as they are.
std::string ShiftedTime(const std::string& text, int& base) {
  // ReCalculateTime writes up to 8 characters and a terminator in place.
  std::vector<char> buffer(text.size() + 16, '\0');
  std::memcpy(buffer.data(), text.data(), text.size());
  ReCalculateTime(buffer.data(), base);
  return std::string(buffer.data());
}

void WritePretrain(WriterState& state, long long seconds) {
  char text[16];
  Sec2KavoTime(text, WrapDay(seconds));
  ReCalculateTime(text, state.lastTime);
  Stack fields;
  fields.PushE(text);
  WriteCommand(state.out, kCmdPretrain, &fields);
}

bool ContainsTrainKeyword(const std::string& lowered) {
  for (const char* word : freeobjkeyword)
    if (lowered.find(word) != std::string::npos) return true;
  return false;
}

// The stations' random stop fields, after the forced red signal: system,
// arrival sound and stop duration (the dwell draw), then the passenger
// ratio (the traffic draw).
void RandomizeStopFields(Stack* fields, Stack* written) {
  written->PushE(TakeText(fields, ""));  // system
  written->PushE(TakeText(fields, ""));  // arrival sound
  if (global.randomdwell) {
    long long v = static_cast<long long>(fields->PopInt(10, true)) + platform::Random() % 41 - 20;
    written->PushE(v <= 5 ? 5 : static_cast<int>(v > INT_MAX ? INT_MAX : v));
  } else {
    written->PushE(TakeText(fields, "10"));
  }
  if (!fields->IsEmpty() && global.randomtraffic) {
    fields->Pop(true);
    written->PushE(platform::Random() % 240 + 10);
  }
}

}  // namespace

bool ApplyRunIntervalRule(WriterState&, int index, Stack*) {
  if (RandomSignalsOn()) return false;
  return !(index == kCmdPretrain && global.timetablemode != kTimetableDefault);
}

void WriteRandomSignalTime(WriterState& state) {
  // Before the first station timing there is nothing to interpolate from.
  if (!RandomSignalsOn() || state.lastTime == -1 || !state.stationTimingRead) return;
  int offset = DrawSignalOffset();
  double span = static_cast<double>(state.nextStation) - state.stationStart;
  double travelled =
      span == 0 ? 0.0
                : static_cast<double>(state.travelTime) *
                      (static_cast<double>(state.currentPosition) - state.stationStart) / span;
  double time = offset + static_cast<double>(state.departure) + travelled;
  WritePretrain(state, TruncateToInt(time));
}

SignalOffsets TakeSignalOffsets(const WriterState& state, Stack* fields) {
  SignalOffsets o;
  bool hasX = !fields->IsEmpty();
  o.xText = hasX ? fields->PopString(true) : TypedFloat(0);
  bool hasY = !fields->IsEmpty();
  o.yText = hasY ? fields->PopString(true) : TypedFloat(-1);
  o.x = hasX ? static_cast<float>(TextToDouble(o.xText.c_str())) : 0.0f;
  o.y = hasY ? static_cast<float>(TextToDouble(o.yText.c_str())) : -1.0f;
  const Track& player = state.rails[state.playerTrack];
  if (o.x != 0 || o.y != -1) {
    o.x -= player.x;
    o.xText = TypedFloat(o.x);
  }
  if (o.y != -1) {
    o.y -= player.y;
    o.yText = TypedFloat(o.y);
  }
  return o;
}

bool ApplySignalRules(WriterState& state, int, Stack* fields) {
  bool custom = CustomSignalsActive();
  if (!(global.signaldistances || state.playerTrack != 0 || custom)) return true;
  std::string aspects = TakeText(fields, "3");
  std::string label = TakeText(fields, "");
  if (global.signaldistances) label += "$chr(13)" + std::to_string(state.spacing) + "m >";
  SignalOffsets offsets = TakeSignalOffsets(state, fields);
  std::string type = TakeText(fields, "1");
  if (custom) {
    InsertCustomSignal(state.out, TextToInt(aspects.c_str()), label.c_str(), offsets.x, offsets.y,
                       TextToInt(type.c_str()), true);
    return false;
  }
  Stack written;
  written.PushE(aspects);
  written.PushE(label);
  written.PushE(offsets.xText);
  written.PushE(offsets.yText);
  written.PushE(type);
  PutBack(&written, fields);
  return true;
}

bool ApplySignalTimePoint(WriterState&, Stack*) { return true; }

bool ApplyTrackAccuracy(WriterState&, Stack* fields) {
  if (!global.randomtrackquality) return true;
  if (!fields->IsEmpty()) fields->Pop(true);
  fields->Push(platform::Random() % 4 + 1);
  return true;
}

int ApplyTilting(WriterState&, int radius, int cant) {
  if (!global.tilting || radius == 0) return cant;
  if (cant != 0) cant = 500000 / cant;
  if (cant > 140) return 140;
  if (cant < -140) return -140;
  return cant;
}

bool ApplyAdhesion(WriterState&, Stack* fields) {
  int value;
  switch (global.adhesionmode) {
    case kAdhesionRandom:
      value = platform::Random() % 206 + 50;
      break;
    case kAdhesionGood:
      value = 255;
      break;
    case kAdhesionBad:
      value = 50;
      break;
    default:
      return true;
  }
  if (!fields->IsEmpty()) fields->Pop(true);
  fields->Push(value);
  return true;
}

bool ApplyStationRules(WriterState& state, int, Stack* fields) {
  if (fields->Size() <= 4) return true;
  Stack written;
  written.PushE(fields->PopString(true));  // name
  std::string arrival = fields->PopString(true);
  std::string departure = fields->PopString(true);
  bool hasDeparture = departure.size() >= 2;
  written.PushE(ShiftedTime(arrival, state.lastTime));
  written.PushE(ShiftedTime(departure, state.lastTime));
  written.PushE(fields->PopString(true));  // pass alarm
  written.PushE(TakeText(fields, ""));     // doors
  if (!fields->IsEmpty()) {
    std::string forcedRed = fields->PopString(true);
    if (global.randomstart && hasDeparture)
      written.PushE(platform::Random() / 2);
    else
      written.PushE(forcedRed);
  }
  if (fields->Size() > 2 && (global.randomdwell || global.randomtraffic))
    RandomizeStopFields(fields, &written);
  PutBack(&written, fields);
  return true;
}

bool NoteTrainObject(WriterState& state, Stack* fields) {
  if (fields->IsEmpty()) return true;
  std::string index = fields->PopString(true);
  Stack written;
  written.PushE(index);
  bool train = false;
  while (!fields->IsEmpty()) {
    std::string field = fields->PopString(true);
    for (char& c : field) c = AsciiLower(c);
    train = train || ContainsTrainKeyword(field);
    written.PushE(field);
  }
  int structure = TextToInt(index.c_str());
  if (train && IsStructure(structure)) state.trainObjects[structure] = true;
  MoveEntries(&written, fields);
  return true;
}

bool ApplyParkedTrain(WriterState& state, Stack* fields, bool* keepRail) {
  *keepRail = false;
  if (state.playerTrack == 0 || fields->Size() < 2) return true;
  int rail = fields->Peek(0, 0);
  int structure = fields->Peek(1, 0);
  if (rail < 0 || rail >= kTrackCount || !IsStructure(structure) || !state.trainObjects[structure])
    return true;
  std::string railText = fields->PopString(true);
  std::string structureText = fields->PopString(true);
  std::string xText = TakeText(fields, "0");
  float x = static_cast<float>(TextToDouble(xText.c_str()));
  float y = fields->PopFloat(0, true);
  float d = std::fabs(state.rails[rail].x + x - state.player().x);
  if (d < 1 && y == 0) {
    // The parked train stands on the track the player's train now takes.
    if (global.statictrainmode == kStaticRemove) return false;
    if (global.statictrainmode == kStaticMove) *keepRail = true;
    xText = TypedFloat(d);
  }
  Stack written;
  written.PushE(railText);
  written.PushE(structureText);
  written.PushE(xText);
  written.PushE(0);
  PutBack(&written, fields);
  return true;
}

void WriteClosingSignalTime(WriterState& state) {
  if (!RandomSignalsOn() || !state.stationTimingRead) return;
  WriteCommand(state.out, kCmdWithTrack, nullptr);
  long long position = static_cast<long long>(state.currentPosition) + kClosingDistance;
  WriteDistance(state.out, static_cast<int>(position > INT_MAX ? INT_MAX : position));
  WritePretrain(state, static_cast<long long>(state.departure) + state.travelTime + kClosingDelay);
}

void WriteCustomRelay(WriterState& state, float x, float y) {
  InsertCustomSignal(state.out, 0, "", x, y, 0, false);
}

void AppendCustomSignalDefinitions(WriterState& state) {
  if (sigsys.speeds.empty()) return;
  std::unique_ptr<BufferedFile> speeds = BufferedFile::FromText(sigsys.speeds);
  ProcessSCR_simple(speeds.get(), state.out, nullptr);
}
