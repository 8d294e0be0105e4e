#ifndef LINEWRIGHT_INT2RTE_RANDOMIZE_H
#define LINEWRIGHT_INT2RTE_RANDOMIZE_H

#include "core/Stack.h"
#include "int2rte/writerstate.h"

// The start options' changes to single commands of the written route.
// The route writer calls each rule at the command it concerns; a rule may
// change the command's fields in place (first field on top) and returns
// whether the command is written.
//
// The rules that draw random values or shift the timetable are not in this
// version: those functions leave the command as it is.

// Run interval (19) and preceding train (92) lines.
bool ApplyRunIntervalRule(WriterState& state, int index, Stack* fields);
// Before a signal (69, 70) or a signal time point (97): may write a
// preceding-train time of its own ahead of the line.
void WriteRandomSignalTime(WriterState& state);
// Signals (69, 70): offsets rebased to the player track and labels.
bool ApplySignalRules(WriterState& state, int index, Stack* fields);
// Signal time point (97).
bool ApplySignalTimePoint(WriterState& state, Stack* fields);
// Track accuracy (63).
bool ApplyTrackAccuracy(WriterState& state, Stack* fields);
// The cant of a curve (64) of `radius`; returns the cant to write.
int ApplyTilting(WriterState& state, int radius, int cant);
// Adhesion (67).
bool ApplyAdhesion(WriterState& state, Stack* fields);
// Stations (75, 76): times, forced red signal, dwell time, traffic.
bool ApplyStationRules(WriterState& state, int index, Stack* fields);
// Free object definitions (55): notes which structures are parked trains.
bool NoteTrainObject(WriterState& state, Stack* fields);
// Free objects on the track (88), before their rail index is renumbered.
// Sets `keepRail` when the rail index must stay as the route gave it.
bool ApplyParkedTrain(WriterState& state, Stack* fields, bool* keepRail);
// At the end of the route: the closing preceding-train time.
void WriteClosingSignalTime(WriterState& state);

// Custom signal systems: a relay at the rebased offsets, written through
// the system's template instead of the relay command.
void WriteCustomRelay(WriterState& state, float x, float y);
// Custom signal systems: their definitions at the end of the route.
void AppendCustomSignalDefinitions(WriterState& state);

#endif
