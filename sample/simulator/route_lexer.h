#ifndef LINEWRIGHT_SAMPLE_SIMULATOR_ROUTE_LEXER_H
#define LINEWRIGHT_SAMPLE_SIMULATOR_ROUTE_LEXER_H

#include <string>
#include <string_view>

namespace kavosim {

// Splits a comma-separated route into tokens. Blanks and tabs between
// tokens are skipped; CR LF, a lone LF and a lone CR each count as one line
// end. The lexer only looks at the text it was given and never copies it:
// the views it hands out point into that text, which must outlive it.
class RouteLexer {
 public:
  enum Token {
    kError,   // a character no token starts with
    kNumber,  // 25, -0.02, 3.800000, .5
    kWord,    // .rail, route.gauge, with, signal, .load, $sub
    kLeftParen,
    kRightParen,
    kSemicolon,
    kEquals,
    kComma,
    kLineEnd,
    kEnd,  // end of the text
  };

  explicit RouteLexer(std::string_view text);

  // What a token is called in messages ("number", "','", "line end").
  static const char* TokenName(Token token);

  // Reads the next token; its text is then `token_text()`.
  Token ReadToken();
  // Reads the next token when it is `token` and returns true; otherwise
  // leaves the position unchanged and returns false.
  bool PeekToken(Token token);
  // Goes back to the start of the token read last (one step only).
  void UnreadToken();

  // Free text from the current position up to the next ",", line end or
  // end of text (not consumed), without leading and trailing blanks. Route
  // parameters (file names, station names, labels) are read this way.
  std::string_view ReadFreeText();
  // Skips everything up to the next ",", line end or end of text, so that
  // the reading can go on after a statement it could not make sense of.
  void SkipToStatementEnd();
  // True when the next character is a blank, ",", a line end or the end of
  // the text: parameters must stand apart from the command word.
  bool AtBlankOrStatementEnd() const;

  std::string_view token_text() const { return token_text_; }
  // Line of the token read last, counting from 1.
  int line() const { return token_line_; }
  // The token read last as messages show it: its text in quotes for words,
  // numbers and stray characters, its name otherwise.
  std::string Describe(Token token) const;

 private:
  void SkipBlanks();
  bool AtStatementEnd() const;

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::size_t token_start_ = 0;
  int token_start_line_ = 1;
  std::string_view token_text_;
  int token_line_ = 1;
};

}  // namespace kavosim

#endif
