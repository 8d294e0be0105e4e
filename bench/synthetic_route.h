#ifndef LINEWRIGHT_BENCH_SYNTHETIC_ROUTE_H
#define LINEWRIGHT_BENCH_SYNTHETIC_ROUTE_H

#include <string>

// Synthetic routes for timing the stages, with what real routes hold: a
// definitions part (route, train, structures, some of whose free objects
// are parked trains), then track every 25 m in 2 km blocks. Each block has
// a passing loop (a side track that leaves the main track and rejoins it,
// an alternative path) with a parked train on it, a timed station, signals
// and a relay, curves and turns, pitch with the simulator's $Rnd, walls,
// dikes, poles, free objects, a marker, a limit, adhesion and accuracy, and
// comments; every third block adds a siding that ends without rejoining.
// The text grows in whole blocks until it reaches `targetBytes`.

// The comma-separated syntax.
std::string SyntheticCsvRoute(size_t targetBytes);
// The same layout in the sectioned syntax.
std::string SyntheticSectionedRoute(size_t targetBytes);
// A script route: the comma-separated layout with the randomizer script in
// it: notes, an include, macros, values and words, random sets, conditions
// (on chance and on the train) and repetition with break. It includes the
// file named kSyntheticIncludeName beside it.
std::string SyntheticScriptRoute(size_t targetBytes);

// The include file of the script route and its text.
extern const char kSyntheticIncludeName[];
std::string SyntheticScriptInclude();

#endif
