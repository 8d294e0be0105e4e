#include "rte2int/pathsearch.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "core/numtext.h"

namespace {

// "%02d": at least two digits, a zero in front of a single one.
char* FormatTwoDigits(int v, char* p) {
  if (v >= 0 && v <= 9) {
    *p++ = '0';
    *p++ = static_cast<char>('0' + v);
    return p;
  }
  return p + FormatInt(v, p);
}

// For every point, the first later point at a greater position.
std::vector<int> NextGreaterPositions(const PathPoint* points, int count) {
  std::vector<int> next(static_cast<size_t>(count), count);
  std::vector<int> pending;
  for (int i = count - 1; i >= 0; --i) {
    while (!pending.empty() && points[pending.back()].pos <= points[i].pos) pending.pop_back();
    next[i] = pending.empty() ? count : pending.back();
    pending.push_back(i);
  }
  return next;
}

// The points a search begun at point s looks at are s up to (not
// including) the first point at a greater position or the first end point.
std::vector<int> GroupEnds(const PathPoint* points, const std::vector<int>& next, int count) {
  std::vector<int> end(static_cast<size_t>(count), count);
  int firstEnd = count;
  for (int i = count - 1; i >= 0; --i) {
    if (points[i].along == -1) firstEnd = i;
    end[i] = std::min(next[i], firstEnd);
  }
  return end;
}

// Which points lead back to the main track. A point leads back when it
// joins the main track itself or when the search beyond it, following
// the joined track, succeeds; that search succeeds when some point of its
// group on that track leads back. The searches beyond a point only look
// further down the list, so one sweep from the end settles every point,
// each search answered by one look-up in the points settled so far.
class Outcomes {
 public:
  Outcomes(const PathPoint* points, const std::vector<int>& next, const std::vector<int>& groupEnd,
           int count)
      : groupEnd_(groupEnd), beyond_(static_cast<size_t>(count), false) {
    for (int k = 0; k < count; ++k) {
      AddTrack(points[k].trk);
      AddTrack(points[k].along);
    }
    leading_.resize(tracks_.size());
    for (int k = count - 1; k >= 0; --k) {
      if (points[k].along == -1) continue;
      beyond_[k] = Succeeds(next[k], points[k].along);
      if (points[k].along == 0 || beyond_[k]) leading_[TrackId(points[k].trk)].push_back(k);
    }
  }

  // Whether the search of the group of point s, following `track`, finds
  // a way back.
  bool Succeeds(int s, int track) const {
    if (s >= static_cast<int>(groupEnd_.size())) return false;
    int id = TrackId(track);
    if (id < 0) return false;
    // The points of `track` that lead back, latest first: the earliest of
    // them at or after s is the one to look at.
    const std::vector<int>& on = leading_[static_cast<size_t>(id)];
    auto after = std::upper_bound(on.begin(), on.end(), s, std::greater<int>());
    return after != on.begin() && *(after - 1) < groupEnd_[static_cast<size_t>(s)];
  }

  // Whether the search beyond point k succeeds.
  bool Beyond(int k) const { return beyond_[static_cast<size_t>(k)]; }

  int TrackId(int track) const {
    auto it = std::lower_bound(tracks_.begin(), tracks_.end(), track);
    return it != tracks_.end() && *it == track ? static_cast<int>(it - tracks_.begin()) : -1;
  }
  int TrackCount() const { return static_cast<int>(tracks_.size()); }

 private:
  void AddTrack(int track) {
    auto it = std::lower_bound(tracks_.begin(), tracks_.end(), track);
    if (it == tracks_.end() || *it != track) tracks_.insert(it, track);
  }

  const std::vector<int>& groupEnd_;
  std::vector<int> tracks_;                 // every track number, sorted
  std::vector<std::vector<int>> leading_;   // per track: points that lead back
  std::vector<bool> beyond_;
};

}  // namespace

int FormatPathText(const PathLink& link, char* dest) {
  char* p = dest + FormatInt(link.pos, dest);
  *p++ = ',';
  *p++ = ' ';
  p = FormatTwoDigits(link.trk, p);
  std::memcpy(p, " -> ", 4);
  p = FormatTwoDigits(link.along, p + 4);
  *p++ = '\r';
  *p++ = '\n';
  *p = '\0';
  return static_cast<int>(p - dest);
}

bool PathTextsBefore(const PathLink& a, const PathLink& b) {
  // With positions from 0 and tracks from 0 to 99 a shorter text is a
  // shorter position, and texts of one length compare as their numbers.
  auto plain = [](const PathLink& l) {
    return l.pos >= 0 && l.trk >= 0 && l.trk <= 99 && l.along >= 0 && l.along <= 99;
  };
  if (plain(a) && plain(b)) {
    if (a.pos != b.pos) return a.pos < b.pos;
    if (a.trk != b.trk) return a.trk < b.trk;
    return a.along < b.along;
  }
  char ta[kPathTextSize];
  char tb[kPathTextSize];
  int na = FormatPathText(a, ta);
  int nb = FormatPathText(b, tb);
  return ComparePathTexts(std::string_view(ta, static_cast<size_t>(na)),
                          std::string_view(tb, static_cast<size_t>(nb))) < 0;
}

int NextPFOffset(const int* startpos, int count, int k) {
  for (int j = k + 1; j < count; ++j)
    if (startpos[j] > startpos[k]) return j;
  return count;
}

int ComparePathTexts(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.empty() ? 0 : std::memcmp(a.data(), b.data(), a.size());
}

int qsort_stringlist(const void* a, const void* b) {
  return ComparePathTexts(static_cast<const char*>(a), static_cast<const char*>(b));
}

bool SearchPathA(const int* startpos, const int* starttrk, const int* alongtrk, int count,
                 int start, int track, Stack* result, bool* visited, bool* found) {
  if (startpos == nullptr || starttrk == nullptr || alongtrk == nullptr || result == nullptr ||
      count < 0)
    return false;
  std::vector<PathPoint> points(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) points[k] = {startpos[k], starttrk[k], alongtrk[k]};
  std::vector<PathLink> links;
  bool success = SearchPathLinks(points.data(), count, start, track, &links, visited, found);
  char text[kPathTextSize];
  for (const PathLink& link : links) {
    FormatPathText(link, text);
    for (int i = 0; i < link.times; ++i) result->Push(text);
  }
  return success;
}

bool SearchPathLinks(const PathPoint* points, int count, int start, int track,
                     std::vector<PathLink>* links, bool* visited, bool* found) {
  if (points == nullptr || links == nullptr || visited == nullptr || found == nullptr ||
      start < 0 || start >= count)
    return false;
  std::vector<int> next = NextGreaterPositions(points, count);
  std::vector<int> groupEnd = GroupEnds(points, next, count);
  Outcomes outcomes(points, next, groupEnd, count);

  // The searches that are made, by the point they begin at: each point a
  // search examines starts one search beyond it. Walking the list once in
  // order, `reachedUntil` tells, per track, up to where the searches begun
  // so far examine that track's points.
  using Search = std::pair<int, int>;  // first point, track id
  std::priority_queue<Search, std::vector<Search>, std::greater<Search>> searches;
  std::vector<int> reachedUntil(static_cast<size_t>(outcomes.TrackCount()), 0);
  int startId = outcomes.TrackId(track);
  if (startId >= 0) searches.push({start, startId});
  for (int k = start; k < count; ++k) {
    while (!searches.empty() && searches.top().first == k) {
      int& until = reachedUntil[static_cast<size_t>(searches.top().second)];
      until = std::max(until, groupEnd[static_cast<size_t>(k)]);
      searches.pop();
    }
    const PathPoint& point = points[k];
    int id = outcomes.TrackId(point.trk);
    if (id < 0 || k >= reachedUntil[static_cast<size_t>(id)]) continue;
    visited[k] = true;
    bool reached = point.along == 0;
    bool beyond = outcomes.Beyond(k);
    found[k] = reached || beyond;
    // A link is given once when it joins the main track and once more when
    // the search beyond it succeeds.
    if (reached || beyond)
      links->push_back({point.pos, point.trk, point.along, reached && beyond ? 2 : 1});
    int from = next[static_cast<size_t>(k)];
    int alongId = outcomes.TrackId(point.along);
    if (from < count && alongId >= 0) searches.push({from, alongId});
  }
  return outcomes.Succeeds(start, track);
}
