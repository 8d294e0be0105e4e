// Reading a signal system's definition file: the keywords and the three
// sections the route writer uses.

#include "core/keyword_matcher.h"
#include "core/rteprocs.h"
#include "sigsys/sigsys.h"
#include "sigsys/sigsys_list.h"

const char sscmd[kSignalKeywordCount][kSignalKeywordSize] = {
    "end#",
    "speeds#",
    "signaldef#",
    "relaydef#",
};

int GetNextCommand(BufferedFile* file, int only, bool keepPosition) {
  int start = file->getpos();
  KeywordMatcher matcher(&sscmd[0][0], kSignalKeywordCount, kSignalKeywordSize, only, false);
  // Reading stops as soon as no keyword can match any more, so a "#" that
  // starts none costs a few characters, not the rest of the file.
  while (matcher.AnyAlive()) {
    int c = file->getchar();
    if (c == -1) break;
    int found = matcher.Offer(c);
    if (found >= 0) return found;
  }
  if (!keepPosition) file->setpos(start, 0);
  return -1;
}

void ReadSignalSystemSections(BufferedFile* file, SignalSystem* system) {
  std::string* sections[kSignalKeywordCount] = {nullptr, &system->speeds, &system->signaldef,
                                                &system->relaydef};
  std::string* current = nullptr;  // the open section, null outside sections
  for (;;) {
    int c = file->getchar();
    if (c == -1) break;
    if (c == '#') {
      int keyword = GetNextCommand(file, -1, false);
      if (keyword >= 0) {
        // A section (re)opened starts empty, whether or not the one before
        // it was closed; "#end#" closes it.
        current = sections[keyword];
        if (current != nullptr) current->clear();
        continue;
      }
    }
    if (current != nullptr && current->size() < static_cast<size_t>(kSignalSectionMax))
      current->push_back(static_cast<char>(c));
  }
}

bool LoadSignalSystem(bool exchangeBitmaps) {
  sigsys.loaded = false;
  if (!sigsys.custom) return true;
  sigsys.signaldef.clear();
  sigsys.relaydef.clear();
  sigsys.speeds.clear();
  // A name no installed system has must not load the folder of an earlier
  // choice under it.
  bool found = GetSigsysFolder();
  std::string path = found ? SignalSystemFilePath(".", sigsys.folder) : std::string();
  BufferedFile file(path.c_str(), false);
  if (!found || !file.working()) {
    log("could not load the signal system; the route keeps its own signals");
    ErrorMessage("Could not load signal system:", sigsys.name.c_str());
    return false;
  }
  ReadSignalSystemSections(&file, &sigsys);
  sigsys.loaded = true;
  if (exchangeBitmaps) SwapSignalFiles();
  return true;
}
