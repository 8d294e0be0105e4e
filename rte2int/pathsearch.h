#ifndef LINEWRIGHT_RTE2INT_PATHSEARCH_H
#define LINEWRIGHT_RTE2INT_PATHSEARCH_H

#include <string_view>
#include <vector>

#include "core/Stack.h"

// The alternative paths through a route's track layout. The clean-up
// records path points: at a track position, a side track (1..15) or the
// main track (0) meets another track at the same lateral offset ("joined
// track"), or a track ends there (joined track -1). Points come grouped by
// position, the end points of a position after its meetings.

// Searches, from the group of point `start` on, the links that lead from
// track `track` back to the main track. Every link on such a path is pushed
// on `result` as "%d, %02d -> %02d\r\n" (position, track, joined track).
// `visited` and `found` (count entries each, cleared by the caller) record
// which points were searched and whether they led back. True when some
// path from this group reached the main track.
//
// Each point is settled once, in two sweeps over the list (one from the
// end for which points lead back, one from `start` for which are
// searched), so the work grows with the number of points times the log of
// it, whatever the order of the positions, and the call stack stays flat.
bool SearchPathA(const int* startpos, const int* starttrk, const int* alongtrk, int count,
                 int start, int track, Stack* result, bool* visited, bool* found);

// A path point: at position `pos`, track `trk` meets track `along`
// (-1: `trk` ends there).
struct PathPoint {
  int pos;
  int trk;
  int along;
};

// A link SearchPathA reports: at position `pos`, track `trk` joins `along`;
// SearchPathA gives its text `times` times (1 or 2).
struct PathLink {
  int pos;
  int trk;
  int along;
  int times;
};

// SearchPathA over points kept together, with the links appended to
// `links` in the order in which SearchPathA pushes their texts.
bool SearchPathLinks(const PathPoint* points, int count, int start, int track,
                     std::vector<PathLink>* links, bool* visited, bool* found);

// The text SearchPathA pushes for a link, "%d, %02d -> %02d\r\n", into
// `dest` (kPathTextSize bytes); returns its length.
constexpr int kPathTextSize = 48;
int FormatPathText(const PathLink& link, char* dest);

// Whether the text of link `a` comes before that of `b` in the order of
// ComparePathTexts; equal texts are equal links.
bool PathTextsBefore(const PathLink& a, const PathLink& b);

// The first index after k whose position is greater than startpos[k], or
// count.
int NextPFOffset(const int* startpos, int count, int k);

// The order of path strings: the shorter string comes first, strings of
// equal length by their bytes. For path strings this orders by position,
// then by track numbers. Negative, zero or positive as for qsort.
int ComparePathTexts(std::string_view a, std::string_view b);
// The same order for qsort over an array of fixed-size string slots: `a`
// and `b` point at the NUL-terminated strings.
int qsort_stringlist(const void* a, const void* b);

#endif
