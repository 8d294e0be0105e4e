#include "sigsys/sigsys.h"

#include <string_view>

#include "core/rteprocs.h"
#include "platform/filesystem.h"
#include "sigsys/sigsys_list.h"
#include "ui/cleantext.h"

const char kDefaultSignalSystem[] = "Kavo Default";

SignalSystem sigsys;

namespace {

// The description is read in pieces of at most this many characters; a
// piece that begins with "#end#" ends it.
constexpr size_t kDescriptionPiece = 127;
const char kDescriptionEnd[] = "#end#";

// The installed system that a name means: the last one of that name in
// folder order, or null.
const SignalSystemEntry* FindSystem(const std::vector<SignalSystemEntry>& systems,
                                    const std::string& name) {
  const SignalSystemEntry* found = nullptr;
  for (const SignalSystemEntry& s : systems)
    if (s.name == name) found = &s;
  return found;
}

// Line ends as a text-mode read gives them on Windows: CR LF becomes LF, so
// that a definition file reads the same on every platform.
std::string WithoutCrBeforeLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

}  // namespace

bool IsDefaultSignalSystem(const std::string& name) {
  return EqualsIgnoringCase(name, kDefaultSignalSystem);
}

bool CustomSignalsActive() { return sigsys.custom && sigsys.loaded; }

bool GetSigsysFolder() {
  std::vector<SignalSystemEntry> systems = ListSignalSystems(".");
  const SignalSystemEntry* system = FindSystem(systems, sigsys.name);
  if (system == nullptr) return false;
  sigsys.folder = system->folder;
  return true;
}

void FillSignalSystemsList(ChoiceList* list) {
  for (const SignalSystemEntry& s : ListSignalSystems(".")) {
    list->items.push_back(s.name);
    if (s.name == sigsys.name) list->selected = static_cast<int>(list->items.size()) - 1;
  }
}

std::string GetSignalSystemInfo(int size) {
  std::vector<SignalSystemEntry> systems = ListSignalSystems(".");
  const SignalSystemEntry* system = FindSystem(systems, sigsys.name);
  std::string bytes;
  if (system == nullptr ||
      !platform::Files().ReadFile(SignalSystemFilePath(".", system->folder), &bytes))
    return std::string();
  std::string text = WithoutCrBeforeLf(bytes);
  // The text stops at a NUL as a line read would.
  text.resize(std::string_view(text.c_str()).size());
  size_t pos = text.find('\n');  // the first line is the name
  pos = pos == std::string::npos ? text.size() : pos + 1;
  std::string out;
  const long room = static_cast<long>(size) - 1;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    end = end == std::string::npos ? text.size() : end + 1;
    if (end - pos > kDescriptionPiece) end = pos + kDescriptionPiece;
    std::string_view piece(text.data() + pos, end - pos);
    if (piece.substr(0, sizeof kDescriptionEnd - 1) == kDescriptionEnd) break;
    long left = room - static_cast<long>(out.size());
    if (left > 0) out.append(piece.substr(0, static_cast<size_t>(left)));
    pos = end;
  }
  return CleanText(out, size, true);
}
