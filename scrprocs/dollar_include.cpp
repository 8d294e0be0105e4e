#include "scrprocs/dollar_include.h"

#include <string>

#include "core/StackEntry.h"
#include "core/rteprocs.h"
#include "platform/random.h"
#include "scrprocs/decimal_text.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EndsArgument(char c) { return c == '\r' || c == '\n' || static_cast<unsigned char>(c) == 0xFF; }

std::string RewrittenInclude(const DollarInclude& include, const std::string& folder,
                             const std::string& offset) {
  bool add_offset = !offset.empty() && !IsZeroDecimalText(offset);
  std::string out = "$Include(";
  for (std::size_t i = 0; i < include.pieces.size(); ++i) {
    if (i > 0) out += ';';
    if (i % 2 == 1) {
      out += include.pieces[i];
      continue;
    }
    IncludeFile nested = SplitIncludeFile(include.pieces[i]);
    out += folder + nested.name;
    if (add_offset) nested.offset = AddDecimalTexts(nested.offset.empty() ? "0" : nested.offset, offset);
    if (!nested.offset.empty()) out += ":" + nested.offset;
  }
  return out + ")";
}

// Moves the statement out[begin..] by `offset` when it is only a number;
// the blanks around the number stay.
void ShiftStatement(std::string* out, std::size_t begin, const std::string& offset) {
  std::string_view statement(*out);
  statement.remove_prefix(begin);
  std::string_view number = TrimBlanks(statement);
  if (!IsDecimalText(number)) return;
  std::size_t at = begin + static_cast<std::size_t>(number.data() - statement.data());
  out->replace(at, number.size(), AddDecimalTexts(number, offset));
}

}  // namespace

IncludeFile SplitIncludeFile(std::string_view piece) {
  IncludeFile file;
  std::size_t colon = piece.rfind(':');
  if (colon != npos) {
    std::string_view offset = TrimBlanks(piece.substr(colon + 1));
    if (IsDecimalText(offset)) {
      file.name = std::string(TrimBlanks(piece.substr(0, colon)));
      file.offset = std::string(offset);
      return file;
    }
  }
  file.name = std::string(piece);
  return file;
}

std::size_t DollarIncludeFinder::ClosingBracket(std::size_t open) {
  if (open > scan_begin_ && open < scan_end_) {
    auto it = closes_.find(open);
    return it == closes_.end() ? npos : it->second;
  }
  closes_.clear();
  scan_begin_ = open;
  std::vector<std::size_t> opened{open};
  std::size_t i = open + 1;
  for (; i < text_.size() && !EndsArgument(text_[i]); ++i) {
    if (text_[i] == '(') {
      opened.push_back(i);
    } else if (text_[i] == ')') {
      closes_[opened.back()] = i;
      opened.pop_back();
      if (opened.empty()) break;
    }
  }
  scan_end_ = i;
  for (std::size_t left_open : opened) closes_[left_open] = npos;
  return closes_[open];
}

bool DollarIncludeFinder::Recognise(std::size_t at, DollarInclude* include) {
  static const char kName[] = "include";
  constexpr std::size_t kNameLength = sizeof kName - 1;
  if (at >= text_.size() || text_[at] != '$') return false;
  std::size_t p = at + 1;
  if (text_.size() - p < kNameLength || !EqualsIgnoringCase(text_.substr(p, kNameLength), kName))
    return false;
  p += kNameLength;
  while (p < text_.size() && IsBlank(text_[p])) ++p;
  if (p >= text_.size() || text_[p] != '(') return false;
  std::size_t close = ClosingBracket(p);
  if (close == npos) return false;

  include->length = close + 1 - at;
  include->pieces.clear();
  std::string_view argument = text_.substr(p + 1, close - p - 1);
  for (;;) {
    std::size_t semicolon = argument.find(';');
    include->pieces.emplace_back(TrimBlanks(argument.substr(0, semicolon)));
    if (semicolon == npos) break;
    argument.remove_prefix(semicolon + 1);
  }
  return true;
}

std::size_t ChooseIncludeFile(const DollarInclude& include) {
  std::size_t files = (include.pieces.size() + 1) / 2;
  if (files <= 1) return 0;
  std::vector<long long> weights(files, 1);
  long long sum = 0;
  for (std::size_t f = 0; f < files; ++f) {
    std::size_t w = 2 * f + 1;
    if (w < include.pieces.size()) weights[f] = TextToInt(include.pieces[w].c_str());
    if (weights[f] < 1) weights[f] = 1;
    sum += weights[f];
  }
  long long k = platform::Random() % sum;
  for (std::size_t f = 0; f < files; ++f) {
    if (k < weights[f]) return 2 * f;
    k -= weights[f];
  }
  return 2 * (files - 1);
}

std::string IncludedText(std::string_view content, const IncludeFile& file, bool shift) {
  std::size_t slash = file.name.find_last_of("\\/");
  std::string folder = slash == npos ? std::string() : file.name.substr(0, slash + 1);
  shift = shift && !file.offset.empty() && !IsZeroDecimalText(file.offset);

  std::string out;
  out.reserve(content.size());
  DollarIncludeFinder finder(content);
  DollarInclude nested;
  std::size_t statement = 0;  // where the current statement starts in `out`
  for (std::size_t i = 0; i < content.size(); ++i) {
    char c = content[i];
    if (c == '$' && finder.Recognise(i, &nested)) {
      out += RewrittenInclude(nested, folder, file.offset);
      i += nested.length - 1;
      continue;
    }
    if (c == ',' || c == '\r' || c == '\n') {
      if (shift) ShiftStatement(&out, statement, file.offset);
      out += c;
      statement = out.size();
      continue;
    }
    out += c;
  }
  if (shift) ShiftStatement(&out, statement, file.offset);
  return out;
}
