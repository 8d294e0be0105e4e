#include "rte2int/cleanint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "core/Stack.h"
#include "core/numtext.h"
#include "core/rteprocs.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"
#include "rte2int/kavotime.h"
#include "rte2int/pathsearch.h"
#include "rte2int/recognizer.h"
#include "ui/loadsave.h"

namespace {

constexpr int kTrackCount = 16;
constexpr int kNoSection = -1;
constexpr float kLevelTolerance = 0.1f;
constexpr float kMaxTurnChange = 3.5f;

struct TrackSlot {
  float x = 0;
  float y = 0;
  bool active = false;
  bool ended = false;
  bool touched = false;
  float prevturn = 0;  // the lateral step at the last command
};

struct SeenCommand {
  float x;
  int track;
  int command;
};

struct StationTime {
  int pos;
  float arrive;
  float depart;
};

// Calls `take` with each line of the content, line feed included, and the
// offset just after it.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
  size_t p = 0;
  while (p < text.size()) {
    size_t e = text.find('\n', p);
    size_t end = e == std::string_view::npos ? text.size() : e + 1;
    take(text.substr(p, end - p), end);
    p = end;
  }
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

// The numbers as "%d;%d;...", the parameters of a clean-up line, into
// `text` (room for 12 characters per number).
void JoinNumbers(char* text, std::initializer_list<int> numbers) {
  for (int n : numbers) {
    text += FormatInt(n, text);
    *text++ = ';';
  }
  text[-1] = '\0';
}

bool IsLevel(const TrackSlot& t) { return std::fabs(t.y) <= kLevelTolerance; }

class Cleaner {
 public:
  explicit Cleaner(platform::ProgressSink* progress) : progress_(progress) {
    for (int i = 0; i < kTrackCount; ++i) track_[i].y = static_cast<float>(i * 100);
    track_[0].active = true;
  }

  void FirstPass(std::string_view text);
  void SearchPaths();
  void SecondPass(std::string_view text, BufferedFile* out);
  bool MadePathArrays() const { return madePathArrays_; }

 private:
  // The fields of an intermediate line, its line end left out; valid
  // until the next call.
  const std::vector<std::string_view>& Fields(std::string_view line) {
    IntermediateFields(WithoutLineEnd(line), &fields_);
    return fields_;
  }
  // The position of a distance line.
  int PositionOf(std::string_view line) { return TruncateToInt(FieldScanned(Fields(line), 0)); }
  // Signals whose third and fourth fields are 0 and -1 take no part in the
  // spacing; every other signal is counted.
  bool IsCountedSignal(std::string_view line) {
    const std::vector<std::string_view>& fields = Fields(line);
    return TruncateToInt(FieldScanned(fields, 2)) != 0 ||
           TruncateToInt(FieldScanned(fields, 3)) != -1;
  }
  void CloseFirstPassPosition(int d);
  void TrackCommand(int command, const std::vector<std::string_view>& fields);
  void Remember(float x, int trk, int command);
  void PushMeetings();
  void WritePositionNotes(int d, BufferedFile* out);
  void Keep(std::string_view line, BufferedFile* out);

  platform::ProgressSink* progress_;
  std::vector<std::string_view> fields_;
  TrackSlot track_[kTrackCount];
  std::vector<SeenCommand> seen_;
  std::vector<int> sigstack_;
  int lastSignal_ = 0;
  std::vector<PathPoint> points_;
  std::vector<StationTime> stations_;
  std::vector<PathLink> links_;
  bool madePathArrays_ = false;
  int curpos_ = 0;

  // Second pass queues.
  size_t nextSignal_ = 0;
  size_t nextLink_ = 0;
  size_t nextStation_ = 0;
  int lastSection_ = kNoSection;
  int pendingSection_ = kNoSection;
  int blockSection_ = kNoSection;
};

void Cleaner::Remember(float x, int trk, int command) { seen_.push_back({x, trk, command}); }

// Which level tracks meet which at the current position: track a meets
// track b when both were seen at one lateral offset, a not starting there
// and b not ending there. Each meeting is one path point, however many
// commands show it.
void Cleaner::PushMeetings() {
  std::sort(seen_.begin(), seen_.end(),
            [](const SeenCommand& a, const SeenCommand& b) { return a.x < b.x; });
  unsigned level = 0;
  for (int i = 0; i < kTrackCount; ++i)
    if (IsLevel(track_[i])) level |= 1u << i;
  unsigned meets[kTrackCount] = {};
  for (size_t from = 0; from < seen_.size();) {
    size_t to = from;
    unsigned leaving = 0, joined = 0;  // tracks at this offset
    for (; to < seen_.size() && seen_[to].x == seen_[from].x; ++to) {
      unsigned bit = 1u << seen_[to].track;
      if (seen_[to].command != kCmdRailStart) leaving |= bit;
      if (seen_[to].command != kCmdRailEnd) joined |= bit;
    }
    for (int a = 0; a < kTrackCount; ++a)
      if (leaving & level & (1u << a)) meets[a] |= joined & level;
    from = to;
  }
  for (int a = 0; a < kTrackCount; ++a)
    for (unsigned m = meets[a], b = 0; m != 0; m >>= 1, ++b)
      if (m & 1u) points_.push_back({curpos_, a, static_cast<int>(b)});
}

// A new distance: the commands seen at the current position tell which
// tracks meet there and which end.
void Cleaner::CloseFirstPassPosition(int d) {
  if (!seen_.empty()) {
    for (int i = 0; i < kTrackCount; ++i) {
      const TrackSlot& t = track_[i];
      if (t.active && !t.touched && IsLevel(t)) Remember(t.x, i, kCmdRail);
    }
    PushMeetings();
    for (int i = 0; i < kTrackCount; ++i) {
      TrackSlot& t = track_[i];
      t.touched = false;
      if (t.ended) {
        points_.push_back({curpos_, i, -1});
        t.ended = false;
        t.active = false;
      }
    }
    seen_.clear();
  }
  curpos_ = d;
}

void Cleaner::TrackCommand(int command, const std::vector<std::string_view>& fields) {
  int i = FieldInt(fields, 0, -1);
  if (i < 1 || i >= kTrackCount) return;
  TrackSlot& t = track_[i];
  float oldx = t.x;
  t.x = FieldFloat(fields, 1, t.x);
  t.y = FieldFloat(fields, 2, t.y);
  int seenAs = (command == kCmdRail && !t.active) ? kCmdRailStart : command;
  Remember(t.x, i, seenAs);
  t.active = true;
  t.touched = true;
  t.ended = false;
  // A track that starts here, whether by "railstart" or by a "rail" on an
  // inactive track, takes its first step afresh.
  if (seenAs == kCmdRailStart) t.prevturn = 0;
  float turn = t.x - oldx;
  if (command == kCmdRailEnd || !IsLevel(t) || std::fabs(turn - t.prevturn) > kMaxTurnChange) {
    t.ended = true;
    t.active = false;
  }
  t.prevturn = turn;
}

void Cleaner::FirstPass(std::string_view text) {
  platform::ProgressMeter progress(progress_, static_cast<long long>(text.size()));
  ForEachLine(text, [&](std::string_view raw, size_t offset) {
    progress.At(static_cast<long long>(offset));
    int command = IntermediateCommand(raw);
    switch (command) {
      case kCmdDistance: {
        int d = PositionOf(raw);
        if (d != curpos_) CloseFirstPassPosition(d);
        break;
      }
      case kCmdRailStart:
      case kCmdRail:
      case kCmdRailEnd:
        TrackCommand(command, Fields(raw));
        break;
      case kCmdSignal:
      case kCmdSig: {
        if (IsCountedSignal(raw)) {
          // Positions span the whole int range: take the difference in a
          // wider type and cut it back to the range.
          long long spacing = static_cast<long long>(curpos_) - lastSignal_;
          sigstack_.push_back(TruncateToInt(static_cast<double>(spacing)));
          lastSignal_ = curpos_;
        }
        break;
      }
      case kCmdSta:
      case kCmdStation: {
        const std::vector<std::string_view>& fields = Fields(raw);
        float arrive = FieldScanned(fields, 1);
        float depart = FieldScanned(fields, 2);
        if (arrive == 0) arrive = depart;
        if (depart == 0) depart = arrive;
        if (arrive != 0 || depart != 0) stations_.push_back({curpos_, arrive, depart});
        break;
      }
      default:
        break;
    }
  });
}

void Cleaner::SearchPaths() {
  // The first spacing is the distance from the route's start to the first
  // counted signal; each later one belongs to the signal before it.
  if (!sigstack_.empty()) sigstack_.erase(sigstack_.begin());

  std::unique_ptr<bool[]> visited(new bool[points_.size() + 1]());
  std::unique_ptr<bool[]> found(new bool[points_.size() + 1]());
  std::vector<PathLink> results;
  log("searching paths");
  SearchPathLinks(points_.data(), static_cast<int>(points_.size()), 0, 0, &results, visited.get(),
                  found.get());
  log("search complete");
  // The points have done their work.
  std::vector<PathPoint>().swap(points_);
  if (results.empty()) return;

  // The links in the order of their texts (qsort_stringlist), each once.
  // The search gives them in that order already on most routes.
  auto before = [](const PathLink& a, const PathLink& b) { return PathTextsBefore(a, b); };
  if (!std::is_sorted(results.begin(), results.end(), before))
    std::sort(results.begin(), results.end(), before);
  auto same = [](const PathLink& a, const PathLink& b) {
    return a.pos == b.pos && a.trk == b.trk && a.along == b.along;
  };
  results.erase(std::unique(results.begin(), results.end(), same), results.end());
  links_.assign(results.begin(), results.end());
  madePathArrays_ = true;
}

// The clean-up's notes that stand before the distance line of `d`.
void Cleaner::WritePositionNotes(int d, BufferedFile* out) {
  char text[96];
  // Links and stations behind the current position can never be reached
  // again; without skipping them they would hold up everything queued
  // after them.
  while (nextLink_ < links_.size() && links_[nextLink_].pos < d) ++nextLink_;
  while (nextLink_ < links_.size() && links_[nextLink_].pos == d) {
    const PathLink& l = links_[nextLink_++];
    JoinNumbers(text, {1, l.trk, l.along});
    WriteCommand(out, kCmdCleanup, text);
  }
  while (nextStation_ < stations_.size() && stations_[nextStation_].pos < d) ++nextStation_;
  if (nextStation_ + 1 < stations_.size() && stations_[nextStation_].pos == d) {
    const StationTime& here = stations_[nextStation_];
    const StationTime& next = stations_[nextStation_ + 1];
    int depart = KavoTime2Sec(here.depart);
    int arrive = KavoTime2Sec(next.arrive);
    int travel = arrive - depart;
    // A journey across midnight.
    if (travel < 0) travel += kSecondsPerDay;
    JoinNumbers(text, {3, depart, next.pos, travel});
    WriteCommand(out, kCmdCleanup, text);
    ++nextStation_;
  }
}

void Cleaner::Keep(std::string_view line, BufferedFile* out) {
  if (pendingSection_ != lastSection_ && pendingSection_ != kNoSection) {
    WriteCommand(out, pendingSection_, nullptr);
    lastSection_ = pendingSection_;
  }
  out->putstring(line);
  if (line.empty() || line.back() != '\n') out->putstring("\r\n");
  // A comma-syntax prefix such as "Route." applies to one command only.
  pendingSection_ = blockSection_;
}

void Cleaner::SecondPass(std::string_view text, BufferedFile* out) {
  platform::ProgressMeter progress(progress_, static_cast<long long>(text.size()));
  curpos_ = -1;
  ForEachLine(text, [&](std::string_view raw, size_t offset) {
    progress.At(static_cast<long long>(offset));
    int command = IntermediateCommand(raw);
    if (command >= kCmdWithRoute && command <= kCmdTrackPrefix) {
      int section = command >= kCmdRoutePrefix ? command - 6 : command;
      pendingSection_ = section;
      if (command <= kCmdWithTrack) blockSection_ = section;
      return;
    }
    bool keep = true;
    switch (command) {
      case kCmdDistance: {
        int d = PositionOf(raw);
        if (d == curpos_) {
          keep = false;
          break;
        }
        if (d < curpos_ && global.showerrors) {
          char detail[64];
          std::snprintf(detail, sizeof detail, "%d -> %d", curpos_, d);
          ErrorMessage("Wrong distance order", detail);
        }
        WritePositionNotes(d, out);
        curpos_ = d;
        break;
      }
      case kCmdSignal:
      case kCmdSig: {
        if (IsCountedSignal(raw)) {
          int spacing = nextSignal_ < sigstack_.size() ? sigstack_[nextSignal_++] : 0;
          char note[32];
          JoinNumbers(note, {0, spacing});
          WriteCommand(out, kCmdCleanup, note);
        }
        break;
      }
      case kCmdComment:
      case kCmdDeveloperId:
        keep = false;
        break;
      default:
        break;
    }
    if (keep) {
      Keep(raw, out);
    } else {
      // A dropped line uses up a prefix that was meant for it.
      pendingSection_ = blockSection_;
    }
  });
}

}  // namespace

bool CleanIntFile(BufferedFile*& file, platform::ProgressSink* progress) {
  if (file == nullptr) return false;
  log("CleanIntFile started");
  std::unique_ptr<BufferedFile> out;
  try {
    out.reset(new BufferedFile(BufferedFile::OutputSizeFor(file->size()), true));
    if (!out->working()) {
      log("failed to allocate memory");
      return false;
    }
    log("entering loop");
    std::string_view text = file->view();
    Cleaner cleaner(progress);
    cleaner.FirstPass(text);
    cleaner.SearchPaths();
    cleaner.SecondPass(text, out.get());
    log("ending loop");
    for (const char* name : {"sigstack", "p_startpos", "p_starttrk", "p_alongtrk", "s_pos",
                             "s_arrive", "s_depart", "t_pos", "t_index", "t_cmd"}) {
      log((std::string("del ") + name).c_str());
    }
    const char* verb = cleaner.MadePathArrays() ? "del " : "skip ";
    for (const char* name : {"fp_startpos", "fp_starttrk", "fp_alongtrk"})
      log((std::string(verb) + name).c_str());
    for (const char* name : {"del line", "del params", "del track", "del prevtturn"}) log(name);
  } catch (const std::bad_alloc&) {
    log("failed to allocate memory");
    return false;
  }
  delete file;
  log("del fs");
  file = out.release();
  log("exiting CleanIntFile");
  return true;
}
