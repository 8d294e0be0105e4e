#include "ui/route_info.h"

#include <vector>

#include "core/mheader.h"
#include "core/rteprocs.h"
#include "platform/files.h"
#include "scrprocs/directives.h"
#include "ui/cleantext.h"
#include "ui/loadsave.h"

namespace {

// The rest of a line holds at most this many characters.
constexpr int kRestOfLineSize = 1023;
// A description holds at most this many characters.
constexpr size_t kSectionedDescriptionMax = 4091;
constexpr size_t kNotesMax = 4090;
// Buffer sizes the texts are cleaned for.
constexpr int kNameSize = 1024;
constexpr int kDescriptionSize = 4096;

// After a match: the character after it is skipped, then the line is
// taken up to its end. A match at the end of its line has an empty rest.
std::string RestOfLine(BufferedFile* file) {
  int skipped = file->getchar();
  if (skipped == '\r' || skipped == '\n' || skipped == -1) return std::string();
  char line[kRestOfLineSize];
  if (!file->getline(line, sizeof line, false)) return std::string();
  return line;
}

// Sectioned routes spell the default train "File = name": the name is what
// follows the "=".
std::string SectionValue(std::string rest) {
  size_t start = rest.find_first_not_of(" \t");
  if (start != std::string::npos && rest[start] == '=') rest.erase(0, rest.find_first_not_of(" \t", start + 1));
  return start == std::string::npos ? std::string() : rest;
}

std::string SectionedDescription(BufferedFile* file) {
  std::string description;
  std::vector<char> line(kLineBufferSize);
  while (file->getline(line.data(), kLineBufferSize, true)) {
    if (line[0] == ';') continue;
    std::string lower(line.data());
    for (char& c : lower) c = AsciiLower(c);
    if (lower.find("[train]") != std::string::npos) break;
    description += lower;
    if (description.size() >= kSectionedDescriptionMax) {
      description.resize(kSectionedDescriptionMax);
      break;
    }
  }
  return description;
}

// The text between #notes<> and #endnotes<>.
std::string ScriptNotes(BufferedFile* file) {
  std::string notes;
  bool collecting = false;
  for (int c = file->getchar(); c != -1 && c != 0; c = file->getchar()) {
    if (c == '#') {
      if (GetNextScrCommand(file, kScrEndNotes, false) >= 0) break;
      if (GetNextScrCommand(file, kScrNotes, true) >= 0) collecting = true;
      continue;
    }
    if (collecting && notes.size() < kNotesMax) notes += static_cast<char>(c);
  }
  return notes;
}

}  // namespace

bool StringExists(std::string_view pattern, BufferedFile* file) {
  std::string_view text = file->view();
  // A NUL or 0xFF byte ends the content for every reader.
  size_t end = text.find_first_of(std::string_view("\0\xFF", 2));
  if (end != std::string_view::npos) text = text.substr(0, end);
  size_t from = file->getpos() < 0 ? 0 : static_cast<size_t>(file->getpos());
  for (size_t start = from; start + pattern.size() <= text.size(); ++start) {
    size_t i = 0;
    while (i < pattern.size() && AsciiLower(text[start + i]) == pattern[i]) ++i;
    if (i == pattern.size()) {
      file->setpos(static_cast<int>(start + i), 0);
      return true;
    }
  }
  file->setpos(static_cast<int>(text.size()), 0);
  return false;
}

bool GetRouteInfo(RouteInfo* info) {
  info->description = "Description not available";
  std::string path = platform::ResolveRoutePath(global.browsefolder, global.routefile);
  BufferedFile file(path.c_str(), false);
  if (!file.working()) {
    info->name = "Unable to open file";
    return false;
  }
  const int type = global.routetype;
  if (type == kRouteSectioned || type == kRouteScript) {
    info->name = global.routefile;
    file.setpos(0, 0);
    if (StringExists("file", &file)) info->train = SectionValue(RestOfLine(&file));
  }
  if (type == kRouteCsv || type == kRouteScript) {
    file.setpos(0, 0);
    if (StringExists(".timetable", &file)) info->name = CleanText(RestOfLine(&file), kNameSize, false);
    file.setpos(0, 0);
    if (StringExists(".folder", &file)) info->train = RestOfLine(&file);
  }
  file.setpos(0, 0);
  if (type == kRouteCsv) {
    if (StringExists(".comment", &file)) info->description = CleanText(RestOfLine(&file), kDescriptionSize, true);
  } else if (type == kRouteSectioned) {
    info->description = SectionedDescription(&file);
  } else if (type == kRouteScript) {
    info->description = ScriptNotes(&file);
    info->name = global.routefile;
  }
  return true;
}
