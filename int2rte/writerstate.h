#ifndef LINEWRIGHT_INT2RTE_WRITERSTATE_H
#define LINEWRIGHT_INT2RTE_WRITERSTATE_H

#include <memory>
#include <string>
#include <vector>

#include "core/BufFile.h"
#include "core/Stack.h"
#include "int2rte/readhelpers.h"

// Structure indices a free-object definition may mark as a parked train.
constexpr int kStructureCount = 65536;

// A marker the writer holds back while alternative paths are possible, to
// write it where it cannot clash with a turnout marker.
struct HeldMarker {
  std::string file;   // picture file name, as the route gave it
  int start = 0;      // position where the marker was met
  Stack rest;         // its other fields (the end), written back unchanged
};

// Everything the route writer knows while it walks one intermediate file.
// One instance per call of Intermediate2Route; `in` and `out` are owned by
// the caller.
struct WriterState {
  BufferedFile* in = nullptr;
  BufferedFile* out = nullptr;

  Track rails[kTrackCount];
  int currentPosition = 0;
  int previousPosition = 0;
  int pendingPosition = -1;  // a distance still to be written after a boundary
  int playerTrack = 0;       // the route's rail the player's train runs on
  int previousPlayerTrack = 0;  // the player track at the start of this block
  bool switched = false;     // the player track changed in this block
  float slope = 0;
  float lastSlope = 0;
  bool curveSuppressed = false;  // a straight curve was written while turning
  int radius = 0;            // the route's curve radius and cant last seen
  int cant = 0;
  int spacing = 0;           // distance to the next signal (clean-up line)
  // The last station timing line: departure (seconds), the position where
  // it was read, the next station's position, the travel time (seconds).
  int departure = 0;
  int stationStart = 0;
  int nextStation = 0;
  int travelTime = 0;
  bool stationTimingRead = false;  // a station timing line has been read
  // The first time of day written into a time field, -1 until then: the
  // base from which the timetable options shift the route's times.
  int lastTime = -1;
  // Structures of the free-object definitions that are parked trains,
  // indexed by structure number (0..kStructureCount - 1).
  std::vector<bool> trainObjects = std::vector<bool>(kStructureCount, false);
  Stack candidates;          // joined tracks offered at the next path point
  std::vector<std::unique_ptr<HeldMarker>> heldMarkers;  // the last one is on top

  WriterState() = default;
  WriterState(const WriterState&) = delete;
  WriterState& operator=(const WriterState&) = delete;

  Track& player() { return rails[playerTrack]; }
  // The player's path left the main track in this block or before it.
  bool offMain() const { return playerTrack != 0 || previousPlayerTrack != 0; }
};

#endif
