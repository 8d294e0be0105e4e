#include "scrprocs/directives.h"

#include <cstring>

#include "core/keyword_matcher.h"
#include "core/rteprocs.h"
#include "scrprocs/evaluate.h"

const char command[kScrCommandCount][kScrPatternSize] = {
    "version<",
    "notes<>",
    "endnotes<>",
    "playerselectstrain<",
    "selectedtrain<>",
    "if<",
    "elseif<",
    "else<>",
    "endif<>",
    "rnd<",
    "rnd25<",
    "chance<",
    "train<",
    "setvalue<",
    "value<",
    "setword<",
    "word<",
    "include<",
    "dv<",
    "time<",
    "repeat<>",
    "endrepeat<>",
    "breakrepeat<>",
    "definerndset<",
    "rndset<",
    "add<",
    "sub<",
    "mul<",
    "div<",
    "equal<",
    "greater<",
    "less<",
    "not<",
    "definemacro<",
    "endmacro<>",
    "macro<",
    "customfile<",
    "choice<",
    "message<",
    "annmaker<",
    "round<",
    "abs<",
    "continue<",
};

bool ScrTakesNoParameters(int index) {
  if (index < 0 || index >= kScrCommandCount) return false;
  std::size_t len = std::strlen(command[index]);
  return len >= 2 && command[index][len - 1] == '>';
}

namespace {

bool IsOpening(int c) { return c == '<' || c == '{'; }
bool IsClosing(int c) { return c == '>' || c == '}'; }

// One parameter from a character source, to its terminator. `next` yields
// the next character or -1 at the end.
template <typename Next>
ScrTerminator ReadParameter(Next next, std::string* raw) {
  raw->clear();
  int depth = 1;
  for (;;) {
    int c = next();
    if (c == -1) return -1;
    if (IsOpening(c)) ++depth;
    if (c == 0 || c == '\n') return c;
    if (depth == 1 && (c == ',' || IsClosing(c))) return c;
    if (IsClosing(c)) --depth;
    raw->push_back(static_cast<char>(c));
  }
}

}  // namespace

int GetNextScrCommand(BufferedFile* file, int only, bool keepPosition) {
  int start = file->getpos();
  KeywordMatcher matcher(&command[0][0], kScrCommandCount, kScrPatternSize, only, true);
  for (;;) {
    int c = file->getchar();
    if (c == -1 || !matcher.AnyAlive()) break;
    int found = matcher.Offer(c);
    if (found >= 0) return found;
  }
  if (!keepPosition) file->setpos(start, 0);
  return -1;
}

int GetNextScrCommand(ScrText* text) {
  std::size_t start = text->pos;
  KeywordMatcher matcher(&command[0][0], kScrCommandCount, kScrPatternSize, -1, true);
  while (!text->AtEnd() && matcher.AnyAlive()) {
    int found = matcher.Offer(static_cast<unsigned char>(text->text[text->pos++]));
    if (found >= 0) return found;
  }
  text->pos = start;
  return -1;
}

ScrTerminator ReadRawScrParameter(BufferedFile* file, std::string* raw) {
  return ReadParameter([file] { return file->getchar(); }, raw);
}

ScrTerminator ReadRawScrParameter(ScrText* text, std::string* raw) {
  return ReadParameter(
      [text]() -> int {
        if (text->AtEnd()) return -1;
        return static_cast<unsigned char>(text->text[text->pos++]);
      },
      raw);
}

ScrTerminator GetNextScrParameter(BufferedFile* file, std::string* out, std::size_t capacity) {
  std::string raw;
  ScrTerminator t = ReadRawScrParameter(file, &raw);
  EvaluateScrText(raw, out, capacity);
  return t;
}

ScrTerminator GetNextScrParameter(ScrText* text, std::string* out, std::size_t capacity) {
  std::string raw;
  ScrTerminator t = ReadRawScrParameter(text, &raw);
  EvaluateScrText(raw, out, capacity);
  return t;
}

void GetAllScrParameters(BufferedFile* file, std::string* out) {
  out->clear();
  int depth = 1;
  for (;;) {
    int c = file->getchar();
    if (c == -1 || c == 0) return;
    if (IsOpening(c)) ++depth;
    if (IsClosing(c) && --depth == 0) return;
    out->push_back(static_cast<char>(c));
  }
}
