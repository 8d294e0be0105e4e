#ifndef LINEWRIGHT_SCRPROCS_DOLLAR_INCLUDE_H
#define LINEWRIGHT_SCRPROCS_DOLLAR_INCLUDE_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The simulator's own include function: $Include(file), $Include(file:offset)
// and the weighted choice $Include(f1; w1; f2; w2; ...).

// One $Include as written: its argument cut at every ";", each piece with
// the blanks at both ends removed. Pieces 0, 2, 4, ... name files, pieces
// 1, 3, 5, ... are the weights of the file before them.
struct DollarInclude {
  std::size_t length = 0;  // bytes from the "$" through the closing ")"
  std::vector<std::string> pieces;
};

// A file piece: "name:offset" when the text after the last ":" is a decimal
// number, otherwise the whole piece is the name ("c:\x.csv").
struct IncludeFile {
  std::string name;
  std::string offset;  // empty when the piece has none
};
IncludeFile SplitIncludeFile(std::string_view piece);

// Recognises $Include directives in one text: "$", "include" in any letter
// case, blanks, "(" and the argument up to the matching ")". A line end,
// a 0xFF byte or the end of the text before that ")" means the "$" starts
// no $Include. The finder keeps a view of the text, which must outlive it
// and stay unchanged.
class DollarIncludeFinder {
 public:
  explicit DollarIncludeFinder(std::string_view text) : text_(text) {}

  // True, with the directive in `include`, when one starts at `at`.
  // Positions asked about must not decrease.
  bool Recognise(std::size_t at, DollarInclude* include);

 private:
  std::size_t ClosingBracket(std::size_t open);

  std::string_view text_;
  // The last scan for a closing bracket, from one "(" to the ")" or line
  // end where it stopped, with the matching ")" of every "(" it passed
  // (npos for those left open). A $Include inside an unclosed one is
  // answered from here, so that no byte is scanned twice.
  std::size_t scan_begin_ = 0;
  std::size_t scan_end_ = 0;
  std::unordered_map<std::size_t, std::size_t> closes_;
};

// Index of the file piece chosen: the only file draws nothing; with two or
// more, each weight is read as a whole number (below 1, or missing, it
// counts as 1) and one draw k = Random() % (sum of weights) picks the first
// file whose cumulative range holds k.
std::size_t ChooseIncludeFile(const DollarInclude& include);

// The text that replaces a $Include of `file`, whose content (byte-order
// mark already skipped) is `content`. Every $Include in it gets the
// included file's folder (its name up to the last "\" or "/") before each
// file name, and the file's offset added to its own. With `shift` and a
// non-zero offset, every statement that is only a number (standing alone
// between line starts or commas) is moved by the offset.
std::string IncludedText(std::string_view content, const IncludeFile& file, bool shift);

#endif
