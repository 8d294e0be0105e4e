#ifndef LINEWRIGHT_UI_LOADSAVE_H
#define LINEWRIGHT_UI_LOADSAVE_H

#include <string>
#include <string_view>

// Values of the radio-button settings. They are the ids of the start
// options' buttons and are stored as such in the configuration file.
enum SignalMode { kSignalsNone = 650, kSignalsMild = 651, kSignalsMedium = 652, kSignalsStrong = 656 };
enum AdhesionMode { kAdhesionNone = 653, kAdhesionRandom = 654, kAdhesionGood = 655, kAdhesionBad = 657 };
enum StaticTrainMode { kStaticKeep = 700, kStaticRemove = 701, kStaticMove = 702 };
enum TimetableMode {
  kTimetableDefault = 710,
  kTimetableCustom = 711,
  kTimetableRandom = 712,
  kTimetableRealTime = 713
};
enum RouteType { kRouteNone = 0, kRouteSectioned = 1, kRouteCsv = 2, kRouteScript = 3 };

// Folders, the chosen route and train, and every start option. One
// instance, `global`, read by every stage.
struct Settings {
  std::string simfolder;     // simulator installation, no trailing separator
  std::string routefolder;   // root of the route list; the run writes here
  std::string trainfolder;   // one subfolder per train
  std::string simexe;        // executable's file name inside simfolder
  std::string browsefolder;  // folder of the chosen route file
  std::string routefile;     // chosen route file inside browsefolder
  std::string trainname;     // chosen train (a subfolder of trainfolder)
  signed char routetype = kRouteNone;
  std::string outroutepath;  // routefolder + "linewrighttemp.csv"
  // The program that runs a Windows simulator on other systems, given the
  // executable and its arguments; empty starts it directly. Not saved.
  std::string simrunner = "wine";
  int developermode = 0;
  int randomtrackquality = 0;
  int randomdwell = 0;
  int randomtraffic = 0;
  int randomstart = 0;
  int tilting = 0;
  int signalmode = kSignalsNone;
  int adhesionmode = kAdhesionNone;
  int statictrainmode = kStaticKeep;
  int timetablemode = kTimetableDefault;
  int showerrors = 0;
  int alternativechance = 20;
  int signaldistances = 0;
  int starttime = 59400;
  int loosetimetable = 0;
};

extern Settings global;

// The configuration file in the working folder.
extern const char kConfigFileName[];
// The route file a run writes, inside the route folder.
extern const char kOutRouteName[];

void ResetGlobals();
// The folders a first run starts from: the simulator's usual place.
void SetDefaultFolders(Settings* settings);
// Reads the configuration file (or sets the default folders when there is
// none), then derives browsefolder and outroutepath from routefolder.
// False when there was no configuration file; a file that is there but
// cannot be read is reported and counts as none.
bool LoadConfig();
// The settings of a configuration file's text, over what `global` holds.
void ReadConfigText(std::string_view text);
// Writes the configuration file. On failure reports it (the file and the
// reason) and returns false. A file that exists but cannot be read is
// never overwritten, nor is a value with a line break or another control
// character written.
bool SaveConfig();
// Sets one of the folder settings (simfolder, routefolder, trainfolder)
// from the text the user or the configuration file gave: the field holds
// the local folder it names (a drive-letter folder is found in the Wine
// prefix off Windows), and the configuration file keeps `written` for as
// long as the field still holds that folder.
void SetFolderSetting(std::string* field, std::string written);
// A field of `global` as the configuration file stores it: the text it
// was set from while it still holds that folder, else the field itself.
const std::string& FolderAsSaved(const std::string& field);
// True when `text` holds a byte below 0x20 or 0x7F.
bool HasControlCharacter(std::string_view text);
// Removes one trailing "\" or "/" from a folder setting, unless the
// folder is a root such as "c:\" or "/".
void DropTrailingSeparator(std::string* folder);
// outroutepath for a route folder.
std::string OutRoutePath(const std::string& routefolder);
// Route type from the last letter of a route file's name: w sectioned,
// v comma-separated, r script, otherwise none.
signed char RouteTypeOf(const std::string& filename);

#endif
