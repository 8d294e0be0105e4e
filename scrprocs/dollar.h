#ifndef LINEWRIGHT_SCRPROCS_DOLLAR_H
#define LINEWRIGHT_SCRPROCS_DOLLAR_H

#include <string>
#include <vector>

#include "core/BufFile.h"

// The substitution lists of $sub(i)=...; they live for one preprocessing
// pass, together with the recognizer's parameter buffer (taken once per
// pass rather than once per "$").
constexpr int kSubstitutionLists = 32;
struct SubstitutionLists {
  std::vector<std::string> list[kSubstitutionLists];
  std::vector<char> params;
};

// Called right after a "$" was read from `route`: carries out $rnd(a;b),
// $sub(i)=value or $sub(i) into `out` and passes over the character that
// ends it; a "$" that starts none of them is copied. Returns the name of
// the function it recognised ("$rnd", "$sub"), or null.
const char* PreProcessDollar(BufferedFile* route, BufferedFile* out, SubstitutionLists* subs);

#endif
