#ifndef LINEWRIGHT_UI_ROUTE_INFO_H
#define LINEWRIGHT_UI_ROUTE_INFO_H

#include <string>
#include <string_view>

#include "core/BufFile.h"

// What the route information dialog shows about the chosen route file.
// The texts are the file's own bytes, with line breaks as CR LF; the
// defaults are what the dialog shows when the file does not say.
struct RouteInfo {
  std::string name = "Útvonal neve nem elérhető";
  std::string train = "Alapértelmezett vonat nem elérhető";
  std::string description = "Description not available";
};

// Reads the route file routefile in browsefolder (found in any letter
// case), of the kind routetype, and fills `info`: the name from the
// timetable command (the file name for sectioned and script routes), the
// default train from the train folder or file command, and the
// description (the comment, the sections before [Train] in lower case, or
// a script route's notes). False, with name "Unable to open file", when
// the file cannot be read.
bool GetRouteInfo(RouteInfo* info);

// Searches `file` from its position for `pattern` (lower case), reading
// the file in lower case. On success the position is just after the
// match; otherwise it is at the end. Matches that overlap a failed
// attempt ("file" in "ffile") are found.
bool StringExists(std::string_view pattern, BufferedFile* file);

#endif
