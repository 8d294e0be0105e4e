#include "int2rte/int2tech.h"

#include <string>

#include "core/BufFile.h"
#include "core/Stack.h"
#include "core/mheader.h"
#include "core/numtext.h"
#include "core/rteprocs.h"
#include "platform/filesystem.h"
#include "int2rte/readhelpers.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"
#include "rte2int/rte2int.h"

const char kChartFileName[] = "chart.html";

namespace {

const char kChartHead[] =
    "<html><head><style type=text/css>\r\n"
    "table {font-family:arial;font-size:8pt;}\r\n"
    "td.path {background-color:#FFFFDD;}\r\n"
    "</style></head><body><center>"
    "<table cellspacing=2 cellpadding=2 border=2>";
const char kChartTail[] = "</table></center></body></html>";

// One track as the chart shows it.
struct ChartTrack {
  float x = 0;
  float y = 0;
  int type = 0;
  bool shown = false;
  bool path = false;     // part of the path the clean-up found
  bool pathMark = false; // joined the path in this row
  int wallStructure = -1;
  int wallSide = 0;
  int dikeStructure = -1;
  int dikeSide = 0;
};

struct Chart {
  ChartTrack tracks[kTrackCount];
  int position = 0;
  bool rowHasContent = false;
  std::string station;  // pending station name, at most kPieceSize characters
};

// Station names go into the page as text: markup characters are escaped.
std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c; break;
    }
  }
  return escaped;
}

// Writes `before`, the number and `after`.
void Put(BufferedFile* out, const char* before, int value, const char* after) {
  char number[kNumberTextSize];
  out->putstring(before);
  out->putstring(std::string_view(number, static_cast<size_t>(FormatInt(value, number))));
  out->putstring(after);
}

void WriteRow(Chart& chart, BufferedFile* out) {
  Put(out, "<tr><th>", chart.position, "");
  if (!chart.station.empty()) {
    out->putstring("<br>");
    out->putstring(EscapeHtml(chart.station));
    chart.station.clear();
  }
  out->putstring("</th>");
  for (int i = 0; i < kTrackCount; ++i) {
    const ChartTrack& t = chart.tracks[i];
    if (!t.shown) {
      out->putstring("<td></td><td></td><td></td>");
      continue;
    }
    out->putstring("<td>");
    if (t.wallStructure != -1 && t.wallSide != 1) Put(out, "> W ", t.wallStructure, "<br>");
    if (t.dikeStructure != -1 && t.dikeSide != 1) Put(out, "> D ", t.dikeStructure, "<br>");
    out->putstring("</td>");
    // "<td%s>Tr #%d, ty:%d, x:%1.1f, y:%1.1f</td>"
    char number[kNumberTextSize];
    out->putstring(t.path ? "<td class=\"path\">Tr #" : "<td>Tr #");
    Put(out, "", i, ", ty:");
    Put(out, "", t.type, ", x:");
    out->putstring(std::string_view(number, static_cast<size_t>(FormatFloat(t.x, number, 1))));
    out->putstring(", y:");
    out->putstring(std::string_view(number, static_cast<size_t>(FormatFloat(t.y, number, 1))));
    out->putstring("</td>");
    out->putstring("<td>");
    if (t.dikeStructure != -1 && t.dikeSide != -1) Put(out, "< D ", t.dikeStructure, "<br>");
    if (t.wallStructure != -1 && t.wallSide != -1) Put(out, "< W ", t.wallStructure, "<br>");
    out->putstring("</td>");
  }
  out->putstring("</tr>");
}

// The track named by the first field, or null when it is not 0..15.
ChartTrack* TrackOf(Chart& chart, Stack* fields) {
  if (fields->IsEmpty()) return nullptr;
  int i = fields->PopInt(-1, true);
  return (i >= 0 && i < kTrackCount) ? &chart.tracks[i] : nullptr;
}

void TakeLine(Chart& chart, int index, Stack* fields, BufferedFile* out) {
  switch (index) {
    case kCmdDistance:
      if (chart.rowHasContent && IsBlockStart(chart.position)) WriteRow(chart, out);
      for (ChartTrack& t : chart.tracks) t.pathMark = false;
      chart.position = fields->PopInt(0, true);
      chart.rowHasContent = false;
      break;
    case kCmdRailStart:
    case kCmdRail:
    case kCmdRailEnd:
      if (ChartTrack* t = TrackOf(chart, fields)) {
        if (!fields->IsEmpty()) t->x = fields->PopFloat(t->x, true);
        if (!fields->IsEmpty()) t->y = fields->PopFloat(t->y, true);
        if (!fields->IsEmpty()) t->type = fields->PopInt(t->type, true);
        if (index == kCmdRailEnd) {
          t->shown = false;
          t->path = false;
          t->pathMark = false;
        } else {
          t->shown = true;
        }
      }
      chart.rowHasContent = true;
      break;
    case kCmdRailType:
      if (ChartTrack* t = TrackOf(chart, fields)) {
        if (!fields->IsEmpty()) t->type = fields->PopInt(t->type, true);
      }
      chart.rowHasContent = true;
      break;
    case kCmdSta:
    case kCmdStation:
      chart.station = fields->PopString(true);
      if (chart.station.size() > static_cast<size_t>(kPieceSize)) chart.station.resize(kPieceSize);
      chart.rowHasContent = true;
      break;
    case kCmdPole:
    case kCmdPoleEnd:
    case kCmdWall:
    case kCmdWallEnd:
    case kCmdDike:
    case kCmdDikeEnd:
      // Poles are not shown; their lines only mark the row as used.
      if (ChartTrack* t = TrackOf(chart, fields)) {
        if (index == kCmdWall) {
          t->wallSide = fields->PopInt(0, true);
          t->wallStructure = fields->PopInt(0, true);
        } else if (index == kCmdWallEnd) {
          t->wallStructure = -1;
        } else if (index == kCmdDike) {
          t->dikeSide = fields->PopInt(0, true);
          t->dikeStructure = fields->PopInt(0, true);
        } else if (index == kCmdDikeEnd) {
          t->dikeStructure = -1;
        }
      }
      chart.rowHasContent = true;
      break;
    case kCmdCleanup:
      if (fields->PopInt(-1, true) == 1) {
        int start = fields->PopInt(-1, true);
        int joined = fields->PopInt(-1, true);
        if (start >= 0 && start < kTrackCount && !chart.tracks[start].pathMark)
          chart.tracks[start].path = false;
        if (joined >= 0 && joined < kTrackCount) {
          chart.tracks[joined].pathMark = true;
          chart.tracks[joined].path = true;
        }
      }
      chart.rowHasContent = true;
      break;
    default:
      break;
  }
}

}  // namespace

int Intermediate2Tech(platform::ProgressSink* progress) {
  BufferedFile in(kIntermediateFileName, false);
  if (!in.working()) {
    ReportIntermediateNotRead();
    return 0;
  }
  // A row of sixteen tracks' cells for every few lines: the page comes out
  // several times as long as the intermediate file (it grows from there).
  BufferedFile out(BufferedFile::OutputSizeFor(in.size() * 2LL), true);
  if (!out.working()) return 0;

  Chart chart;
  chart.tracks[0].shown = true;
  chart.tracks[0].path = true;
  out.putstring(kChartHead);

  const int size = in.size();
  std::string_view line;
  Stack fields;
  while (ReadIntermediateLine(&in, &line)) {
    int index = IntermediateCommand(line);
    if (index >= kCmdCleanup && index < kCommandCount) {
      fields.MakeEmpty();
      GetParameters(line, &fields);
      TakeLine(chart, index, &fields, &out);
    }
    platform::ReportProgress(progress, in.getpos(), size);
  }

  out.putstring(kChartTail);
  if (!out.flush(kChartFileName)) {
    ErrorMessage("Could not write the technical diagram:",
                 platform::LastFileErrorDetail().c_str());
    return 0;
  }
  return 1;
}
