#include "int2rte/int2rte.h"

#include <climits>
#include <string>

#include "core/rteprocs.h"
#include "int2rte/emit.h"
#include "int2rte/linerules.h"
#include "int2rte/pathswitch.h"
#include "int2rte/randomize.h"
#include "int2rte/readhelpers.h"
#include "int2rte/writerstate.h"
#include "platform/filesystem.h"
#include "platform/messages.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"
#include "rte2int/rte2int.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"
#include "ui/run.h"

namespace {

// At the end of a block that began on a multiple of 25 while the player is
// off the main track: every running side rail not yet placed in the block
// is placed again relative to the player track, and rail 0 and the player
// track exchange their types.
void RefreshRails(WriterState& state) {
  Track& player = state.player();
  for (int rail = 1; rail < kTrackCount; ++rail) {
    const Track& t = state.rails[rail];
    if (rail == state.playerTrack || !t.active || t.seen) continue;
    WriteRail(state.out, kCmdRail, rail, t.x - player.x, t.y - player.y, t.type);
  }
  WriteRailType(state.out, 0, player.type);
  if (!player.seen) WriteRailType(state.out, state.playerTrack, state.rails[0].type);
}

void StartBlock(WriterState& state) {
  for (Track& t : state.rails) t.seen = false;
  state.previousPlayerTrack = state.playerTrack;
  state.switched = false;
}

// One line per message that a signal template or the speeds text raised
// more than once: it was shown the first time only.
void LogRepeatedMessages(const platform::DistinctErrors& messages) {
  for (const platform::DistinctErrors::Repeat& r : messages.Repeats()) {
    std::string text = r.text;
    for (char& c : text)
      if (c == '\r' || c == '\n') c = ' ';
    log(("message repeated " + std::to_string(r.count) + " more times: " + text).c_str());
  }
}

void WriteRouteEnd(WriterState& state) {
  log("exiting loop");
  Stack id;
  id.PushE(kDeveloperCode);
  WriteCommand(state.out, kCmdDeveloperId, &id);
  WriteClosingSignalTime(state);
  FlushHeldMarkers(state, INT_MAX);
  if (CustomSignalsActive()) AppendCustomSignalDefinitions(state);
}

}  // namespace

bool Intermediate2Route(platform::ProgressSink* progress) {
  log("Intermediate2Route started");
  BufferedFile in(kIntermediateFileName, false);
  if (!in.working()) return ReportIntermediateNotRead();
  // The route comes out about half again as long as the intermediate file.
  BufferedFile out(BufferedFile::OutputSizeFor(in.size() + in.size() / 2LL), true);
  if (!out.working()) return false;

  // A faulty signal template would raise its message at every signal.
  platform::DistinctErrors messages;
  WriterState state;
  state.in = &in;
  state.out = &out;
  const int size = in.size();
  log("entering loop");

  std::string_view line;
  Stack fields;
  for (;;) {
    int lineStart = in.getpos();
    if (!ReadIntermediateLine(&in, &line)) break;
    int index = IntermediateCommand(line);
    if (index < kCmdCleanup || index >= kCommandCount) continue;
    fields.MakeEmpty();
    GetParameters(line, &fields);
    bool readAgain = false;
    bool write = HandleLine(state, index, &fields, &readAgain);
    if (readAgain) in.setpos(lineStart, 0);

    bool distance = index == kCmdDistance;
    if (distance && IsBlockStart(state.previousPosition) && state.offMain()) RefreshRails(state);
    if (distance && IsBlockStart(state.currentPosition)) StartBlock(state);
    if (write) WriteCommand(&out, index, &fields);
    if (index != kCmdCleanup && !state.candidates.IsEmpty() && state.pendingPosition == -1)
      ChoosePath(state);
    if (distance && IsBlockStart(state.currentPosition)) WriteBlockGeometry(state);
    if (!state.offMain()) {
      state.slope = 0;
      state.lastSlope = 0;
    }
    platform::ReportProgress(progress, in.getpos(), size);
  }

  WriteRouteEnd(state);
  LogRepeatedMessages(messages);
  if (!out.flush(global.outroutepath.c_str())) {
    log("Intermediate2Route: could not save the route");
    // The old route stays: the new one replaces it only once written whole.
    ErrorMessage("Could not write the route:",
                 platform::LastFileErrorDetail().c_str());
    return false;
  }
  log("exiting Intermediate2Route");
  return true;
}
