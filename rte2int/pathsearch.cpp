#include "rte2int/pathsearch.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Points examined before a search gives up. Routes in distance order need
// about (points x points per position); this is far beyond any real route
// and keeps a pathological one from running for hours.
constexpr long long kMaxSteps = 50000000;

void PushLink(Stack* result, int pos, int trk, int along) {
  char text[64];
  std::snprintf(text, sizeof text, "%d, %02d -> %02d\r\n", pos, trk, along);
  result->Push(text);
}

// For every point, the first later point at a greater position.
std::vector<int> NextGreaterPositions(const int* startpos, int count) {
  std::vector<int> next(static_cast<size_t>(count), count);
  std::vector<int> pending;
  for (int i = count - 1; i >= 0; --i) {
    while (!pending.empty() && startpos[pending.back()] <= startpos[i]) pending.pop_back();
    next[i] = pending.empty() ? count : pending.back();
    pending.push_back(i);
  }
  return next;
}

// One search: the group of `start` (points up to a greater position or an
// end point), following `track`.
struct Frame {
  int track;
  int p0;
  int k;
  bool success = false;
  bool expanding = false;  // waiting for the search from point k
  bool reached = false;    // point k joins the main track itself
};

}  // namespace

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
      visited == nullptr || found == nullptr || start < 0 || start >= count)
    return false;
  std::vector<int> next = NextGreaterPositions(startpos, count);
  std::vector<Frame> frames;
  frames.push_back(Frame{track, startpos[start], start});
  bool returned = false;  // the value of the search that ended last
  long long steps = 0;
  while (!frames.empty()) {
    size_t top = frames.size() - 1;
    if (frames[top].expanding) {
      Frame& f = frames[top];
      int k = f.k;
      if (returned) PushLink(result, startpos[k], starttrk[k], alongtrk[k]);
      visited[k] = true;
      found[k] = f.reached || returned;
      if (found[k]) f.success = true;
      f.expanding = false;
      ++f.k;
    }
    bool descended = false;
    while (!descended) {
      Frame& f = frames[top];
      int k = f.k;
      if (k >= count || startpos[k] > f.p0 || alongtrk[k] == -1 || ++steps > kMaxSteps) {
        returned = f.success;
        frames.pop_back();
        break;
      }
      if (starttrk[k] == f.track) {
        if (!visited[k]) {
          f.reached = alongtrk[k] == 0;
          if (f.reached) PushLink(result, startpos[k], starttrk[k], alongtrk[k]);
          f.expanding = true;
          int from = next[k];
          if (from < count) {
            frames.push_back(Frame{alongtrk[k], startpos[from], from});
            descended = true;
          } else {
            // Nothing lies beyond this position: that search finds nothing.
            returned = false;
            break;
          }
          continue;
        }
        if (found[k]) f.success = true;
      }
      ++f.k;
    }
    if (steps > kMaxSteps) {
      // Give up: keep what was found, report the start's own outcome.
      return frames.empty() ? returned : frames.front().success;
    }
  }
  return returned;
}
