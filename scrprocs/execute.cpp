#include <algorithm>
#include <string>
#include <string_view>

#include "core/StackEntry.h"
#include "core/rteprocs.h"
#include "platform/progress.h"
#include "scrprocs/directives.h"
#include "scrprocs/evaluate.h"
#include "scrprocs/script_errors.h"
#include "scrprocs/scrprocs.h"
#include "scrprocs/uservars.h"

namespace {

constexpr int kMaxLoopDepth = 8;
// "#repeat<>" as read, in any spelling the matcher accepts.
constexpr int kRepeatLength = sizeof("#repeat<>") - 1;
// A loop without a reachable #breakrepeat<> would run forever; this many
// jumps back in one run are taken to mean exactly that.
constexpr long kMaxLoopRounds = 100000;
// With a long body far fewer rounds already cost too much: past this many
// characters read again through jumps back, the loop is taken to be endless
// as well, before it writes or scans hundreds of megabytes.
constexpr long long kMaxLoopText = 32LL * 1024 * 1024;
// Room for a directive's evaluated result in the route text.
constexpr std::size_t kResultCapacity = 1039;
// Plain text is passed in runs of at most this many characters, so that
// the progress still moves through a long run.
constexpr int kPassRun = 64 * 1024;

class ScriptRun {
 public:
  ScriptRun(BufferedFile* in, BufferedFile* out, platform::ProgressSink* progress)
      : in_(in), out_(out), progress_(progress) {}

  bool Run() {
    log("started ProcessSCR_simple");
    in_->setpos(0, 0);
    in_->setread(true);
    out_->setread(false);
    log("entering loop");
    while (!stop_) {
      PassPlainText();
      int c = in_->getchar();
      if (c == -1) break;
      if (c != '#') {
        if (!skipping_) out_->putchar(static_cast<char>(c));
      } else {
        int index = GetNextScrCommand(in_, -1, false);
        // While skipping only the conditionals count; the text of anything
        // else, parameters included, is read on and dropped.
        if (!skipping_ || EndsSkipping(index)) Carry(index);
      }
      platform::ReportProgress(progress_, in_->getpos(), in_->size());
    }
    log("exiting ProcessSCR_simple");
    return !stop_;
  }

 private:
  using Parameters = ScrParameterList<BufferedFile>;

  // What the character loop does with characters other than "#" (copies
  // them, or drops them while skipping), for a whole run of them at once:
  // up to the next "#", or the byte 0xFF that reads as the end.
  void PassPlainText() {
    std::string_view text = in_->view();
    int from = in_->getpos();
    int end = from;
    int last = std::min(static_cast<int>(text.size()), from + kPassRun);
    while (end < last && text[end] != '#' && text[end] != '\xFF') ++end;
    if (end <= from) return;
    if (!skipping_)
      out_->putstring(text.substr(static_cast<size_t>(from), static_cast<size_t>(end - from)));
    in_->setpos(end, 0);
    platform::ReportProgress(progress_, end, in_->size());
  }

  void Error(const char* message, const std::string* detail) {
    ReportScriptError(message, detail ? detail->c_str() : nullptr);
    stop_ = true;
  }

  void StartSkipping() {
    skip_level_ = counter_;
    skipping_ = true;
  }

  // The nesting counter moves with every conditional, also while skipping;
  // the skip level is relative to it.
  bool EndsSkipping(int index) {
    switch (index) {
      case kScrIf:
        ++counter_;
        return false;
      case kScrElseIf:
      case kScrElse:
        if (!taken_ && counter_ - 1 == skip_level_) {
          skipping_ = false;
          return true;
        }
        return false;
      case kScrEndIf: {
        bool ends = counter_ - 1 == skip_level_;
        --counter_;
        if (ends) skipping_ = false;
        return ends;
      }
      default:
        return false;
    }
  }

  void DropParameters(int count) {
    Parameters params(in_);
    for (int i = 0; i < count; ++i) params.Next(kScrNameCapacity);
    params.DropRest();
  }

  int ReadCondition() {
    Parameters params(in_);
    int c = TextToInt(params.Next(kScrNameCapacity).c_str());
    params.DropRest();
    return c;
  }

  void Carry(int index) {
    switch (index) {
      case -1:
        out_->putchar('#');
        break;
      case kScrVersion:
      case kScrPlayerSelectsTrain:
        DropParameters(1);
        break;
      case kScrCustomFile:
      case kScrMessage:
        DropParameters(2);
        break;
      case kScrAnnMaker:
        DropParameters(6);
        break;
      case kScrIf:
        taken_ = ReadCondition() != 0;
        if (!taken_) StartSkipping();
        ++counter_;
        break;
      case kScrElseIf: {
        int c = ReadCondition();
        if (taken_ || c == 0)
          StartSkipping();
        else
          taken_ = true;
        ++counter_;
        break;
      }
      case kScrElse:
        if (taken_) StartSkipping();
        ++counter_;
        break;
      case kScrEndIf:
        --counter_;
        taken_ = true;
        break;
      case kScrSetValue:
        SetValue();
        break;
      case kScrSetWord:
        SetWord();
        break;
      case kScrDefineRndSet:
        DefineRndSet();
        break;
      case kScrRepeat:
        if (depth_ == kMaxLoopDepth) {
          Error("#repeat command, too many other repeat sections inside a repeat section.",
                nullptr);
          break;
        }
        // Back to the "#" of "#repeat<>", so that the jump re-enters it.
        loops_[depth_++] = in_->getpos() - kRepeatLength;
        break;
      case kScrEndRepeat:
      case kScrContinue:
        if (--depth_ < 0) {
          depth_ = 0;
          Error("#endrepeat command, excess endrepeats compared to repeat section starters.",
                nullptr);
          break;
        }
        reread_ += in_->getpos() - loops_[depth_];
        if (++rounds_ > kMaxLoopRounds || reread_ > kMaxLoopText) {
          Error("#repeat command, too many rounds, no #breakrepeat<> is reached.", nullptr);
          break;
        }
        in_->setpos(loops_[depth_], 0);
        break;
      case kScrBreakRepeat:
        BreakRepeat();
        break;
      default:
        Evaluate(index);
        break;
    }
  }

  // Reads a name; false (after reporting) when it is too long.
  bool ReadName(Parameters* params, std::string* name, const char* too_long) {
    *name = params->Next(kScrNameCapacity);
    if (name->size() <= kUserNameMax) return true;
    Error(too_long, name);
    return false;
  }

  void SetValue() {
    Parameters params(in_);
    std::string name;
    if (!ReadName(&params, &name, "#setvalue command, too long name.")) return;
    UserValue* entry = ClaimUserValue(name);
    if (entry == nullptr) {
      Error("#setvalue command, no value with specified name and all values already used.", &name);
      return;
    }
    entry->value = TextToDouble(params.Next(kScrNameCapacity).c_str());
    params.DropRest();
  }

  void SetWord() {
    Parameters params(in_);
    std::string name;
    if (!ReadName(&params, &name, "#setword command, too long name.")) return;
    UserWord* entry = ClaimUserWord(name);
    if (entry == nullptr) {
      Error("#setword command, no word with specified name and all words already used.", &name);
      return;
    }
    entry->text = params.Next(kUserWordMax);
    params.DropRest();
  }

  void DefineRndSet() {
    Parameters params(in_);
    std::string name;
    if (!ReadName(&params, &name, "#definerndset command, too long name.")) return;
    UserRndSet* set = ClaimUserRndSet(name);
    if (set == nullptr) {
      Error("#definerndset command, no rndset with specified name and all rndsets already used.",
            &name);
      return;
    }
    set->count = 0;
    // Items beyond the last slot are read and dropped; an "endlisting" that
    // closes the list only marks its end.
    while (!params.closed()) {
      std::string item = params.Next(kRndSetItemMax);
      if (set->count == kRndSetItemsMax) continue;
      if (params.closed() && item == "endlisting") break;
      set->items[set->count++] = item;
    }
  }

  void BreakRepeat() {
    int target = depth_ - 1;
    int level = depth_;
    for (;;) {
      int c = in_->getchar();
      if (c == -1) break;
      if (c != '#') continue;
      int index = GetNextScrCommand(in_, -1, true);
      if (index == kScrRepeat) ++level;
      if (index == kScrEndRepeat && --level == target) break;
    }
    depth_ = target < 0 ? 0 : target;
  }

  // A directive with a value standing in the route text: rebuilt in the
  // table's spelling with its raw parameters and evaluated as a whole.
  void Evaluate(int index) {
    std::string text = "#";
    text += command[index];
    if (!ScrTakesNoParameters(index)) {
      std::string raw;
      GetAllScrParameters(in_, &raw);
      text += raw;
      text += '>';
    }
    std::string result;
    EvaluateScrText(text, &result, kResultCapacity);
    out_->putstring(result);
  }

  BufferedFile* in_;
  BufferedFile* out_;
  platform::ProgressSink* progress_;
  int counter_ = 0;
  int skip_level_ = 0;
  bool skipping_ = false;
  bool taken_ = false;
  int depth_ = 0;
  int loops_[kMaxLoopDepth] = {};
  long rounds_ = 0;
  long long reread_ = 0;  // characters passed again by jumps back
  bool stop_ = false;
};

}  // namespace

bool ProcessSCR_simple(BufferedFile* in, BufferedFile* out, platform::ProgressSink* progress) {
  ScriptRun run(in, out, progress);
  return run.Run();
}

bool ProcessSCR(BufferedFile*& route, platform::ProgressSink* progress) {
  platform::ProgressStage stage(progress, "running script");
  log("ProcessSCR started");
  ResetUserVariables();
  BufferedFile* out = new BufferedFile(BufferedFile::OutputSizeFor(route->size()), true);
  if (!out->working()) {
    delete out;
    return false;
  }
  log("calling ProcessSCR_simple");
  long errors_before = ScriptErrorCount();
  ProcessSCR_simple(route, out, progress);
  delete route;
  route = out;
  log("exiting ProcessSCR");
  return ScriptErrorCount() == errors_before;
}
