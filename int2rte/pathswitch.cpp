#include "int2rte/pathswitch.h"

#include <climits>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "int2rte/emit.h"
#include "platform/random.h"
#include "rte2int/commands.h"
#include "ui/loadsave.h"

namespace {

// Pictures of the turnout markers, in the simulator's object folder.
const char kTurnoutLeft[] = "LINEWRIGHT\\objs\\turnout.gif";
const char kTurnoutRight[] = "LINEWRIGHT\\objs\\turnout2.gif";
const char kTurnoutLeftAhead[] = "LINEWRIGHT\\objs\\turnout3.gif";
const char kTurnoutRightAhead[] = "LINEWRIGHT\\objs\\turnout4.gif";
// How long a turnout marker is shown, and how far ahead the first one is.
constexpr int kTurnoutMarkerLength = 800;
// Held markers that began this far before a turnout are written first.
constexpr int kHeldMarkerReach = 1600;

int TruncatedOffset(float x) {
  if (!(x > static_cast<float>(INT_MIN) && x < static_cast<float>(INT_MAX))) return 0;
  return static_cast<int>(x);
}

// `command` with `values` for rail `to`, or `endCommand` when `structure`
// is -1 (none stored).
void WriteStructureOrEnd(BufferedFile* out, int to, int structure, int command, int endCommand,
                         std::initializer_list<int> values) {
  Stack fields;
  fields.PushE(to);
  if (structure == -1) {
    WriteCommand(out, endCommand, &fields);
    return;
  }
  for (int v : values) fields.PushE(v);
  WriteCommand(out, command, &fields);
}

// Wall, dike and poles stored for the route's rail `from`, written as rail
// `to` of the written route.
void WriteSideStructures(WriterState& state, int from, int to) {
  const Track& t = state.rails[from];
  WriteStructureOrEnd(state.out, to, t.wallStructure, kCmdWall, kCmdWallEnd,
                      {t.wallDirection, t.wallStructure});
  WriteStructureOrEnd(state.out, to, t.dikeStructure, kCmdDike, kCmdDikeEnd,
                      {t.dikeDirection, t.dikeStructure});
  WriteStructureOrEnd(state.out, to, t.poleStructure, kCmdPole, kCmdPoleEnd,
                      {t.poleAdditionalRails, t.poleLocation, t.poleInterval, t.poleStructure});
}

// 12.5 / ((r - x) cos(12.5 / (r - x))): the heading change of half a block
// on a curve of radius r seen from a rail at x; nothing when r - x is 0.
double HalfBlockTurn(int radius, int x) {
  double d = static_cast<double>(radius) - x;
  if (d == 0) return 0;
  return 12.5 / (d * std::cos(12.5 / d));
}

}  // namespace

int RebasedRadius(const WriterState& state, int radius) {
  if (radius == 0) return 0;
  long long r = static_cast<long long>(radius) - TruncatedOffset(state.rails[state.playerTrack].x);
  if (r > INT_MAX) return INT_MAX;
  if (r < INT_MIN) return INT_MIN;
  return static_cast<int>(r);
}

void ChoosePath(WriterState& state) {
  bool mayStay = false;
  std::vector<int> collected;
  while (!state.candidates.IsEmpty()) {
    int candidate = state.candidates.PopInt(0, true);
    if (candidate == state.playerTrack || candidate < 0 || candidate >= kTrackCount)
      mayStay = true;
    else
      collected.push_back(candidate);
  }
  int previous = state.playerTrack;
  state.previousPlayerTrack = previous;
  if (!collected.empty())
    state.playerTrack = collected[platform::Random() % static_cast<int>(collected.size())];
  int draw = platform::Random() % 100 + 1;
  if (draw > global.alternativechance && mayStay) state.playerTrack = previous;
  int player = state.playerTrack;
  Track* rails = state.rails;

  GetTrk(state.in, rails[previous], previous, false, false);
  if (player != 0 && player != previous) {
    GetTrk(state.in, rails[player], player, false, false);
    WriteRailEnd(state.out, player, rails[player].x - rails[previous].x,
                 rails[player].y - rails[previous].y);
    GetTrk(state.in, rails[0], 0, true, false);
    GetTrk(state.in, rails[player], player, true, false);
    // The old main track now runs as this rail.
    WriteRail(state.out, kCmdRailStart, player, -rails[player].x, -rails[player].y, rails[0].type);
    rails[player].seen = true;
  }
  if (previous != 0 && previous != player) {
    WriteRailEnd(state.out, previous, -rails[previous].x, -rails[previous].y);
    int last = GetTrk(state.in, rails[previous], previous, true, false);
    if (last == kCmdRailEnd) {
      rails[previous].active = false;
    } else {
      WriteRail(state.out, kCmdRailStart, previous, rails[previous].x - rails[player].x,
                rails[previous].y - rails[player].y, rails[previous].type);
    }
    rails[previous].seen = true;
  }
  if (player != previous) {
    state.switched = true;
    WriteSideStructures(state, 0, player);
    WriteSideStructures(state, player, 0);
    if (previous != 0) WriteSideStructures(state, previous, previous);
  }
}

int FlushHeldMarkers(WriterState& state, int upTo) {
  int written = 0;
  while (!state.heldMarkers.empty()) {
    std::unique_ptr<HeldMarker> marker = std::move(state.heldMarkers.back());
    state.heldMarkers.pop_back();
    if (marker->start > upTo) continue;
    WriteDistance(state.out, marker->start);
    WriteMarker(state.out, marker->file, &marker->rest);
    ++written;
  }
  return written;
}

void WriteBlockGeometry(WriterState& state) {
  Track* rails = state.rails;
  int player = state.playerTrack;
  if (state.offMain()) {
    GetTurn(state.in, state.currentPosition, state.slope, state.previousPlayerTrack,
            rails[state.previousPlayerTrack].x, player, rails[player].x);
    GetTrk(state.in, rails[player], player, true, false);
    Stack railType;
    if (GetCmd(state.in, &railType, kCmdRailType, false, false, 0) && railType.Size() >= 2) {
      railType.Pop(true);
      rails[0].type = railType.PopInt(rails[0].type, true);
    }
  }
  int x = TruncatedOffset(rails[player].x);
  float delta = state.slope - state.lastSlope;
  if (delta != 0 || (state.slope != 0 && state.curveSuppressed)) {
    double t = delta;
    Stack found;
    if (GetCmd(state.in, &found, kCmdTurn, false, true, -1) && !found.IsEmpty())
      t += found.PopFloat(0, true);
    if (!GetCmd(state.in, &found, kCmdCurve, false, true, -1)) {
      double d = static_cast<double>(state.radius) - x;
      if (state.radius != 0 && d != 0) t += std::tan(25 / d);
    } else {
      int newRadius = found.PopInt(0, true);
      if (state.radius != 0) t += HalfBlockTurn(state.radius, x);
      if (newRadius != 0) t += HalfBlockTurn(newRadius, x);
      state.radius = newRadius;
      if (!found.IsEmpty()) state.cant = found.PopInt(state.cant, true);
    }
    float turn = static_cast<float>(t);
    if (turn != 0) WriteTurn(state.out, turn);
    if (std::fabs(turn) >= 0.01f && state.switched) {
      int position = state.currentPosition;
      int flushed = FlushHeldMarkers(state, position - kHeldMarkerReach);
      Stack length;
      if (position > kTurnoutMarkerLength) {
        WriteDistance(state.out, position - kTurnoutMarkerLength);
        length.PushE(kTurnoutMarkerLength);
        WriteMarker(state.out, turn < 0 ? kTurnoutLeftAhead : kTurnoutRightAhead, &length);
        WriteDistance(state.out, position);
      } else if (flushed > 0) {
        // Back to this position, so the turnout marker is not placed at
        // the last flushed marker's start.
        WriteDistance(state.out, position);
      }
      length.PushE(kTurnoutMarkerLength);
      WriteMarker(state.out, turn < 0 ? kTurnoutLeft : kTurnoutRight, &length);
    }
    if (state.slope != 0) {
      WriteCurve(state.out, 0, 0);
      state.curveSuppressed = true;
    }
    state.lastSlope = state.slope;
  } else if (state.slope == 0 && state.curveSuppressed) {
    Stack curve;
    if (!GetCmd(state.in, &curve, kCmdCurve, false, false, -1)) {
      WriteCurve(state.out, RebasedRadius(state, state.radius), state.cant);
    }
    state.curveSuppressed = false;
  }
}
