#ifndef LINEWRIGHT_RTE2INT_COMMANDS_H
#define LINEWRIGHT_RTE2INT_COMMANDS_H

// The route command tables. One index names one command in every syntax:
// csvcom holds the comma-separated patterns, rwcom the sectioned ones and
// cleancom the spelling the route writer emits. An empty entry means that
// the command has no spelling in that syntax.

constexpr int kCommandCount = 103;
constexpr int kCommandFieldSize = 40;
constexpr int kFreeObjKeywordCount = 12;

// Command indices that other stages name.
enum CommandIndex {
  kCmdNone = -3,         // nothing recognised
  kCmdCleanup = -2,      // clean-up lines of the intermediate file
  kCmdDistance = 0,
  kCmdWithRoute = 1,
  kCmdWithTrack = 6,
  kCmdRoutePrefix = 7,
  kCmdTrackPrefix = 12,
  kCmdSignalLoad = 13,
  kCmdComment = 14,
  kCmdSignalFile = 18,
  kCmdRunInterval = 19,
  kCmdDeveloperId = 20,
  kCmdFolder = 24,
  kCmdPoleIndexed = 31,
  kCmdFreeObjDef = 55,
  kCmdRailStart = 59,
  kCmdRail = 60,
  kCmdRailEnd = 61,
  kCmdRailType = 62,
  kCmdAccuracy = 63,
  kCmdCurve = 64,
  kCmdPitch = 65,
  kCmdTurn = 66,
  kCmdAdhesion = 67,
  kCmdSignal = 69,
  kCmdSig = 70,
  kCmdRelay = 71,
  kCmdSta = 75,
  kCmdStation = 76,
  kCmdForm = 77,
  kCmdPole = 78,
  kCmdPoleEnd = 79,
  kCmdWall = 80,
  kCmdWallEnd = 81,
  kCmdDike = 82,
  kCmdDikeEnd = 83,
  kCmdMarker = 84,
  kCmdHeight = 85,
  kCmdCrack = 87,
  kCmdFreeObj = 88,
  kCmdSound = 91,
  kCmdPretrain = 92,
  kCmdSigTime = 97,
  kCmdScriptChr = 99,
  kCmdScriptRnd = 100,
  kCmdScriptSubSet = 101,
  kCmdScriptSub = 102,
};

extern const char csvcom[kCommandCount][kCommandFieldSize];
extern const char rwcom[kCommandCount][kCommandFieldSize];
extern const char cleancom[kCommandCount][kCommandFieldSize];

// Words in a free object's file name that mark it as a parked train,
// checked in this order.
extern const char* const freeobjkeyword[kFreeObjKeywordCount];

#endif
