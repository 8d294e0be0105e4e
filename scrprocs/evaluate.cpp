#include "scrprocs/evaluate.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/StackEntry.h"
#include "core/rteprocs.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "scrprocs/directives.h"
#include "scrprocs/script_errors.h"
#include "scrprocs/uservars.h"
#include "ui/loadsave.h"

namespace {

// Nesting beyond this depth is copied unevaluated rather than recursing on.
constexpr int kMaxNesting = 200;
int nesting = 0;

constexpr char kChoiceHint[] =
    "\n\nPress \"Yes\" for the first option, and \"No\" for the second option:";

// The parameters of one directive inside a text, as numbers or texts of
// at most one evaluated parameter's length.
class ParameterList : public ScrParameterList<ScrText> {
 public:
  using ScrParameterList::ScrParameterList;
  std::string Next() { return ScrParameterList::Next(kScrParameterMax); }
  int NextInt() { return TextToInt(Next().c_str()); }
  double NextDouble() { return TextToDouble(Next().c_str()); }
};

void Append(std::string* out, std::size_t capacity, std::string_view result) {
  if (out->size() >= capacity) return;
  out->append(result.substr(0, capacity - out->size()));
}

const char* Flag(bool b) { return b ? "1" : "0"; }

std::string FormatTime(long long h, long long m, long long s) {
  m += s / 60;
  h += m / 60;
  s %= 60;
  m %= 60;
  h %= 24;
  char buf[80];
  std::snprintf(buf, sizeof buf, "%lld.%02lld%02lld", h, m, s);
  return buf;
}

int RoundHalfUp(double x) {
  double r = std::trunc(x + 0.5);
  if (std::isnan(r)) return 0;
  if (r >= 2147483647.0) return INT_MAX;
  if (r <= -2147483648.0) return INT_MIN;
  return static_cast<int>(r);
}

bool HasValue(int index) {
  switch (index) {
    case kScrSelectedTrain:
    case kScrRnd:
    case kScrRnd25:
    case kScrChance:
    case kScrTrain:
    case kScrValue:
    case kScrWord:
    case kScrDv:
    case kScrTime:
    case kScrRndSet:
    case kScrAdd:
    case kScrSub:
    case kScrMul:
    case kScrDiv:
    case kScrEqual:
    case kScrGreater:
    case kScrLess:
    case kScrNot:
    case kScrRound:
    case kScrAbs:
    case kScrChoice:
      return true;
    default:
      return false;
  }
}

// Evaluates the directive `index` whose name the cursor has just passed
// into `result`. False when a lookup failed (already reported).
bool EvaluateDirective(int index, ScrText* in, std::string* result) {
  ParameterList params(in);
  switch (index) {
    case kScrSelectedTrain:
      *result = global.trainname;
      return true;
    case kScrRnd:
    case kScrRnd25: {
      long long a = params.NextInt();
      long long b = params.NextInt();
      params.DropRest();
      long long v = ScrRandomBetween(a, b);
      if (index == kScrRnd25) v = v / 25 * 25;
      *result = std::to_string(v);
      return true;
    }
    case kScrChance: {
      int p = params.NextInt();
      params.DropRest();
      int r = platform::Random() % 100 + 1;
      *result = Flag(r <= p);
      return true;
    }
    case kScrTrain: {
      std::string name = params.Next();
      params.DropRest();
      *result = Flag(name == global.trainname);
      return true;
    }
    case kScrValue:
    case kScrDv: {
      std::string name = params.Next();
      double offset = index == kScrDv ? params.NextDouble() : 0;
      params.DropRest();
      const UserValue* v = FindUserValue(name);
      if (v == nullptr) {
        ReportScriptError(
            index == kScrDv ? "#dv command, value not found." : "#value command, value not found.",
            name.c_str());
        return false;
      }
      *result = FormatScrNumber(v->value + offset);
      return true;
    }
    case kScrWord: {
      std::string name = params.Next();
      params.DropRest();
      const UserWord* w = FindUserWord(name);
      if (w == nullptr) {
        ReportScriptError("#word command, word not found.", name.c_str());
        return false;
      }
      *result = w->text;
      return true;
    }
    case kScrTime: {
      long long h = params.NextInt();
      long long m = params.NextInt();
      long long s = params.NextInt();
      params.DropRest();
      *result = FormatTime(h, m, s);
      return true;
    }
    case kScrRndSet: {
      std::string name = params.Next();
      params.DropRest();
      const UserRndSet* set = FindUserRndSet(name);
      if (set == nullptr) {
        ReportScriptError("#rndset command, rndset not found.", name.c_str());
        return false;
      }
      // An empty set yields nothing and draws nothing.
      if (set->count > 0) *result = set->items[platform::Random() % set->count];
      return true;
    }
    case kScrAdd:
    case kScrSub:
    case kScrMul:
    case kScrDiv:
    case kScrEqual:
    case kScrGreater:
    case kScrLess:
    case kScrNot: {
      double a = params.NextDouble();
      double b = params.NextDouble();
      params.DropRest();
      switch (index) {
        case kScrAdd:
          *result = FormatScrNumber(a + b);
          break;
        case kScrSub:
          *result = FormatScrNumber(a - b);
          break;
        case kScrMul:
          *result = FormatScrNumber(a * b);
          break;
        case kScrDiv:
          *result = FormatScrNumber(a / b);
          break;
        case kScrEqual:
          *result = Flag(a == b);
          break;
        case kScrGreater:
          *result = Flag(a > b);
          break;
        case kScrLess:
          *result = Flag(a < b);
          break;
        default:
          *result = Flag(!(a == b));
          break;
      }
      return true;
    }
    case kScrRound: {
      double x = params.NextDouble();
      params.DropRest();
      *result = std::to_string(RoundHalfUp(x));
      return true;
    }
    case kScrAbs: {
      double x = params.NextDouble();
      params.DropRest();
      *result = FormatScrNumber(std::fabs(x));
      return true;
    }
    case kScrChoice: {
      std::string question = params.Next();
      params.DropRest();
      *result = Flag(platform::AskChoice("Choice", question + kChoiceHint));
      return true;
    }
    default:
      return true;
  }
}

}  // namespace

long long ScrRandomBetween(long long a, long long b) {
  long long lo = a < b ? a : b;
  long long hi = a < b ? b : a;
  long long range = hi - lo + 1;
  long long draw;
  if (range > 32768) {
    long long r1 = platform::Random();
    long long r2 = platform::Random();
    draw = (r1 << 15) | r2;
  } else {
    draw = platform::Random();
  }
  return lo + draw % range;
}

std::string FormatScrNumber(double value) {
  if (!std::isfinite(value) || value == 0) value = 0;
  char buf[400];  // "%f" of the largest double needs 316
  std::snprintf(buf, sizeof buf, "%f", value);
  CropFloat(buf);
  // A tiny negative value prints as "-0.000000".
  if (std::strcmp(buf, "-0") == 0) return "0";
  return buf;
}

void EvaluateScrText(std::string_view in, std::string* out, std::size_t capacity) {
  out->clear();
  if (nesting >= kMaxNesting) {
    Append(out, capacity, in);
    return;
  }
  ++nesting;
  ScrText text{in, 0};
  while (!text.AtEnd() && out->size() < capacity) {
    char c = text.text[text.pos++];
    if (c == '\x01') continue;  // never let a marker byte through
    if (c != '#') {
      out->push_back(c);
      continue;
    }
    std::size_t name_start = text.pos;
    int index = GetNextScrCommand(&text);
    if (index < 0) {
      out->push_back('#');
      continue;
    }
    if (!HasValue(index)) {
      // Copied as written; its parameters follow as ordinary text.
      Append(out, capacity, "#");
      Append(out, capacity, text.text.substr(name_start, text.pos - name_start));
      continue;
    }
    std::string result;
    if (!EvaluateDirective(index, &text, &result)) break;
    Append(out, capacity, result);
  }
  --nesting;
}

void ParseScrParameter(char* out, const char* in, int size) {
  if (out == nullptr || size <= 0) return;
  std::string result;
  EvaluateScrText(in ? std::string_view(in) : std::string_view(), &result,
                  static_cast<std::size_t>(size - 1));
  std::memcpy(out, result.data(), result.size());
  out[result.size()] = '\0';
}
