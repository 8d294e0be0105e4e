#ifndef LINEWRIGHT_INT2RTE_RANDOMIZE_H
#define LINEWRIGHT_INT2RTE_RANDOMIZE_H

#include <string>

#include "core/Stack.h"
#include "int2rte/writerstate.h"

// The start options' changes to single commands of the written route.
// The route writer calls each rule at the command it concerns; a rule may
// change the command's fields in place (first field on top) and returns
// whether the command is written. Random values come from the program's
// one generator, drawn in the order the rules are called; a value a rule
// replaces keeps its place, the other fields pass as the route gave them.

// Run interval (19) and preceding train (92) lines: kept only without
// random signals, preceding-train lines only with the default timetable.
bool ApplyRunIntervalRule(WriterState& state, int index, Stack* fields);
// Before a signal (69, 70) or a signal time point (97), with random
// signals: a preceding-train time of its own, written ahead of the line.
void WriteRandomSignalTime(WriterState& state);
// Signals (69, 70): offsets rebased to the player track, distance labels,
// and with a custom signal system the system's template instead.
bool ApplySignalRules(WriterState& state, int index, Stack* fields);
// Signal time point (97).
bool ApplySignalTimePoint(WriterState& state, Stack* fields);
// Track accuracy (63).
bool ApplyTrackAccuracy(WriterState& state, Stack* fields);
// The cant of a curve (64) of `radius` as the route gives it; returns the
// cant to write.
int ApplyTilting(WriterState& state, int radius, int cant);
// Adhesion (67).
bool ApplyAdhesion(WriterState& state, Stack* fields);
// Stations (75, 76): times, forced red signal, dwell time, traffic.
bool ApplyStationRules(WriterState& state, int index, Stack* fields);
// Free object definitions (55): file names in lower case, and which
// structures are parked trains.
bool NoteTrainObject(WriterState& state, Stack* fields);
// Free objects on the track (88), before their rail index is renumbered.
// Sets `keepRail` when the rail index must stay as the route gave it.
bool ApplyParkedTrain(WriterState& state, Stack* fields, bool* keepRail);
// At the end of the route: the closing preceding-train time.
void WriteClosingSignalTime(WriterState& state);

// The x (default 0) and y (default -1) offsets of a signal or relay, taken
// from the top of `fields` and moved to the player track: x unless the pair
// is (0, -1), y unless it is -1. `xText` and `yText` are what a signal
// writes: "%f" of a moved value, otherwise the route's own text (the
// default's "%f" when the route gave none).
struct SignalOffsets {
  float x = 0;
  float y = -1;
  std::string xText;
  std::string yText;
};
SignalOffsets TakeSignalOffsets(const WriterState& state, Stack* fields);

// Custom signal systems: a relay at the rebased offsets, written through
// the system's template instead of the relay command.
void WriteCustomRelay(WriterState& state, float x, float y);
// Custom signal systems: the system's `speeds` text at the end of the
// route, run through the script.
void AppendCustomSignalDefinitions(WriterState& state);

#endif
