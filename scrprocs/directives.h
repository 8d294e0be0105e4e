#ifndef LINEWRIGHT_SCRPROCS_DIRECTIVES_H
#define LINEWRIGHT_SCRPROCS_DIRECTIVES_H

#include <cstddef>
#include <string>
#include <string_view>

#include "core/BufFile.h"

// The script directives: "#name<p1,p2,...>", names matched without regard
// to case, "{" and "}" accepted for "<" and ">". The index of a directive
// in `command` is its identity in every script stage.

constexpr int kScrCommandCount = 43;
constexpr int kScrPatternSize = 32;

// The patterns, lower case. A pattern ending in "<" takes parameters; one
// ending in "<>" takes none (the brackets are still written).
extern const char command[kScrCommandCount][kScrPatternSize];

enum ScrCommand {
  kScrVersion = 0,
  kScrNotes = 1,
  kScrEndNotes = 2,
  kScrPlayerSelectsTrain = 3,
  kScrSelectedTrain = 4,
  kScrIf = 5,
  kScrElseIf = 6,
  kScrElse = 7,
  kScrEndIf = 8,
  kScrRnd = 9,
  kScrRnd25 = 10,
  kScrChance = 11,
  kScrTrain = 12,
  kScrSetValue = 13,
  kScrValue = 14,
  kScrSetWord = 15,
  kScrWord = 16,
  kScrInclude = 17,
  kScrDv = 18,
  kScrTime = 19,
  kScrRepeat = 20,
  kScrEndRepeat = 21,
  kScrBreakRepeat = 22,
  kScrDefineRndSet = 23,
  kScrRndSet = 24,
  kScrAdd = 25,
  kScrSub = 26,
  kScrMul = 27,
  kScrDiv = 28,
  kScrEqual = 29,
  kScrGreater = 30,
  kScrLess = 31,
  kScrNot = 32,
  kScrDefineMacro = 33,
  kScrEndMacro = 34,
  kScrMacro = 35,
  kScrCustomFile = 36,
  kScrChoice = 37,
  kScrMessage = 38,
  kScrAnnMaker = 39,
  kScrRound = 40,
  kScrAbs = 41,
  kScrContinue = 42,
};

// True for the directives whose pattern ends in "<>" (no parameter list).
bool ScrTakesNoParameters(int index);

// Recognises the directive name at the position of `file`, which stands
// just after a "#". Returns its index, or -1. With `only` in 0..42 only that
// directive is looked for. On success the position is just after the
// pattern. On failure the position goes back to just after the "#", unless
// `keepPosition` is set: then it stays where reading stopped (the character
// that ruled out the last candidate and the one after it have been read).
int GetNextScrCommand(BufferedFile* file, int only, bool keepPosition);

// A read position in a text being evaluated. The text is not owned; it
// must outlive the cursor. Reading never goes back, so evaluating a text is
// linear in its length.
struct ScrText {
  std::string_view text;
  std::size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
};

// Recognises the directive name at the cursor, which stands just after a
// "#". Returns its index with the cursor after the pattern, or -1 with the
// cursor unchanged.
int GetNextScrCommand(ScrText* text);

// What ended a parameter: ',' (more follow), '>' or '}' (list closed),
// '\n', 0, or -1 at the end of the input.
using ScrTerminator = int;
// True when no further parameter of the same list follows.
inline bool ScrListClosed(ScrTerminator t) { return t != ','; }

// Reads one parameter to its terminator (at bracket depth 1: ",", ">",
// "}", newline or byte 0; deeper only newline and byte 0 end it), evaluates
// it and leaves the result in `out`, cut to `capacity` characters. Returns
// the terminator, which is consumed.
ScrTerminator GetNextScrParameter(BufferedFile* file, std::string* out, std::size_t capacity);
ScrTerminator GetNextScrParameter(ScrText* text, std::string* out, std::size_t capacity);

// Reads one raw parameter to its terminator without evaluating it.
ScrTerminator ReadRawScrParameter(BufferedFile* file, std::string* raw);
ScrTerminator ReadRawScrParameter(ScrText* text, std::string* raw);

// Copies the raw text of a whole parameter list up to the closing bracket
// that matches the already consumed opening one (consumed, not copied), or
// to byte 0 / the end of the input. Newlines and commas are copied.
void GetAllScrParameters(BufferedFile* file, std::string* out);

// Room for a name or number read from a directive's parameters, once
// evaluated; names longer than a table entry allows are refused anyway.
constexpr std::size_t kScrNameCapacity = 510;

// Reads the parameters of one directive in order, from a file or a text.
// Once the list has closed, further parameters are empty: text after the
// directive is never taken for a parameter.
template <typename Source>
class ScrParameterList {
 public:
  explicit ScrParameterList(Source* source) : source_(source) {}

  // The next parameter, evaluated and cut to `capacity` characters.
  std::string Next(std::size_t capacity) {
    std::string value;
    if (!closed_) closed_ = ScrListClosed(GetNextScrParameter(source_, &value, capacity));
    return value;
  }
  bool closed() const { return closed_; }

  // Reads and drops the parameters nobody asked for, unevaluated, so that
  // nothing of the directive is left in the text.
  void DropRest() {
    std::string raw;
    while (!closed_) closed_ = ScrListClosed(ReadRawScrParameter(source_, &raw));
  }

 private:
  Source* source_;
  bool closed_ = false;
};

#endif
