#include "rte2int/rte2int.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "core/BufFile.h"
#include "core/Stack.h"
#include "core/mheader.h"
#include "core/rteprocs.h"
#include "platform/filesystem.h"
#include "rte2int/cleanint.h"
#include "rte2int/commands.h"
#include "rte2int/recognizer.h"
#include "rte2int/route_warnings.h"
#include "scrprocs/scrprocs.h"
#include "ui/loadsave.h"

const char kIntermediateFileName[] = "linewright.tmp";

namespace {

const char kRouteNotRead[] = "Could not read the route:";
const char kIntermediateNotWritten[] = "Could not write the intermediate file:";
const char kOutOfMemory[] = "not enough memory";

// Replaces every UTF-8 byte-order mark in the text by a blank: a mark at
// the start of the route, or of an included file, would otherwise glue
// itself to the first command and hide it. Returns the buffer to read,
// which is `route` itself when there is no mark.
BufferedFile* WithoutByteOrderMarks(BufferedFile* route) {
  static const char kMark[] = "\xEF\xBB\xBF";
  std::string_view text = route->view();
  if (text.find(kMark) == std::string_view::npos) return route;
  std::string copy(text);
  for (size_t p = copy.find(kMark); p != std::string::npos; p = copy.find(kMark, p + 3))
    copy.replace(p, 3, "   ");
  BufferedFile* clean = BufferedFile::FromText(copy).release();
  delete route;
  return clean;
}

void SetParams(char* params, const std::string& text) {
  size_t n = text.size();
  if (n > static_cast<size_t>(kRecognizerParamsSize - 1)) n = kRecognizerParamsSize - 1;
  std::memcpy(params, text.data(), n);
  params[n] = '\0';
}

std::string PopPiece(Stack& stack) {
  std::string s = stack.PopString(true);
  if (s.size() > static_cast<size_t>(kPieceSize)) s.resize(kPieceSize);
  return s;
}

// "Pole(first; second) rest": two numbers and the rest; a second that is not
// a number counts as 0 and is not taken from the list.
void RewritePole(char* params) {
  Stack pieces;
  SiftParameters(params, &pieces);
  int first = pieces.PopInt(0, true);
  int second = 0;
  std::string next = pieces.PopString(false);
  if (IsNumber(next.data())) second = pieces.PopInt(0, true);
  std::string rest = PopPiece(pieces);
  SetParams(params, std::to_string(first) + ";" + std::to_string(second) + ";" + rest);
}

// The sectioned Form: a second parameter of 9 / -9 means right / left.
void RewriteForm(char* params) {
  Stack pieces;
  SiftParameters(params, &pieces);
  int first = pieces.PopInt(0, true);
  std::string side = PopPiece(pieces);
  int b = pieces.PopInt(0, true);
  int c = pieces.PopInt(0, true);
  int sideNumber = TextToInt(side.c_str());
  if (sideNumber == 9)
    side = "r";
  else if (sideNumber == -9)
    side = "l";
  SetParams(params, std::to_string(first) + ";" + side + ";" + std::to_string(b) + ";" +
                        std::to_string(c));
}

// The sectioned Height is measured 0.3 lower than the comma syntax's.
void RewriteHeight(char* params) {
  Stack pieces;
  SiftParameters(params, &pieces);
  float value = pieces.PopFloat(0, true);
  char text[400];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value) + 0.3);
  CropFloat(text);
  SetParams(params, text);
}

// The sectioned Station(name; arrival; departure; n; d1; d2) in the field
// order of the comma syntax's Sta.
void RewriteStation(char* params) {
  Stack pieces;
  SiftParameters(params, &pieces);
  std::string name = PopPiece(pieces);
  std::string arrival = PopPiece(pieces);
  std::string departure = PopPiece(pieces);
  int n = pieces.PopInt(0, true);
  std::string d1 = PopPiece(pieces);
  std::string d2 = PopPiece(pieces);
  if (arrival.size() == 1) {
    arrival = "P";
    n = 0;
  }
  if (departure.size() == 1) departure = "T";
  SetParams(params, name + ";" + arrival + ";" + departure + ";0;1;" + std::to_string(n) + ";" +
                        d1 + "; ;10;50;" + d2);
}

void KeepFirstParameter(char* params) {
  Stack pieces;
  SiftParameters(params, &pieces);
  SetParams(params, PopPiece(pieces));
}

// The route text to intermediate lines, in route order.
void ConvertRoute(BufferedFile* in, BufferedFile* out, char* params,
                  platform::ProgressMeter& progress) {
  const int routetype = global.routetype;
  bool inComment = false;
  bool sectionSeen = false;
  char height[] = "0.3";
  for (int c = in->getchar(); c != -1; c = in->getchar()) {
    if (inComment) {
      // A comment runs to the line end, and in comma-separated routes also
      // to the next ","; that character is then read like any other.
      if (c == '\r' || c == '\n' || (c == ',' && routetype == kRouteCsv))
        inComment = false;
      else
        continue;
    }
    if (c == ';') {
      inComment = true;
    } else if (routetype == kRouteSectioned && !sectionSeen) {
      // Nothing before the first section header of a sectioned route.
      int index = GetNextCommand(in, false, params, kCmdWithRoute, kCmdWithTrack);
      if (index != kCmdNone) {
        WriteCommand(out, index, nullptr);
        sectionSeen = true;
        if (index == kCmdWithTrack) WriteCommand(out, kCmdHeight, height);
      }
    } else if (c == '.') {
      int index = GetNextCommand(in, true, params, kCmdComment, kCommandCount - 1);
      if (index == kCmdPoleIndexed) RewritePole(params);
      WriteCommand(out, index, params);
    } else {
      bool csv = false;
      int index = GetNextCommandInEither(in, params, kCmdDistance, kCmdSignalLoad, kCmdDistance,
                                         kCommandCount - 1, &csv);
      if (csv) {
        WriteCommand(out, index, params);
      } else {
        switch (index) {
          case kCmdPoleIndexed:
            RewritePole(params);
            break;
          case kCmdForm:
            RewriteForm(params);
            break;
          case kCmdHeight:
            RewriteHeight(params);
            break;
          case kCmdStation:
            RewriteStation(params);
            index = kCmdSta;
            break;
          case kCmdFolder:
            KeepFirstParameter(params);
            break;
          default:
            break;
        }
        if (index != kCmdNone) {
          WriteCommand(out, index, params);
          if (index == kCmdWithTrack) WriteCommand(out, kCmdHeight, height);
        }
      }
    }
    progress.At(in->getpos());
  }
}

// A stage buffer that is deleted when the stage leaves, also early.
struct OwnedBuffer {
  BufferedFile* file = nullptr;
  OwnedBuffer() = default;
  OwnedBuffer(const OwnedBuffer&) = delete;
  OwnedBuffer& operator=(const OwnedBuffer&) = delete;
  ~OwnedBuffer() { Free(); }
  void Free() {
    delete file;
    file = nullptr;
  }
};

// Reports a route that cannot be read, with the reason; returns 0.
int RouteNotRead(const std::string& detail) {
  ErrorMessage(kRouteNotRead, detail.c_str());
  return 0;
}

int ReadRoute(const char* routePath, platform::ProgressSink* progress) {
  log("Route2Intermediate started");
  OwnedBuffer in;
  in.file = new BufferedFile(routePath, false);
  if (!in.file->working()) return RouteNotRead(platform::LastFileErrorDetail());
  bool explained = false;
  {
    // The whole file, also past a NUL that ends the buffer's content.
    std::string bytes;
    platform::Files().ReadFile(routePath, &bytes);
    explained = WarnAboutRouteText(routePath, bytes);
  }

  // Inserts included files, expands macros and fixes the choices of the
  // route's own $rnd / $sub functions; may replace the buffer.
  bool cut = false;
  if (!PreProcessRoute(in.file, progress, &cut)) {
    ErrorMessage(
        "An error occured during the preprocessing of the route. The route may not be playable.",
        nullptr);
  }
  // Runs the randomizer script of a script route; may replace the buffer.
  // An error stops it where it stands, like an error of preprocessing.
  if (!cut && global.routetype == kRouteScript) cut = !ProcessSCR(in.file, progress);
  // The text after such an error is gone: a route cut short is not read
  // as if it were the whole route.
  if (cut) {
    return 0;
  }

  OwnedBuffer out;
  out.file = new BufferedFile(BufferedFile::OutputSizeFor(in.file->size()), true);
  if (!out.file->working()) return RouteNotRead(std::string(routePath) + ": " + kOutOfMemory);
  if (!RouteText2Intermediate(in.file, out.file, progress))
    return RouteNotRead(std::string(routePath) + ": " + kOutOfMemory);
  in.Free();

  if (!CleanIntFile(out.file, progress))
    return RouteNotRead(std::string(routePath) + ": " + kOutOfMemory);
  WarnAboutTrackPositions(routePath, out.file->view(), explained);
  out.file->setread(false);
  if (!out.file->flush(kIntermediateFileName)) {
    ErrorMessage(kIntermediateNotWritten,
                 platform::LastFileErrorDetail().c_str());
    return 0;
  }
  out.Free();
  log("exiting Route2Intermediate");
  return 1;
}

}  // namespace

bool RouteText2Intermediate(BufferedFile*& route, BufferedFile* out,
                            platform::ProgressSink* progress) {
  route = WithoutByteOrderMarks(route);
  route->setread(true);
  platform::ProgressMeter bar(progress, route->size());
  std::unique_ptr<char[]> params(new (std::nothrow) char[kRecognizerParamsSize]);
  if (!params) {
    log("failed to allocate memory");
    return false;
  }
  params[0] = '\0';

  // Before the first byte: the first getchar() yields byte 0, which counts
  // as the separator in front of a command at the very start.
  route->setpos(-1, 0);
  log("entering loop");
  ConvertRoute(route, out, params.get(), bar);
  log("loop finished");
  return true;
}

int Route2Intermediate(const char* routePath, platform::ProgressSink* progress) {
  try {
    return ReadRoute(routePath, progress);
  } catch (const std::bad_alloc&) {
    // Out of memory is a failed stage, reported like the others.
    log("failed to allocate memory");
    return RouteNotRead(std::string(routePath) + ": " + kOutOfMemory);
  }
}
