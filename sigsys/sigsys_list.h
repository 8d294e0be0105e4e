#ifndef LINEWRIGHT_SIGSYS_SIGSYS_LIST_H
#define LINEWRIGHT_SIGSYS_SIGSYS_LIST_H

#include <string>
#include <vector>

// One installed signal system: a folder beside the program that holds a
// definition file "sigsys.txt".
struct SignalSystemEntry {
  std::string name;    // the definition's first line, trimmed (at most 15 characters)
  std::string folder;  // the folder's name, relative to the folder scanned
};

// The definition file's name inside a system's folder.
extern const char kSignalSystemFile[];

// Every subfolder of `root` whose name is shorter than 16 characters and
// that holds a readable "sigsys.txt", sorted by folder name so that the
// order, and with it "the last one of a name", is the same on every
// platform. The window's drop-down list and the command line both take
// their lists from here; the default system is not in it.
std::vector<SignalSystemEntry> ListSignalSystems(const std::string& root = ".");

// Path of "sigsys.txt" in the system folder `folder` below `root`, found
// without regard to letter case where names are case-sensitive.
std::string SignalSystemFilePath(const std::string& root, const std::string& folder);

#endif
