#include "int2rte/readhelpers.h"

#include <cstring>
#include <string>

#include "core/numtext.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"

bool ReadIntermediateLine(BufferedFile* file, std::string_view* line) {
  std::string_view content = file->view();
  int pos = file->getpos();
  if (pos < 0) pos = 0;
  if (pos >= static_cast<int>(content.size())) return false;
  size_t end = content.find('\n', static_cast<size_t>(pos));
  end = (end == std::string_view::npos) ? content.size() : end + 1;
  *line = content.substr(static_cast<size_t>(pos), end - static_cast<size_t>(pos));
  file->setpos(static_cast<int>(end), 0);
  return true;
}

void GetParameters(std::string_view line, Stack* fields) {
  // Fields never hold CR, LF or NUL, so the first of them ends the line.
  size_t end = line.find_first_of(std::string_view("\r\n\0", 3), 1);
  if (end != std::string_view::npos) line = line.substr(0, end);
  ForEachIntermediateField(line, [fields](std::string_view field) { fields->PushE(field); });
}

namespace {

// Removes the line that starts at `start` without moving the rest of the
// file: it becomes line feeds, which every reader skips.
void RemoveLineAt(BufferedFile* file, int start) {
  int after = file->getpos();
  file->setpos(start, 0);
  file->blankline();
  file->setpos(after, 0);
}

// Restores the read position when a look-ahead returns.
class PositionKeeper {
 public:
  explicit PositionKeeper(BufferedFile* file) : file_(file), saved_(file->getpos()) {}
  ~PositionKeeper() { file_->setpos(saved_, 0); }
  PositionKeeper(const PositionKeeper&) = delete;
  PositionKeeper& operator=(const PositionKeeper&) = delete;

 private:
  BufferedFile* file_;
  int saved_;
};

}  // namespace

void MoveEntries(Stack* from, Stack* to) {
  while (!from->IsEmpty()) {
    const StackEntry* top = from->Element(0);
    switch (top->kind()) {
      case StackEntry::kString: to->PushE(top->StringRef()); break;
      case StackEntry::kFloat: to->PushE(top->GetFloat()); break;
      case StackEntry::kInt: to->PushE(top->GetInt()); break;
      case StackEntry::kChar: to->PushE(top->GetChar()); break;
      case StackEntry::kPointer: to->PushE(top->GetPointer()); break;
      default: to->PushE(); break;
    }
    from->Pop(true);
  }
}

int GetTrk(BufferedFile* file, Track& track, int rail, bool wholeBlock, bool consume) {
  PositionKeeper keep(file);
  int result = -1;
  std::string_view line;
  Stack fields;
  for (;;) {
    int start = file->getpos();
    if (!ReadIntermediateLine(file, &line)) break;
    int index = IntermediateCommand(line);
    if (index == kCmdDistance) break;
    if (index < kCmdRailStart || index > kCmdRailType) continue;
    fields.MakeEmpty();
    GetParameters(line, &fields);
    if (fields.IsEmpty()) continue;
    if (fields.PopInt(-1, true) != rail) continue;
    if (fields.IsEmpty() && index != kCmdRailEnd) continue;
    if (index == kCmdRailType) {
      track.type = fields.PopInt(track.type, true);
    } else {
      track.x = fields.PopFloat(track.x, true);
      if (!fields.IsEmpty()) track.y = fields.PopFloat(track.y, true);
      if (!fields.IsEmpty()) track.type = fields.PopInt(track.type, true);
    }
    result = index;
    if (consume) RemoveLineAt(file, start);
    if (!wholeBlock && index != kCmdRailType) break;
  }
  return result;
}

void GetTurn(BufferedFile* file, int position, float& slope, int fromRail, float fromX,
             int toRail, float toX) {
  PositionKeeper keep(file);
  float xFrom = fromX;
  float xTo = toX;
  // 0: looking for the rail that is left in this block; 1: found it;
  // 2: in the next block, looking for the rail that is taken; 3: found it.
  int state = 0;
  long long next = static_cast<long long>(position) + kBlockLength;
  // The end of the following block. Normally a distance line on the grid
  // ends the look-ahead before it; where the positions never meet the grid
  // (a route laid out 10, 60, 110, ...) this keeps it from reading on to the
  // end of the file at every block, which made the writer quadratic.
  long long beyond = next + kBlockLength;
  std::string_view line;
  Stack fields;
  while (ReadIntermediateLine(file, &line)) {
    int index = IntermediateCommand(line);
    if (index != kCmdDistance && (index < kCmdRailStart || index > kCmdRailEnd)) continue;
    fields.MakeEmpty();
    GetParameters(line, &fields);
    if (index == kCmdDistance) {
      int at = fields.PopInt(0, true);
      if (IsBlockStart(at)) {
        if (at >= next && state < 2) state = 2;
        if (at > next) break;
      }
      // A position at or before the start only comes from a route whose
      // positions go back; reading on would rescan the file at every block.
      if (at >= beyond || at <= position) break;
      continue;
    }
    if (fields.IsEmpty()) continue;
    int rail = fields.PopInt(0, true);
    if ((rail != fromRail && rail != toRail) || fields.IsEmpty()) continue;
    if (state == 0 && rail == fromRail) {
      xFrom = fields.PopFloat(xFrom, false);
      if (fromRail == toRail) xTo = xFrom;
      state = 1;
    } else if (state == 2 && rail == toRail) {
      xTo = fields.PopFloat(xTo, false);
      state = 3;
    }
  }
  slope = (xTo - xFrom) / kBlockLength;
}

bool GetCmd(BufferedFile* file, Stack* out, int command, bool wholeBlock, bool remove, int rail) {
  PositionKeeper keep(file);
  bool found = false;
  Stack held;
  Stack fields;
  std::string_view line;
  for (;;) {
    int start = file->getpos();
    if (!ReadIntermediateLine(file, &line)) break;
    int index = IntermediateCommand(line);
    if (index == kCmdDistance) break;
    if (index != command) continue;
    fields.MakeEmpty();
    GetParameters(line, &fields);
    bool qualifies = true;
    if (rail != -1 && !fields.IsEmpty()) {
      int first = fields.PopInt(0, true);
      qualifies = (first == rail);
      fields.Push(first);
    }
    if (qualifies && (!remove || !found)) {
      found = true;
      held.MakeEmpty();
      MoveEntries(&fields, &held);
    }
    if (remove) {
      RemoveLineAt(file, start);
    } else if (found && !wholeBlock) {
      break;
    }
  }
  out->MakeEmpty();
  MoveEntries(&held, out);
  return found;
}

void WriteCommand(BufferedFile* out, int command, Stack* fields) {
  // Index -1 has no spelling; anything outside the tables writes nothing.
  if (command < kCmdCleanup || command == -1 || command >= kCommandCount) return;
  if (command < kCmdRailStart) out->putstring("\r\n");
  if (command == kCmdCleanup) return;
  const char* spelling = cleancom[command];
  const char* lastPlus = std::strrchr(spelling, '+');
  char number[kNumberTextSize];
  // The top field as text, then gone.
  auto putField = [&] {
    out->putstring(fields->Element(0)->Text(number));
    fields->Pop(true);
  };
  for (const char* p = spelling; *p; ++p) {
    if (*p != '+') {
      out->putchar(*p);
      continue;
    }
    if (fields == nullptr) continue;
    if (p != lastPlus) {
      if (!fields->IsEmpty()) putField();
      continue;
    }
    bool firstField = true;
    while (!fields->IsEmpty()) {
      if (!firstField) out->putchar(';');
      putField();
      firstField = false;
    }
  }
}
