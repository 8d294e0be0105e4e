#include "int2rte/readhelpers.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/StackEntry.h"
#include "core/TextBatch.h"
#include "core/numtext.h"
#include "core/rteprocs.h"
#include "platform/filesystem.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"
#include "rte2int/rte2int.h"

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

namespace {

// The line up to its first CR, LF or NUL after the command byte: fields
// never hold those, so the first of them ends the line.
std::string_view LineBody(std::string_view line) {
  for (size_t i = 1; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\r' || c == '\n' || c == '\0') return line.substr(0, i);
  }
  return line;
}

// The first fields of a line, as the look-aheads read them, without
// making a Stack of them: a field is read as a Stack reads a text entry.
struct FirstFields {
  static constexpr int kMax = 4;
  std::string_view field[kMax];
  int count = 0;  // fields present, at most kMax

  explicit FirstFields(std::string_view line) {
    ForEachIntermediateField(LineBody(line), [this](std::string_view f) {
      if (count < kMax) field[count++] = f;
    });
  }
  int Int(int k, int def) const { return k < count ? TextToInt(field[k]) : def; }
  float Float(int k, float def) const { return k < count ? TextToFloat(field[k]) : def; }
};

}  // namespace

void GetParameters(std::string_view line, Stack* fields) {
  ForEachIntermediateField(LineBody(line),
                           [fields](std::string_view field) { fields->PushE(field); });
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

// The lines from the read position on, as ReadIntermediateLine gives them,
// read without moving the position: a look-ahead leaves it as it was.
class LookAhead {
 public:
  explicit LookAhead(const BufferedFile* file)
      : text_(file->view()), pos_(static_cast<size_t>(std::max(file->getpos(), 0))) {}
  // The next line with its line feed, and where it starts; false at the end.
  bool Next(std::string_view* line, int* start) {
    if (pos_ >= text_.size()) return false;
    size_t end = text_.find('\n', pos_);
    end = end == std::string_view::npos ? text_.size() : end + 1;
    *line = text_.substr(pos_, end - pos_);
    *start = static_cast<int>(pos_);
    pos_ = end;
    return true;
  }

 private:
  std::string_view text_;  // the file's content, which removing a line leaves in place
  size_t pos_;
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
  LookAhead lines(file);
  int result = -1;
  std::string_view line;
  int start = 0;
  while (lines.Next(&line, &start)) {
    int index = IntermediateCommand(line);
    if (index == kCmdDistance) break;
    if (index < kCmdRailStart || index > kCmdRailType) continue;
    FirstFields fields(line);
    if (fields.count == 0 || fields.Int(0, -1) != rail) continue;
    if (fields.count == 1 && index != kCmdRailEnd) continue;
    if (index == kCmdRailType) {
      track.type = fields.Int(1, track.type);
    } else {
      track.x = fields.Float(1, track.x);
      track.y = fields.Float(2, track.y);
      track.type = fields.Int(3, track.type);
    }
    result = index;
    if (consume) RemoveLineAt(file, start);
    if (!wholeBlock && index != kCmdRailType) break;
  }
  return result;
}

void GetTurn(BufferedFile* file, int position, float& slope, int fromRail, float fromX,
             int toRail, float toX) {
  LookAhead lines(file);
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
  int start = 0;
  while (lines.Next(&line, &start)) {
    int index = IntermediateCommand(line);
    if (index != kCmdDistance && (index < kCmdRailStart || index > kCmdRailEnd)) continue;
    FirstFields fields(line);
    if (index == kCmdDistance) {
      int at = fields.Int(0, 0);
      if (IsBlockStart(at)) {
        if (at >= next && state < 2) state = 2;
        if (at > next) break;
      }
      // A position at or before the start only comes from a route whose
      // positions go back; reading on would rescan the file at every block.
      if (at >= beyond || at <= position) break;
      continue;
    }
    if (fields.count == 0) continue;
    int rail = fields.Int(0, 0);
    if ((rail != fromRail && rail != toRail) || fields.count == 1) continue;
    if (state == 0 && rail == fromRail) {
      xFrom = fields.Float(1, xFrom);
      if (fromRail == toRail) xTo = xFrom;
      state = 1;
    } else if (state == 2 && rail == toRail) {
      xTo = fields.Float(1, xTo);
      state = 3;
    }
  }
  slope = (xTo - xFrom) / kBlockLength;
}

bool GetCmd(BufferedFile* file, Stack* out, int command, bool wholeBlock, bool remove, int rail) {
  LookAhead lines(file);
  bool found = false;
  out->MakeEmpty();
  std::string_view line;
  int start = 0;
  while (lines.Next(&line, &start)) {
    int index = IntermediateCommand(line);
    if (index == kCmdDistance) break;
    if (index != command) continue;
    // Checking the rail reads the first field as a number, and that
    // number takes the field's place.
    FirstFields fields(line);
    bool checked = rail != -1 && fields.count > 0;
    int first = checked ? fields.Int(0, 0) : 0;
    if ((!checked || first == rail) && (!remove || !found)) {
      found = true;
      out->MakeEmpty();
      GetParameters(line, out);
      if (checked) {
        out->Pop(true);
        out->Push(first);
      }
    }
    if (remove) {
      RemoveLineAt(file, start);
    } else if (found && !wholeBlock) {
      break;
    }
  }
  return found;
}

namespace {

// The clean spellings cut at their "+": the text before each "+" and
// after the last one.
struct Spelling {
  std::vector<std::string_view> pieces;
};

const Spelling& SpellingOf(int command) {
  static const std::vector<Spelling> spellings = [] {
    std::vector<Spelling> all(kCommandCount);
    for (int i = 0; i < kCommandCount; ++i) {
      std::string_view text = cleancom[i];
      size_t from = 0;
      for (size_t plus = text.find('+'); plus != std::string_view::npos;
           plus = text.find('+', from)) {
        all[i].pieces.push_back(text.substr(from, plus - from));
        from = plus + 1;
      }
      all[i].pieces.push_back(text.substr(from));
    }
    return all;
  }();
  return spellings[static_cast<size_t>(command)];
}

// Writes `command` from its clean spelling, taking its fields from
// `fields` (null: none), which offers Empty() and Take(TextBatch&).
template <typename Fields>
void WriteSpelled(BufferedFile* out, int command, Fields* fields) {
  // Index -1 has no spelling; anything outside the tables writes nothing.
  if (command < kCmdCleanup || command == -1 || command >= kCommandCount) return;
  TextBatch text(out);
  if (command < kCmdRailStart) text.Add("\r\n");
  if (command == kCmdCleanup) return;
  const std::vector<std::string_view>& pieces = SpellingOf(command).pieces;
  text.Add(pieces[0]);
  for (size_t k = 1; k < pieces.size(); ++k) {
    if (fields != nullptr) {
      if (k + 1 < pieces.size()) {
        // Each "+" but the last takes one field.
        if (!fields->Empty()) fields->Take(text);
      } else {
        // The last takes all that are left, joined by ";".
        for (bool first = true; !fields->Empty(); first = false) {
          if (!first) text.Add(";");
          fields->Take(text);
        }
      }
    }
    text.Add(pieces[k]);
  }
}

// The fields of a Stack, first on top, each taken as its text.
class StackFields {
 public:
  explicit StackFields(Stack* stack) : stack_(stack) {}
  bool Empty() const { return stack_->IsEmpty(); }
  void Take(TextBatch& text) {
    // The text is copied before its entry goes.
    text.Add(stack_->Element(0)->Text(number_));
    stack_->Pop(true);
  }

 private:
  Stack* stack_;
  char number_[kNumberTextSize];
};

// Texts given in order.
class TextFields {
 public:
  TextFields(const std::string_view* begin, const std::string_view* end)
      : next_(begin), end_(end) {}
  bool Empty() const { return next_ == end_; }
  void Take(TextBatch& text) { text.Add(*next_++); }

 private:
  const std::string_view* next_;
  const std::string_view* end_;
};

}  // namespace

void WriteCommandTexts(BufferedFile* out, int command,
                       std::initializer_list<std::string_view> fields) {
  TextFields given(fields.begin(), fields.end());
  WriteSpelled(out, command, &given);
}

void WriteCommand(BufferedFile* out, int command, Stack* fields) {
  if (fields == nullptr) {
    WriteSpelled<StackFields>(out, command, nullptr);
    return;
  }
  StackFields taken(fields);
  WriteSpelled(out, command, &taken);
}

bool ReportIntermediateNotRead() {
  ErrorMessage("Could not read the intermediate file:",
               platform::LastFileErrorDetail().c_str());
  return false;
}
