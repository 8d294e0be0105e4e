#include "int2rte/randomize.h"

// Every rule below leaves its command unchanged for now; the writer already
// calls each one at the place and in the order the finished rules need.

bool ApplyRunIntervalRule(WriterState&, int, Stack*) { return true; }

void WriteRandomSignalTime(WriterState&) {}

bool ApplySignalRules(WriterState&, int, Stack*) { return true; }

bool ApplySignalTimePoint(WriterState&, Stack*) { return true; }

bool ApplyTrackAccuracy(WriterState&, Stack*) { return true; }

int ApplyTilting(WriterState&, int, int cant) { return cant; }

bool ApplyAdhesion(WriterState&, Stack*) { return true; }

bool ApplyStationRules(WriterState&, int, Stack*) { return true; }

bool NoteTrainObject(WriterState&, Stack*) { return true; }

bool ApplyParkedTrain(WriterState&, Stack*, bool* keepRail) {
  *keepRail = false;
  return true;
}

void WriteClosingSignalTime(WriterState&) {}

void WriteCustomRelay(WriterState&, float, float) {}

void AppendCustomSignalDefinitions(WriterState&) {}
