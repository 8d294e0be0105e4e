#include "int2rte/emit.h"

#include "int2rte/readhelpers.h"
#include "rte2int/commands.h"

void WriteDistance(BufferedFile* out, int position) {
  Stack fields;
  fields.PushE(position);
  WriteCommand(out, kCmdDistance, &fields);
}

void WriteRail(BufferedFile* out, int command, int rail, float x, float y, int type) {
  Stack fields;
  fields.PushE(rail);
  fields.PushE(Positive0(x));
  fields.PushE(Positive0(y));
  fields.PushE(type);
  WriteCommand(out, command, &fields);
}

void WriteRailEnd(BufferedFile* out, int rail, float x, float y) {
  Stack fields;
  fields.PushE(rail);
  fields.PushE(Positive0(x));
  fields.PushE(Positive0(y));
  WriteCommand(out, kCmdRailEnd, &fields);
}

void WriteRailType(BufferedFile* out, int rail, int type) {
  Stack fields;
  fields.PushE(rail);
  fields.PushE(type);
  WriteCommand(out, kCmdRailType, &fields);
}

void WriteTurn(BufferedFile* out, float ratio) {
  Stack fields;
  fields.PushE(ratio);
  WriteCommand(out, kCmdTurn, &fields);
}

void WriteCurve(BufferedFile* out, int radius, int cant) {
  Stack fields;
  fields.PushE(radius);
  fields.PushE(cant);
  WriteCommand(out, kCmdCurve, &fields);
}

void WriteMarker(BufferedFile* out, const std::string& file, Stack* rest) {
  Stack fields;
  fields.PushE(file);
  if (rest != nullptr) MoveEntries(rest, &fields);
  WriteCommand(out, kCmdMarker, &fields);
}
