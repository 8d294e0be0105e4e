#ifndef LINEWRIGHT_INT2RTE_EMIT_H
#define LINEWRIGHT_INT2RTE_EMIT_H

#include <string>

#include "core/BufFile.h"
#include "core/Stack.h"

// Commands the route writer makes up itself, written in the output syntax
// through WriteCommand. Numbers take their typed form: integers "%d",
// offsets and ratios "%f".

// A negative zero would print as "-0.000000"; the writer prints it as 0.
inline float Positive0(float v) { return v + 0.0f; }

void WriteDistance(BufferedFile* out, int position);
// Rail start (59), rail (60) or rail end (61) with all four fields.
void WriteRail(BufferedFile* out, int command, int rail, float x, float y, int type);
// Rail end with the rail and its offsets only.
void WriteRailEnd(BufferedFile* out, int rail, float x, float y);
void WriteRailType(BufferedFile* out, int rail, int type);
void WriteTurn(BufferedFile* out, float ratio);
void WriteCurve(BufferedFile* out, int radius, int cant);
// A marker with its picture and the fields in `rest` (consumed; may be null).
void WriteMarker(BufferedFile* out, const std::string& file, Stack* rest);

#endif
