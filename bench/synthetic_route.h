#ifndef LINEWRIGHT_BENCH_SYNTHETIC_ROUTE_H
#define LINEWRIGHT_BENCH_SYNTHETIC_ROUTE_H

#include <string>

// Synthetic routes for timing the stages: a definitions part, then track
// every 25 m with curves, pitch changes, free objects, signals every 500 m,
// a timed station every 2 km and a passing loop (a side track that leaves
// the main track through a switch and rejoins it) at every station. The
// text grows in whole 2 km blocks until it reaches `targetBytes`.
std::string SyntheticCsvRoute(size_t targetBytes);
// The same layout in the sectioned syntax.
std::string SyntheticSectionedRoute(size_t targetBytes);

#endif
