#include "int2rte/linerules.h"

#include <memory>
#include <string>

#include "core/rteprocs.h"
#include "int2rte/emit.h"
#include "int2rte/pathswitch.h"
#include "int2rte/randomize.h"
#include "rte2int/commands.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

namespace {

// Clean-up line kinds (first field of an index -2 line).
constexpr int kSignalSpacingLine = 0;
constexpr int kPathLine = 1;
constexpr int kStationTimingLine = 3;

// Rounds down to a multiple of the block length, also below zero.
int BlockFloor(long long position) {
  long long q = position / kBlockLength;
  if (position % kBlockLength != 0 && position < 0) --q;
  return static_cast<int>(q * kBlockLength);
}

bool IsRail(int rail) { return rail >= 0 && rail < kTrackCount; }

// Rail 0 and the player track change places in the written route.
int SwapWithPlayer(const WriterState& state, int rail) {
  if (rail == 0) return state.playerTrack;
  if (rail == state.playerTrack) return 0;
  return rail;
}

// The integer value of the top field, without removing it; `def` when the
// stack is empty.
int PeekInt(Stack* fields, int def) { return fields->PopInt(def, false); }

// Steps longer than this get no block boundaries: no route has such a gap,
// and boundaries over it would only blow the written route up (one line
// per 25 m of a position typed wrong).
constexpr long long kMaxBoundaryGap = 100000;

// Distance line: the new position, or a block boundary before it when the
// player's path skips whole blocks. Returns false when the line has to be
// read again after this pass.
bool HandleDistance(WriterState& state, Stack* fields) {
  state.previousPosition = state.currentPosition;
  long long next;
  if (state.pendingPosition != -1) {
    next = state.pendingPosition;
    state.pendingPosition = -1;
    if (!fields->IsEmpty()) fields->Pop(true);
  } else {
    next = fields->PopInt(state.currentPosition, true);
  }
  bool again = false;
  int written = static_cast<int>(next);
  long long step = next - state.previousPosition;
  if (state.offMain() && step > kBlockLength && step <= kMaxBoundaryGap) {
    state.pendingPosition = static_cast<int>(next);
    if (state.playerTrack != 0)
      written = BlockFloor(static_cast<long long>(state.previousPosition) + kBlockLength);
    else
      written = BlockFloor(next - 1);
    again = true;
  }
  state.currentPosition = written;
  fields->Push(written);
  return !again;
}

void HandleCleanupLine(WriterState& state, Stack* fields) {
  int kind = fields->PopInt(-1, true);
  if (kind == kSignalSpacingLine) {
    state.spacing = fields->PopInt(0, true);
  } else if (kind == kPathLine) {
    int start = fields->PopInt(-1, true);
    int joined = fields->PopInt(-1, true);
    if (start == state.playerTrack) state.candidates.Push(joined);
  } else if (kind == kStationTimingLine) {
    state.stationTimingRead = true;
    state.stationStart = state.currentPosition;
    state.departure = fields->PopInt(0, true);
    state.nextStation = fields->PopInt(0, true);
    state.travelTime = fields->PopInt(0, true);
  }
}

// Rail start, rail and rail end: offsets re-expressed from the player track.
bool HandleRail(WriterState& state, int index, Stack* fields) {
  if (fields->IsEmpty()) return true;
  int rail = PeekInt(fields, -1);
  if (!IsRail(rail)) return true;  // passed through as the route gave it
  fields->Pop(true);
  Track& track = state.rails[rail];
  Track& player = state.player();
  float x = fields->PopFloat(track.x, true);
  float y = fields->PopFloat(track.y, true);
  int type = fields->PopInt(track.type, true);
  if (rail == state.playerTrack) {
    type = state.rails[0].type;
    x = 0.0f - x;  // never -0
  } else {
    track.x = x;
    track.y = y;
    track.type = type;
    x -= player.x;
  }
  track.active = (index != kCmdRailEnd);
  track.seen = true;
  fields->Push(type);
  fields->Push(y);
  fields->Push(x);
  fields->Push(rail);
  return !(state.switched && (rail == state.playerTrack || rail == state.previousPlayerTrack));
}

bool HandleRailType(WriterState& state, Stack* fields) {
  if (fields->IsEmpty()) return true;
  int rail = PeekInt(fields, -1);
  if (!IsRail(rail)) return true;
  fields->Pop(true);
  Track& track = state.rails[rail];
  track.type = fields->PopInt(track.type, true);
  fields->Push(track.type);
  fields->Push(rail);
  return !(state.offMain() &&
           (!track.seen || rail == state.playerTrack || rail == state.previousPlayerTrack));
}

bool HandleCurve(WriterState& state, Stack* fields) {
  int radius = fields->PopInt(0, true);
  int cant = fields->PopInt(0, true);
  state.radius = radius;
  state.cant = ApplyTilting(state, radius, cant);
  fields->Push(state.cant);
  fields->Push(RebasedRadius(state, radius));
  return true;
}

// Relays take the signals' offset rule and are always written with typed
// offsets; the fields after y stay as they are.
bool HandleRelay(WriterState& state, Stack* fields) {
  SignalOffsets offsets = TakeSignalOffsets(state, fields);
  if (CustomSignalsActive()) {
    WriteCustomRelay(state, offsets.x, offsets.y);
    return false;
  }
  fields->Push(Positive0(offsets.y));
  fields->Push(Positive0(offsets.x));
  return true;
}

// Form and crack: both rail indices renumbered and in ascending order; a
// side letter in place of the second rail stays as it is.
void HandleFormOrCrack(WriterState& state, Stack* fields) {
  if (fields->IsEmpty()) return;
  int first = SwapWithPlayer(state, fields->PopInt(0, true));
  if (fields->IsEmpty()) {
    fields->Push(first);
    return;
  }
  std::string second = fields->PopString(true);
  std::string probe = second;  // IsNumber trims its text; the field stays as given
  if (IsNumber(&probe[0])) {
    int other = SwapWithPlayer(state, TextToInt(second.c_str()));
    fields->Push(first > other ? first : other);
    fields->Push(first > other ? other : first);
    return;
  }
  fields->Push(second);
  fields->Push(first);
}

// Poles, walls, dikes and their ends: renumbered, and remembered for the
// rail so that a later switch can write them for its new number.
void HandleSideStructure(WriterState& state, int index, Stack* fields) {
  if (fields->IsEmpty()) return;
  int rail = PeekInt(fields, -1);
  if (!IsRail(rail)) return;
  fields->Pop(true);
  Track& t = state.rails[rail];
  Stack written;
  written.PushE(SwapWithPlayer(state, rail));
  switch (index) {
    case kCmdPole:
      t.poleAdditionalRails = fields->PopInt(0, true);
      t.poleLocation = fields->PopInt(0, true);
      t.poleInterval = fields->PopInt(50, true);
      t.poleStructure = fields->PopInt(0, true);
      written.PushE(t.poleAdditionalRails);
      written.PushE(t.poleLocation);
      written.PushE(t.poleInterval);
      written.PushE(t.poleStructure);
      break;
    case kCmdPoleEnd:
      t.poleStructure = -1;
      break;
    case kCmdWall:
      t.wallDirection = fields->PopInt(0, true);
      t.wallStructure = fields->PopInt(0, true);
      written.PushE(t.wallDirection);
      written.PushE(t.wallStructure);
      break;
    case kCmdWallEnd:
      t.wallStructure = -1;
      break;
    case kCmdDike:
      t.dikeDirection = fields->PopInt(0, true);
      t.dikeStructure = fields->PopInt(0, true);
      written.PushE(t.dikeDirection);
      written.PushE(t.dikeStructure);
      break;
    case kCmdDikeEnd:
      t.dikeStructure = -1;
      break;
    default:
      break;
  }
  MoveEntries(fields, &written);
  MoveEntries(&written, fields);
}

bool HandleFreeObject(WriterState& state, Stack* fields) {
  bool keepRail = false;
  if (!ApplyParkedTrain(state, fields, &keepRail)) return false;
  if (fields->IsEmpty() || keepRail) return true;
  int rail = fields->PopInt(0, true);
  fields->Push(SwapWithPlayer(state, rail));
  return true;
}

bool HandleMarker(WriterState& state, Stack* fields) {
  if (global.alternativechance <= 0) return true;
  auto marker = std::make_unique<HeldMarker>();
  marker->file = fields->PopString(true);
  marker->start = state.currentPosition;
  MoveEntries(fields, &marker->rest);
  state.heldMarkers.push_back(std::move(marker));
  return false;
}

// Sound sources: offsets from rail 0's stored offsets.
void HandleSound(WriterState& state, Stack* fields) {
  if (fields->IsEmpty()) return;
  std::string file = fields->PopString(true);
  float x = fields->PopFloat(0, true) - state.rails[0].x;
  float y = fields->PopFloat(0, true) - state.rails[0].y;
  fields->Push(y);
  fields->Push(x);
  fields->Push(file);
}

void HandleTrainFolder(Stack* fields) {
  if (!fields->IsEmpty()) fields->Pop(true);
  fields->Push(global.trainname);
}

}  // namespace

// Decides by the command how the line is written; false: not written.
// Sets `readAgain` when the line must be handled once more.
bool HandleLine(WriterState& state, int index, Stack* fields, bool* readAgain) {
  switch (index) {
    case kCmdCleanup:
      HandleCleanupLine(state, fields);
      return false;
    case -1:
      return false;
    case kCmdDistance:
      *readAgain = !HandleDistance(state, fields);
      return true;
    case kCmdSignalFile:
      return !CustomSignalsActive();
    case kCmdRunInterval:
    case kCmdPretrain:
      return ApplyRunIntervalRule(state, index, fields);
    case kCmdFolder:
      HandleTrainFolder(fields);
      return true;
    case kCmdFreeObjDef:
      return NoteTrainObject(state, fields);
    case kCmdRailStart:
    case kCmdRail:
    case kCmdRailEnd:
      return HandleRail(state, index, fields);
    case kCmdRailType:
      return HandleRailType(state, fields);
    case kCmdAccuracy:
      return ApplyTrackAccuracy(state, fields);
    case kCmdCurve:
      return HandleCurve(state, fields);
    case kCmdAdhesion:
      return ApplyAdhesion(state, fields);
    case kCmdSignal:
    case kCmdSig:
      WriteRandomSignalTime(state);
      return ApplySignalRules(state, index, fields);
    case kCmdSigTime:
      WriteRandomSignalTime(state);
      return ApplySignalTimePoint(state, fields);
    case kCmdRelay:
      return HandleRelay(state, fields);
    case kCmdSta:
    case kCmdStation:
      return ApplyStationRules(state, index, fields);
    case kCmdForm:
    case kCmdCrack:
      HandleFormOrCrack(state, fields);
      return true;
    case kCmdPole:
    case kCmdPoleEnd:
    case kCmdWall:
    case kCmdWallEnd:
    case kCmdDike:
    case kCmdDikeEnd:
      HandleSideStructure(state, index, fields);
      return true;
    case kCmdFreeObj:
      return HandleFreeObject(state, fields);
    case kCmdMarker:
      return HandleMarker(state, fields);
    case kCmdSound:
      HandleSound(state, fields);
      return true;
    default:
      return true;
  }
}
