#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "core/rteprocs.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "scrprocs/directives.h"
#include "scrprocs/dollar.h"
#include "scrprocs/dollar_include.h"
#include "scrprocs/included_files.h"
#include "scrprocs/script_errors.h"
#include "scrprocs/scrprocs.h"
#include "scrprocs/uservars.h"
#include "ui/loadsave.h"

namespace {

// A pass that includes or defines something asks for another pass. A file
// that includes itself would ask forever; past this many passes the
// includes are taken to be circular.
constexpr int kMaxPasses = 32;
// Includes or macros that multiply themselves grow the text exponentially,
// and a long $sub list used often multiplies it too; stop them well before
// memory runs out. The route's own text does not count: a route may grow by
// this much beyond the size it was read with (no route grows nearly as
// much).
constexpr long long kDefaultRouteGrowth = 16 * 1024 * 1024;
long long route_growth_limit = kDefaultRouteGrowth;
// Plain text is copied in runs of at most this many characters, so that the
// progress still moves through a long run.
constexpr int kCopyRun = 64 * 1024;

class PreProcessPass {
 public:
  // `limit`: the largest text the route may grow to. `included`: the files
  // this reading has included, kept across its passes.
  PreProcessPass(BufferedFile* in, BufferedFile* out, platform::ProgressSink* progress,
                 long long limit, IncludedFiles* included)
      : in_(in),
        out_(out),
        progress_(progress),
        limit_(limit),
        included_(included),
        dollar_includes_(in->view()) {}

  // Runs the pass over the whole input; false after an error (the output
  // then holds the text processed up to it).
  bool Run() {
    in_->setread(true);
    in_->setpos(0, 0);
    log("entering loop");
    while (!error_) {
      CopyPlainText();
      int c = in_->getchar();
      if (c == -1) break;
      if (c == '#')
        Directive();
      else if (c == '$')
        Dollar();
      else
        out_->putchar(static_cast<char>(c));
      platform::ReportProgress(progress_, in_->getpos(), in_->size());
    }
    log("ending loop");
    return !error_;
  }

  bool changed() const { return changed_; }
  // An error ended the pass: the text after it was dropped.
  bool cut() const { return error_; }
  // A $Include named a missing file: the pass went on without it.
  bool include_missing() const { return include_missing_; }

 private:
  void Error(const char* message, const std::string& detail) {
    ReportScriptError(message, detail.empty() ? nullptr : detail.c_str());
    error_ = true;
  }

  // What the character loop does with characters that start no directive
  // (copies them), for a whole run of them at once: up to the next "#" or
  // "$", or the byte 0xFF that reads as the end.
  void CopyPlainText() {
    std::string_view text = in_->view();
    int from = in_->getpos();
    int end = from;
    int last = std::min(static_cast<int>(text.size()), from + kCopyRun);
    while (end < last && text[end] != '#' && text[end] != '$' && text[end] != '\xFF') ++end;
    if (end == from) return;
    out_->putstring(text.substr(static_cast<size_t>(from), static_cast<size_t>(end - from)));
    in_->setpos(end, 0);
    platform::ReportProgress(progress_, end, in_->size());
  }

  // After a directive that wrote text: when the route has grown beyond its
  // bound, the error names that directive.
  void CheckGrowth(const char* message, const std::string& detail) {
    if (out_->size() > limit_) Error(message, detail);
  }

  std::string ReadName() {
    ScrParameterList<BufferedFile> params(in_);
    std::string name = params.Next(kScrNameCapacity);
    params.DropRest();
    return name;
  }

  void Directive() {
    int index = GetNextScrCommand(in_, -1, false);
    switch (index) {
      case -1:
        out_->putchar('#');
        break;
      case kScrInclude:
        Include();
        break;
      case kScrNotes:
        DropNotes();
        break;
      case kScrDefineMacro:
        DefineMacro();
        break;
      case kScrMacro:
        ExpandMacro();
        break;
      default:
        // Passed on in the table's spelling; the parameters follow as text.
        out_->putchar('#');
        out_->putstring(command[index]);
        break;
    }
  }

  void Include() {
    std::string name = ReadName();
    changed_ = true;
    IncludedFiles::File& file = included_->Find(name);
    std::string_view text;
    if (!included_->Text(file, &text)) {
      Error("#include command, file not found.",
            file.allowed ? MissingFileDetail(file.path, file.error)
                         : platform::JoinPath(global.browsefolder, name));
      return;
    }
    out_->putstring(text);
    CheckGrowth("#include command, the route grows too large (circular includes?).", file.path);
  }

  void Dollar() {
    std::size_t at = static_cast<std::size_t>(in_->getpos() - 1);
    DollarInclude include;
    if (dollar_includes_.Recognise(at, &include)) {
      in_->setpos(static_cast<int>(at + include.length), 0);
      IncludeDollarFile(include);
      return;
    }
    // Each "$sub(i)" writes its whole list again.
    if (const char* name = PreProcessDollar(in_, out_, &subs_))
      CheckGrowth((std::string(name) + " command, the route grows too large.").c_str(), "");
  }

  void IncludeDollarFile(const DollarInclude& include) {
    changed_ = true;
    IncludeFile chosen = SplitIncludeFile(include.pieces[ChooseIncludeFile(include)]);
    IncludedFiles::File& file = included_->Find(chosen.name);
    std::string_view text;
    if (!included_->Text(file, &text)) {
      // Only this file's commands are lost; the pass goes on. A macro may
      // repeat the directive thousands of times: each file is said once.
      if (!file.missing_said) {
        std::string written = platform::JoinPath(global.browsefolder, chosen.name);
        ReportScriptError(
            "$include command, file not found.",
            (file.allowed ? MissingFileDetail(written, file.error) : written).c_str());
        file.missing_said = true;
      }
      include_missing_ = true;
      return;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    // Sectioned routes have no bare track positions to move.
    out_->putstring(IncludedText(text, chosen, global.routetype != kRouteSectioned));
    CheckGrowth("$include command, the route grows too large (circular includes?).", file.path);
  }

  void DropNotes() {
    for (;;) {
      int c = in_->getchar();
      if (c == -1) {
        Error("#notes command, #endnotes<> not found.", std::string());
        return;
      }
      if (c == '#' && GetNextScrCommand(in_, kScrEndNotes, false) == kScrEndNotes) return;
    }
  }

  void DefineMacro() {
    std::string name = ReadName();
    if (name.size() > kUserNameMax) {
      Error("#definemacro command, too long macro name.", name);
      return;
    }
    UserMacro* macro = ClaimUserMacro(name);
    if (macro == nullptr) {
      Error("#definemacro command, no macro with specified name and all macros already used.",
            name);
      return;
    }
    changed_ = true;
    macro->body.clear();
    bool too_long = false;
    for (;;) {
      int c = in_->getchar();
      if (c == -1) {
        Error("#definemacro command, #endmacro<> not found.", name);
        return;
      }
      if (c == '#' && GetNextScrCommand(in_, kScrEndMacro, false) == kScrEndMacro) break;
      if (macro->body.size() < kMacroBodyMax)
        macro->body.push_back(static_cast<char>(c));
      else
        too_long = true;
    }
    if (too_long) Error("#definemacro command, too long macro body.", name);
  }

  void ExpandMacro() {
    std::string name = ReadName();
    if (const UserMacro* macro = FindUserMacro(name)) {
      out_->putstring(macro->body);
      // A body that uses its own macro twice doubles the text with every
      // pass that an include or a definition asks for.
      CheckGrowth("#macro command, the route grows too large (recursive macros?).", name);
    } else if (changed_) {
      // A definition or include earlier in this pass may yet supply it.
      out_->putstring("#macro<" + name + ">");
    } else {
      Error("#macro command, macro with such name doesn't exist.", name);
    }
  }

  // The path for a "file not found" message: as it is for a missing file,
  // with the reason for one that is there but cannot be read.
  static std::string MissingFileDetail(const std::string& path, platform::FileError error) {
    if (error == platform::FileError::kNotFound) return path;
    return platform::FileErrorDetail(path, error);
  }

  BufferedFile* in_;
  BufferedFile* out_;
  platform::ProgressSink* progress_;
  long long limit_;
  IncludedFiles* included_;
  SubstitutionLists subs_;
  DollarIncludeFinder dollar_includes_;
  bool changed_ = false;
  bool include_missing_ = false;
  bool error_ = false;
};

}  // namespace

long long RouteGrowthLimit() { return route_growth_limit; }

void SetRouteGrowthLimit(long long bytes) { route_growth_limit = bytes < 0 ? 0 : bytes; }

bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress) {
  bool cut = false;
  return PreProcessRoute(route, progress, &cut);
}

bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress, bool* cut) {
  *cut = false;
  // Macros belong to one route: a new reading starts without any, while
  // the later passes below keep what earlier passes defined.
  ResetUserMacros();
  const long long limit = route->size() + route_growth_limit;
  bool include_missing = false;
  IncludedFiles included;
  for (int pass = 1;; ++pass) {
    log("PreProcessRoute started");
    BufferedFile* out = new BufferedFile(BufferedFile::OutputSizeFor(route->size()), true);
    if (!out->working()) {
      delete out;
      return false;
    }
    PreProcessPass run(route, out, progress, limit, &included);
    bool ok = run.Run();
    delete route;
    route = out;
    route->setread(true);
    route->setpos(0, 0);
    log("exiting PreProcessRoute");
    include_missing = include_missing || run.include_missing();
    *cut = run.cut();
    if (!ok) return false;
    if (!run.changed()) return !include_missing;
    if (pass == kMaxPasses) {
      ReportScriptError("#include command, too many nested includes (circular includes?).",
                        nullptr);
      return false;
    }
  }
}
