#include "scrprocs/dollar.h"

#include <string>
#include <vector>

#include "core/Stack.h"
#include "core/StackEntry.h"
#include "rte2int/recognizer.h"
#include "scrprocs/evaluate.h"

namespace {

// The sectioned-syntax entries of the route command table that stand for
// the simulator's own preprocessing functions.
constexpr int kDollarRnd = 100;        // $rnd(a;b)
constexpr int kDollarSubAssign = 101;  // $sub(i)=value
constexpr int kDollarSub = 102;        // $sub(i)

// A parameter text cut at every ";" and ",", in order.
std::vector<std::string> Pieces(const char* params) {
  Stack stack;
  SiftParameters(params, &stack);
  std::vector<std::string> pieces;
  while (!stack.IsEmpty()) pieces.push_back(stack.PopString(true));
  return pieces;
}

std::string PieceAt(const std::vector<std::string>& pieces, std::size_t i) {
  return i < pieces.size() ? pieces[i] : std::string();
}

}  // namespace

const char* PreProcessDollar(BufferedFile* route, BufferedFile* out, SubstitutionLists* subs) {
  std::vector<char>& params = subs->params;
  if (params.size() < static_cast<std::size_t>(kRecognizerParamsSize))
    params.assign(kRecognizerParamsSize, '\0');
  int index = GetNextCommand(route, false, params.data(), kDollarRnd, kDollarSub);
  if (index < 0) {
    out->putchar('$');
    return nullptr;
  }
  const char* name = index == kDollarRnd ? "$rnd" : "$sub";
  std::vector<std::string> pieces = Pieces(params.data());
  if (index == kDollarRnd) {
    long long v = ScrRandomBetween(TextToInt(PieceAt(pieces, 0).c_str()),
                                   TextToInt(PieceAt(pieces, 1).c_str()));
    out->putstring(std::to_string(v));
  } else {
    int list = TextToInt(PieceAt(pieces, 0).c_str());
    // An index out of range does nothing, and its closing character is
    // then copied with the text.
    if (list < 0 || list >= kSubstitutionLists) return name;
    if (index == kDollarSubAssign) {
      subs->list[list].clear();
      if (pieces.size() > 1) subs->list[list].assign(pieces.begin() + 1, pieces.end());
    } else {
      const std::vector<std::string>& items = subs->list[list];
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out->putchar(';');
        out->putstring(items[i]);
      }
    }
  }
  // Pass over the character that ends the function.
  route->setpos(1, 1);
  return name;
}
