#ifndef LINEWRIGHT_UI_TURNOUT_SIGNS_H
#define LINEWRIGHT_UI_TURNOUT_SIGNS_H

#include <cstddef>
#include <string>
#include <vector>

// The four pictures the route writer places at switches, as the markers
// "LINEWRIGHT\objs\turnout.gif" to "turnout4.gif". The simulator looks them
// up below its object folder, "railway/object" in its installation folder.
// The program carries them, built in from the sample installation's
// copies, so that it can put them there on any installation.
struct TurnoutSign {
  const char* name;  // "turnout.gif" ...
  const unsigned char* data;
  std::size_t size;
};
constexpr std::size_t kTurnoutSignCount = 4;
extern const TurnoutSign kTurnoutSigns[kTurnoutSignCount];

struct TurnoutSignInstall {
  std::string folder;                  // where the signs are, or were to go
  std::vector<std::string> installed;  // the signs written now, by name
  std::string error;                   // why the installation failed
};

// Copies every turnout sign that is missing into LINEWRIGHT/objs in the
// simulator's object folder ("railway/object" in `simfolder`; every part
// found without regard to letter case), creating LINEWRIGHT/objs when
// needed. A file is never replaced: a sign there in any letter case counts
// as installed. False, with the reason in `result->error`, when there is no
// object folder or a folder or sign could not be written.
bool InstallTurnoutSigns(const std::string& simfolder, TurnoutSignInstall* result);

// "turnout.gif, turnout2.gif": the names of installed signs for a message.
std::string TurnoutSignNames(const std::vector<std::string>& names);

#endif
