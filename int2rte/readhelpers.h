#ifndef LINEWRIGHT_INT2RTE_READHELPERS_H
#define LINEWRIGHT_INT2RTE_READHELPERS_H

#include <initializer_list>
#include <string_view>

#include "core/BufFile.h"
#include "core/Stack.h"

// Small readers over an intermediate file (one command per line: the byte
// index + 32, then length-prefixed fields, then CR LF) shared by the route
// writer and the chart. The look-ahead functions work on the "block" after
// the read position: the lines up to the next distance line or the end of
// the file. Each one saves the read position and restores it before it
// returns, so the caller's walk goes on where it was.

// The unit of track: the writer's boundaries, rail refreshes and geometry
// and the chart's rows fall on positions that are multiples of it.
constexpr int kBlockLength = 25;
inline bool IsBlockStart(long long position) { return position % kBlockLength == 0; }

// Number of rail indices the writer keeps track of.
constexpr int kTrackCount = 16;

// What the writer knows about one rail of the route.
struct Track {
  float x = 0;     // lateral offset from rail 0, metres (positive right)
  float y = 0;     // vertical offset from rail 0, metres
  int type = 0;    // rail type (structure index of its appearance)
  bool active = false;  // running: set by a rail start or rail, cleared by a rail end
  bool seen = false;    // a rail command for it was written in this 25 m block
  int wallStructure = -1;  // -1: no wall
  int wallDirection = 0;
  int dikeStructure = -1;  // -1: no dike
  int dikeDirection = 0;
  int poleStructure = -1;  // -1: no poles
  int poleLocation = 0;
  int poleAdditionalRails = 0;
  int poleInterval = 50;
};

// Reads the line at the read position (up to and including its line feed,
// or to the end of the content) and moves past it. Unlike getline() it
// has no length limit and reads over 0xFF bytes. False at the end.
bool ReadIntermediateLine(BufferedFile* file, std::string_view* line);

// Reports that the intermediate file cannot be read, with the reason the
// file system gave; returns false.
bool ReportIntermediateNotRead();

// Splits one intermediate line into its fields and appends them as strings
// below whatever `fields` holds, so on an empty stack the first field ends
// up on top. Reading starts at the second byte and stops at a NUL, CR or
// LF or the end of `line`; a length prefix that claims more than is left
// takes only what is left. Empty fields are pushed too.
void GetParameters(std::string_view line, Stack* fields);
inline void GetParameters(const char* line, Stack* fields) {
  GetParameters(std::string_view(line ? line : ""), fields);
}

// Moves every entry of `from` below those of `to`, top first, each in its
// own kind; `from` ends up empty.
void MoveEntries(Stack* from, Stack* to);

// Looks ahead in the block for rail start, rail, rail end and rail type
// lines of `rail` and takes their offsets and type into `track` (x, y and
// type only). Without `wholeBlock` it stops at the first rail start, rail
// or rail end of that rail; with it the last values of the block win.
// With `consume` each line it takes is removed. Returns the index of the
// last line taken, or -1.
int GetTrk(BufferedFile* file, Track& track, int rail, bool wholeBlock, bool consume);

// The lateral slope between the rail the player's train leaves (fromRail,
// at fromX) and the one it takes (toRail, at toX) over the 25 m after
// `position`, from the rail lines of this block and the next. It reads no
// further than the first distance line at or beyond `position` + 50, or at
// or before `position`.
void GetTurn(BufferedFile* file, int position, float& slope, int fromRail, float fromX,
             int toRail, float toX);

// Looks ahead in the block for lines of `command` (with `rail` other than
// -1: only those whose first field is that rail) and puts the fields of the
// chosen one into `out`, first field on top; `out` is emptied first. The
// chosen line is the first one, or with `wholeBlock` (and no `remove`) the
// last. With `remove` every line of `command` in the block is removed,
// qualifying or not. Returns whether a line was found.
bool GetCmd(BufferedFile* file, Stack* out, int command, bool wholeBlock, bool remove, int rail);

// Writes one command in the output route syntax from its clean spelling:
// commands below 59 start on a new line; each "+" but the last takes the
// next field, the last "+" all remaining fields joined by ";". Index -2
// writes only the line break; indices outside -2..102 write nothing.
// Fields are consumed from `fields` (which may be null: no fields).
void WriteCommand(BufferedFile* out, int command, Stack* fields);
// The same with the fields given as texts, first field first.
void WriteCommandTexts(BufferedFile* out, int command,
                       std::initializer_list<std::string_view> fields);

#endif
