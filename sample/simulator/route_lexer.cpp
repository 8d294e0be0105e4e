#include "route_lexer.h"

#include <cstdio>

namespace kavosim {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

// Longest piece of a token shown in a message; longer ones end in "...".
constexpr std::size_t kShownTokenLength = 40;

}  // namespace

RouteLexer::RouteLexer(std::string_view text) : text_(text) {}

const char* RouteLexer::TokenName(Token token) {
  switch (token) {
    case kError:
      return "unexpected character";
    case kNumber:
      return "number";
    case kWord:
      return "word";
    case kLeftParen:
      return "'('";
    case kRightParen:
      return "')'";
    case kSemicolon:
      return "';'";
    case kEquals:
      return "'='";
    case kComma:
      return "','";
    case kLineEnd:
      return "line end";
    case kEnd:
      return "end of file";
  }
  return "?";
}

void RouteLexer::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

bool RouteLexer::AtStatementEnd() const {
  if (pos_ >= text_.size()) return true;
  char c = text_[pos_];
  return c == ',' || c == '\r' || c == '\n';
}

RouteLexer::Token RouteLexer::ReadToken() {
  SkipBlanks();
  token_start_ = pos_;
  token_start_line_ = line_;
  token_line_ = line_;
  Token token;
  if (pos_ >= text_.size()) {
    token = kEnd;
  } else {
    char c = text_[pos_];
    char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
    char after = pos_ + 2 < text_.size() ? text_[pos_ + 2] : '\0';
    bool number_start =
        IsDigit(c) || (c == '.' && IsDigit(next)) ||
        ((c == '-' || c == '+') && (IsDigit(next) || (next == '.' && IsDigit(after))));
    if (number_start) {
      ++pos_;
      bool seen_point = c == '.';
      while (pos_ < text_.size()) {
        char d = text_[pos_];
        if (IsDigit(d)) {
          ++pos_;
        } else if (d == '.' && !seen_point) {
          seen_point = true;
          ++pos_;
        } else {
          break;
        }
      }
      token = kNumber;
    } else if (IsLetter(c) || ((c == '.' || c == '$') && IsLetter(next))) {
      ++pos_;
      while (pos_ < text_.size() &&
             (IsLetter(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.')) {
        ++pos_;
      }
      token = kWord;
    } else {
      ++pos_;
      switch (c) {
        case '(':
          token = kLeftParen;
          break;
        case ')':
          token = kRightParen;
          break;
        case ';':
          token = kSemicolon;
          break;
        case '=':
          token = kEquals;
          break;
        case ',':
          token = kComma;
          break;
        case '\n':
          token = kLineEnd;
          ++line_;
          break;
        case '\r':
          if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
          token = kLineEnd;
          ++line_;
          break;
        default:
          token = kError;
          break;
      }
    }
  }
  token_text_ = text_.substr(token_start_, pos_ - token_start_);
  return token;
}

bool RouteLexer::PeekToken(Token token) {
  // The lexer is a handful of positions over a view: a copy restores it.
  RouteLexer saved = *this;
  if (ReadToken() == token) return true;
  *this = saved;
  return false;
}

void RouteLexer::UnreadToken() {
  pos_ = token_start_;
  line_ = token_start_line_;
}

std::string_view RouteLexer::ReadFreeText() {
  SkipBlanks();
  std::size_t start = pos_;
  token_line_ = line_;
  while (!AtStatementEnd()) ++pos_;
  std::size_t end = pos_;
  while (end > start && IsBlank(text_[end - 1])) --end;
  return text_.substr(start, end - start);
}

bool RouteLexer::AtBlankOrStatementEnd() const { return AtStatementEnd() || IsBlank(text_[pos_]); }

void RouteLexer::SkipToStatementEnd() {
  while (!AtStatementEnd()) ++pos_;
}

std::string RouteLexer::Describe(Token token) const {
  switch (token) {
    case kNumber:
    case kWord: {
      std::string shown(token_text_.substr(0, kShownTokenLength));
      if (token_text_.size() > kShownTokenLength) shown += "...";
      return "'" + shown + "'";
    }
    case kError: {
      unsigned char c = token_text_.empty() ? 0 : static_cast<unsigned char>(token_text_[0]);
      if (c > 32 && c < 127) return std::string("'") + static_cast<char>(c) + "'";
      char hex[40];
      std::snprintf(hex, sizeof hex, "unexpected character 0x%02X", c);
      return hex;
    }
    default:
      return TokenName(token);
  }
}

}  // namespace kavosim
