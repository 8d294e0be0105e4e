#ifndef LINEWRIGHT_SIGSYS_SIGSYS_H
#define LINEWRIGHT_SIGSYS_SIGSYS_H

#include <string>
#include <vector>

#include "core/BufFile.h"

// The chosen signal system. "Kavo Default" (any letter case) means the
// simulator's own signals. Every installed system is a folder in the
// working folder holding a definition file "sigsys.txt" and the system's
// signal and relay bitmaps.
struct SignalSystem {
  std::string name;      // display name, at most kSignalSystemNameMax characters
  std::string folder;    // folder of the chosen system (GetSigsysFolder)
  std::string signaldef;     // signal template, at most kSignalSectionMax characters
  std::string relaydef;      // relay template, likewise
  std::string speeds;        // route text appended to a route written with the system
  unsigned char custom = 0;  // 1 when `name` is not the default system
  bool loaded = false;       // the three sections above were read for this run
};

constexpr int kSignalSystemNameMax = 15;
// Characters kept of each section of a definition file; the rest is cut.
constexpr int kSignalSectionMax = 2047;
extern const char kDefaultSignalSystem[];

extern SignalSystem sigsys;

// The keywords of a definition file, each written after a "#": "end#",
// "speeds#", "signaldef#", "relaydef#" (matched without regard to case).
constexpr int kSignalKeywordCount = 4;
constexpr int kSignalKeywordSize = 32;
enum SignalKeyword {
  kKeywordEnd = 0,
  kKeywordSpeeds = 1,
  kKeywordSignalDef = 2,
  kKeywordRelayDef = 3
};
extern const char sscmd[kSignalKeywordCount][kSignalKeywordSize];

// True when `name` means the simulator's own signals.
bool IsDefaultSignalSystem(const std::string& name);

// Recognises a keyword of `sscmd` right after a "#" (the file positioned
// after it); `only` in 0..3 looks for that keyword alone. Returns its index,
// the position just after it; or -1, the position back after the "#" (with
// `keepPosition`: where the reading stopped, at most one character past the
// last one that could still have started a keyword).
int GetNextCommand(BufferedFile* file, int only, bool keepPosition);

// Reads the sections of a definition file from the file's position to its
// end into the sections of `system`. A keyword that opens a section starts
// it afresh; text outside sections (the name and the description) is not
// kept, nor is a "#" that starts a keyword.
void ReadSignalSystemSections(BufferedFile* file, SignalSystem* system);

// Sets `sigsys.folder` to the folder of the installed system named exactly
// `sigsys.name` (the last of that name in folder order). False, `folder`
// unchanged, when no installed system has that name.
bool GetSigsysFolder();

// A drop-down list without a toolkit: the texts in the order they were
// added and the one selected (-1: none). The window shows it as it is.
struct ChoiceList {
  std::vector<std::string> items;
  int selected = -1;
};

// Adds the name of every installed system to `list`, selecting the one
// named `sigsys.name`. The caller adds the default system itself.
void FillSignalSystemsList(ChoiceList* list);

// Loads the chosen system's sections for the writer; with
// `exchangeBitmaps` (a launching run) it then exchanges the system's
// bitmaps with the simulator's (SwapSignalFiles). Does nothing and returns
// true when the default signals are chosen. On failure it reports "Could
// not load signal system:" and returns false; the run then writes the
// route's own signals.
bool LoadSignalSystem(bool exchangeBitmaps = true);

// Exchanges the chosen system's signal and relay bitmaps with the
// simulator's files of the same names and records the exchange in
// "sigswap.linewright", after putting back any earlier exchange. False
// after a reported failure: an exchange that failed is undone whole; a
// record that cannot be written leaves the files exchanged, as the message
// tells the user.
bool SwapSignalFiles();

// The record of an exchange, in the working folder.
extern const char kSwapRecord[];

// Puts back the simulator's own signal files when a swap record left by
// an earlier run says they were exchanged, and removes the record. Called
// at the start of every run (the window also at start-up). Harmless when
// there is no record. After a reported failure the files and the record
// stay as they were, for the next try.
void RestoreDefaultSignals();

// The description of the system named `sigsys.name`, cleaned for a text
// field, at most `size` - 1 characters. Empty when there is none.
std::string GetSignalSystemInfo(int size);

// True while a custom signal system's definitions are loaded for this run:
// the writer then writes signals and relays through its templates.
bool CustomSignalsActive();

#endif
