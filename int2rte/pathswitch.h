#ifndef LINEWRIGHT_INT2RTE_PATHSWITCH_H
#define LINEWRIGHT_INT2RTE_PATHSWITCH_H

#include "int2rte/writerstate.h"

// Moving the player's train from one track of the route to another. The
// track it runs on is always rail 0 of the written route, so at a switch
// the tracks involved are renumbered and re-placed, and while the path
// leans sideways the route gets turn and curve corrections and turnout
// markers.

// Picks the player track at a path point from the candidates offered there
// (drawing from the program's random generator) and writes the rail ends,
// rail starts and side structures that the renumbering needs.
void ChoosePath(WriterState& state);

// At a distance line on a multiple of 25: the slope of the player's path
// over the next 25 m, and the turn, curve and marker commands it needs.
void WriteBlockGeometry(WriterState& state);

// Writes the held markers that began at or before `upTo` (each after a
// distance line at its start), last held first, and discards the others.
// Returns how many were written.
int FlushHeldMarkers(WriterState& state, int upTo);

// The curve radius measured from the player track: the route's radius
// minus the player track's offset (truncated), or 0 for no curve.
int RebasedRadius(const WriterState& state, int radius);

#endif
