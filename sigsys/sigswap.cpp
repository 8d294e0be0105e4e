// Exchanging a signal system's bitmaps with the simulator's own for the
// time of a run, and putting them back.
//
// Every step is checked: a file is only ever moved, never deleted, so that
// each bitmap exists at all times under its own name, its partner's name or
// "tempswap.bmp"; when a step fails, what was done is undone. The record
// "sigswap.linewright" exists exactly while the files are exchanged.

#include <algorithm>
#include <string>
#include <vector>

#include "core/rteprocs.h"
#include "platform/filesystem.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

const char kSwapRecord[] = "sigswap.linewright";

namespace {

const char kSwapTemp[] = "tempswap.bmp";

const char kEngageFailed[] = "Could not engage custom signal bitmaps of system:";
const char kRecordNotWritten[] =
    "Could not write data for restoring signal system!\nYou'll have to swap the files back to "
    "normal manually.";
const char kRecordNotRead[] =
    "Could not read signal swap data.\r\nDefault signals must be restored manually.";
const char kSystemRemoved[] =
    "Could not restore default signals.\r\nSwapped signal system seems to have been removed:";
const char kRestoreFailed[] =
    "Could not put the simulator's own signal bitmaps back; they stay exchanged until the next "
    "start. Close the simulator and start again, or swap the files back by hand (see log.txt). "
    "Signal system folder:";

platform::FileSystem& Fs() { return platform::Files(); }

// Moves `from` to `to`: a rename, or where that fails (another file
// system), a copy that is read back and compared before the original goes.
// On failure `from` is untouched and no `to` was made.
bool MoveFile(const std::string& from, const std::string& to) {
  if (Fs().Rename(from, to)) return true;
  if (!Fs().Copy(from, to)) return false;
  std::string original, copy;
  if (Fs().ReadFile(from, &original) && Fs().ReadFile(to, &copy) && original == copy &&
      Fs().Remove(from))
    return true;
  Fs().Remove(to);
  return false;
}

void LogStranded(const std::string& file, const std::string& belongsAt) {
  log(("signal swap: " + file + " could not be moved back to " + belongsAt).c_str());
}

// One bitmap pair: the simulator's file and the system's file of the same
// name. Exchanging twice restores both.
struct SwapPair {
  std::string simulator;  // in simfolder
  std::string system;     // in the system's folder
};

// The simulator's file to the system's name and the system's file to the
// simulator's name, by way of "tempswap.bmp". False, both files where they
// were, when a step fails.
bool Exchange(const SwapPair& pair) {
  const std::string& a = pair.simulator;
  const std::string& b = pair.system;
  if (Fs().Exists(kSwapTemp) && !Fs().Remove(kSwapTemp)) return false;
  if (!MoveFile(b, kSwapTemp)) return false;
  if (!MoveFile(a, b)) {
    if (!MoveFile(kSwapTemp, b)) LogStranded(kSwapTemp, b);
    return false;
  }
  if (!MoveFile(kSwapTemp, a)) {
    if (!MoveFile(b, a)) LogStranded(b, a);
    if (!MoveFile(kSwapTemp, b)) LogStranded(kSwapTemp, b);
    return false;
  }
  return true;
}

// Exchanges every pair; when one fails, the pairs already exchanged are
// exchanged back, so that either all or none are exchanged.
bool ExchangeAll(const std::vector<SwapPair>& pairs) {
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (Exchange(pairs[i])) continue;
    log(("signal swap: could not exchange " + pairs[i].system + " and " + pairs[i].simulator)
            .c_str());
    while (i-- > 0)
      if (!Exchange(pairs[i])) LogStranded(pairs[i].system, pairs[i].simulator);
    return false;
  }
  return true;
}

bool StartsWithIgnoringCase(const std::string& text, const char* prefix) {
  std::string_view p(prefix);
  return text.size() >= p.size() &&
         EqualsIgnoringCase(std::string_view(text).substr(0, p.size()), p);
}

// The signal and relay bitmaps of the system in `folder` (relative to the
// working folder) that have a namesake in the simulator's folder, found
// there without regard to letter case. False when either folder cannot be
// listed.
bool FindPairs(const std::string& folder, std::vector<SwapPair>* pairs) {
  pairs->clear();
  std::vector<platform::DirEntry> own, simulator;
  std::string systemFolder = platform::JoinPath(".", folder);
  if (!Fs().ListDirectory(systemFolder, &own) || !Fs().ListDirectory(global.simfolder, &simulator))
    return false;
  auto byName = [](const platform::DirEntry& x, const platform::DirEntry& y) {
    return x.name < y.name;
  };
  std::sort(own.begin(), own.end(), byName);
  std::sort(simulator.begin(), simulator.end(), byName);
  for (const platform::DirEntry& e : own) {
    if (e.is_directory) continue;
    if (!StartsWithIgnoringCase(e.name, "signal") && !StartsWithIgnoringCase(e.name, "relay"))
      continue;
    const platform::DirEntry* namesake = nullptr;
    for (const platform::DirEntry& s : simulator) {
      if (s.is_directory || !EqualsIgnoringCase(s.name, e.name)) continue;
      if (namesake == nullptr || s.name == e.name) namesake = &s;
    }
    if (namesake == nullptr) continue;
    pairs->push_back({platform::JoinPath(global.simfolder, namesake->name),
                      platform::JoinPath(systemFolder, e.name)});
  }
  return true;
}

// A recorded folder must name a folder right in the working folder.
bool IsPlainFolderName(const std::string& folder) {
  return !folder.empty() && folder != "." && folder.find("..") == std::string::npos &&
         folder.find('/') == std::string::npos && folder.find('\\') == std::string::npos;
}

}  // namespace

void RestoreDefaultSignals() {
  if (!Fs().Exists(kSwapRecord)) return;
  std::string folder;
  if (!Fs().ReadFile(kSwapRecord, &folder)) {
    ErrorMessage(kRecordNotRead, nullptr);
    return;
  }
  if (folder.size() > static_cast<size_t>(kSignalSystemNameMax))
    folder.resize(kSignalSystemNameMax);
  while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r')) folder.pop_back();
  std::vector<SwapPair> pairs;
  if (!IsPlainFolderName(folder) || !FindPairs(folder, &pairs)) {
    ErrorMessage(kSystemRemoved, folder.c_str());
    return;
  }
  if (!ExchangeAll(pairs)) {
    ErrorMessage(kRestoreFailed, folder.c_str());
    return;
  }
  if (!Fs().Remove(kSwapRecord)) {
    // A record left behind would exchange the files again at the next
    // start: keep files and record in step instead.
    log("signal swap: could not remove sigswap.linewright");
    if (!ExchangeAll(pairs)) log("signal swap: could not exchange the files again");
    ErrorMessage(kRestoreFailed, folder.c_str());
    return;
  }
  log("default signals restored");
}

bool SwapSignalFiles() {
  RestoreDefaultSignals();
  std::vector<SwapPair> pairs;
  // An exchange that could not be put back keeps its record; exchanging
  // again on top of it would lose track of the simulator's own files.
  if (Fs().Exists(kSwapRecord) || !FindPairs(sigsys.folder, &pairs) || !ExchangeAll(pairs)) {
    ErrorMessage(kEngageFailed, sigsys.name.c_str());
    return false;
  }
  if (!Fs().WriteFile(kSwapRecord, sigsys.folder)) {
    ErrorMessage(kRecordNotWritten, sigsys.folder.c_str());
    return false;
  }
  log("custom signal bitmaps engaged");
  return true;
}
