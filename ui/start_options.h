#ifndef LINEWRIGHT_UI_START_OPTIONS_H
#define LINEWRIGHT_UI_START_OPTIONS_H

#include <ctime>
#include <set>
#include <string>
#include <vector>

// The start options dialog's fields, as the dialog shows and returns them.
// Controls are named by their ids.
struct StartOptionsForm {
  std::set<int> checked;                    // ids of the checked check boxes and radio buttons
  std::string chance;                       // 645, "Esély %"
  std::string start_time;                   // 633, hh.mm
  std::vector<std::string> signal_systems;  // 642, in list order
  int signal_system = -1;                   // index of the selected one, -1 for none
};

// Control ids of the start options dialog.
enum StartOptionId {
  kIdDeveloperMode = 631,
  kIdLooseTimetable = 632,
  kIdStartTime = 633,
  kIdRandomTrackQuality = 637,
  kIdRandomDwell = 638,
  kIdRandomTraffic = 639,
  kIdRandomStart = 640,
  kIdTilting = 641,
  kIdSignalSystem = 642,
  kIdSignalSystemInfo = 643,
  kIdShowErrors = 644,
  kIdChance = 645,
  kIdSignalDistances = 646,
};

// The form for the options in `global` and `sigsys`: the signal systems
// are "Kavo Default" and those installed in `sigsysRoot`, sorted, with the
// chosen one selected ("Kavo Default" when the chosen one is not there).
StartOptionsForm OpenStartOptions(const std::string& sigsysRoot = ".");

// Stores the form into `global` and `sigsys` as accepting the dialog does
// (whichever of its three action buttons), then saves the configuration.
// `now` is the clock for a real-time timetable. False when the saving
// failed (it has been reported).
bool AcceptStartOptions(const StartOptionsForm& form, std::time_t now);

// The end of the dialog: for an action button's `result` (1, 6, 7) stores
// and saves the form as AcceptStartOptions does and returns the run kind;
// any other result (cancel, the close box, a dialog that failed) stores
// nothing and gives kRunCancel.
int FinishStartOptions(int result, const StartOptionsForm& form, std::time_t now);

// Takes the selected signal system's name into `sigsys` when it is shorter
// than 16 characters; the custom flag is left alone.
void TakeSignalSystemName(const StartOptionsForm& form);

// The Info button: takes the selected name as TakeSignalSystemName does;
// unless it names the default signals, gives the caption (the name) and
// the text of the box that describes the system, and returns true.
bool SignalSystemInfoBox(const StartOptionsForm& form, std::string* caption, std::string* text);

// The start time for a timetable mode: the custom text "hh.mm" (its first
// five characters), the time of `now` rounded down to half a minute plus
// one minute, a random whole minute, or `current` for the default.
int StartTimeFor(int timetablemode, const std::string& customText, std::time_t now, int current);

// "Esély %" as stored: an unsigned whole number clamped to 0..100; any
// other text gives 0.
int ChanceFromText(const std::string& text);

#endif
