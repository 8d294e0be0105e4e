#include "int2rte/emit.h"

#include "core/numtext.h"
#include "int2rte/readhelpers.h"
#include "rte2int/commands.h"

namespace {

// A number as the writer types it, into `buffer` (kNumberTextSize bytes).
std::string_view IntText(int value, char* buffer) {
  return std::string_view(buffer, static_cast<size_t>(FormatInt(value, buffer)));
}
std::string_view FloatText(float value, char* buffer) {
  return std::string_view(buffer, static_cast<size_t>(FormatFloat(value, buffer)));
}

}  // namespace

void WriteDistance(BufferedFile* out, int position) {
  char p[kNumberTextSize];
  WriteCommandTexts(out, kCmdDistance, {IntText(position, p)});
}

void WriteRail(BufferedFile* out, int command, int rail, float x, float y, int type) {
  char r[kNumberTextSize], a[kNumberTextSize], b[kNumberTextSize], t[kNumberTextSize];
  WriteCommandTexts(
      out, command,
      {IntText(rail, r), FloatText(Positive0(x), a), FloatText(Positive0(y), b), IntText(type, t)});
}

void WriteRailEnd(BufferedFile* out, int rail, float x, float y) {
  char r[kNumberTextSize], a[kNumberTextSize], b[kNumberTextSize];
  WriteCommandTexts(out, kCmdRailEnd,
                    {IntText(rail, r), FloatText(Positive0(x), a), FloatText(Positive0(y), b)});
}

void WriteRailType(BufferedFile* out, int rail, int type) {
  char r[kNumberTextSize], t[kNumberTextSize];
  WriteCommandTexts(out, kCmdRailType, {IntText(rail, r), IntText(type, t)});
}

void WriteTurn(BufferedFile* out, float ratio) {
  char t[kNumberTextSize];
  WriteCommandTexts(out, kCmdTurn, {FloatText(ratio, t)});
}

void WriteCurve(BufferedFile* out, int radius, int cant) {
  char r[kNumberTextSize], c[kNumberTextSize];
  WriteCommandTexts(out, kCmdCurve, {IntText(radius, r), IntText(cant, c)});
}

void WriteMarker(BufferedFile* out, const std::string& file, Stack* rest) {
  Stack fields;
  fields.PushE(file);
  if (rest != nullptr) MoveEntries(rest, &fields);
  WriteCommand(out, kCmdMarker, &fields);
}
