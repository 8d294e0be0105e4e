#ifndef LINEWRIGHT_SIGSYS_SIGSYS_H
#define LINEWRIGHT_SIGSYS_SIGSYS_H

#include <string>

// The chosen signal system. "Kavo Default" (any letter case) means the
// simulator's own signals.
struct SignalSystem {
  std::string name;      // display name, at most kSignalSystemNameMax characters
  std::string folder;    // folder of the chosen system
  std::string signaldef; // signal template
  std::string relaydef;  // relay template
  std::string speeds;    // route text inserted with a custom system
  unsigned char custom = 0;
};

constexpr int kSignalSystemNameMax = 15;
extern const char kDefaultSignalSystem[];

extern SignalSystem sigsys;

// True when `name` means the simulator's own signals.
bool IsDefaultSignalSystem(const std::string& name);

// Loads the chosen system's definitions before a launching run. Does
// nothing when the default signals are chosen. False after a reported
// failure.
bool LoadSignalSystem();

// Puts back the simulator's own signal files when a swap record left by
// an earlier run says they were exchanged. Called once at start-up.
void RestoreDefaultSignals();

// The description of the system named `sigsys.name`, cleaned for a text
// field, at most `size` - 1 characters. Empty when there is none.
std::string GetSignalSystemInfo(int size);

// True while a custom signal system is in force for the route writer.
bool CustomSignalsActive();

#endif
