#include "route_check.h"

#include <cstdlib>
#include <string>

#include "command_shapes.h"
#include "core/rteprocs.h"
#include "route_lexer.h"

namespace kavosim {

namespace {

using Token = RouteLexer::Token;

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole number or decimal with an optional sign: "25", "-0.02", "3.", ".5".
bool IsNumberText(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

bool IsStatementEnd(Token token) {
  return token == RouteLexer::kComma || token == RouteLexer::kLineEnd || token == RouteLexer::kEnd;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Reads statement after statement and fills the summary. Every Parse
// function returns false after it has recorded a problem; the caller then
// skips the rest of the statement and goes on with the next one.
class RouteParser {
 public:
  RouteParser(std::string_view text, RouteSummary* summary) : lexer_(text), summary_(summary) {}

  void Parse() {
    while (!done_) ParseStatement();
  }

 private:
  void ParseStatement() {
    Token token = lexer_.ReadToken();
    bool ok = true;
    switch (token) {
      case RouteLexer::kComma:
      case RouteLexer::kLineEnd:
        return;  // empty statement
      case RouteLexer::kEnd:
        done_ = true;
        return;
      case RouteLexer::kSemicolon:
        // A comment runs to the end of the statement.
        lexer_.SkipToStatementEnd();
        ++summary_->comments;
        return;
      case RouteLexer::kNumber:
        ok = ParsePosition();
        break;
      case RouteLexer::kWord:
        ok =
            EqualsIgnoringCase(lexer_.token_text(), "with") ? ParseSectionHeader() : ParseCommand();
        break;
      default:
        ok = Expected("a track position, section header or command", token);
        break;
    }
    if (!ok) Recover();
  }

  bool ParsePosition() {
    std::string_view text = lexer_.token_text();
    if (text[0] == '-')
      return Problem("expected a track position of 0 or more, got " + Quoted(text));
    std::string position(text);
    if (!ExpectStatementEnd()) return false;
    double value = std::strtod(position.c_str(), nullptr);
    if (!summary_->has_position || value > summary_->highest_position) {
      summary_->highest_position = value;
    }
    summary_->has_position = true;
    summary_->last_position = position;
    ++summary_->positions;
    return true;
  }

  bool ParseSectionHeader() {
    Token token = lexer_.ReadToken();
    if (token == RouteLexer::kWord) {
      for (const std::string& name : SectionNames()) {
        if (EqualsIgnoringCase(lexer_.token_text(), name)) {
          if (!ExpectStatementEnd()) return false;
          ++summary_->section_headers;
          return true;
        }
      }
    }
    std::string names;
    for (const std::string& name : SectionNames()) names += (names.empty() ? "" : ", ") + name;
    return Expected("a section name (" + names + ")", token);
  }

  bool ParseCommand() {
    std::string head(lexer_.token_text());
    std::vector<const CommandShape*> candidates;
    for (const CommandShape& shape : CommandShapes()) {
      if (EqualsIgnoringCase(head, shape.head)) candidates.push_back(&shape);
    }
    if (candidates.empty())
      return Problem("expected a known command, got " + lexer_.Describe(RouteLexer::kWord));

    // Numbers in brackets: ".rail(0)", ".pole(0;1)", "signal(3)".
    int numbers = 0;
    if (lexer_.PeekToken(RouteLexer::kLeftParen)) {
      do {
        Token token = lexer_.ReadToken();
        if (token != RouteLexer::kNumber)
          return Expected("a number in the brackets of " + Quoted(head), token);
        ++numbers;
      } while (lexer_.PeekToken(RouteLexer::kSemicolon));
      Token token = lexer_.ReadToken();
      if (token != RouteLexer::kRightParen) return Expected("')'", token);
    }
    Keep(&candidates, [numbers](const CommandShape& s) { return s.bracket_numbers == numbers; });
    if (candidates.empty()) return BracketProblem(head, numbers);

    // A word right after the brackets: "signal(0).load", ".timetable(1).day.load".
    bool wants_suffix = false;
    for (const CommandShape* s : candidates) wants_suffix = wants_suffix || !s->suffix.empty();
    if (wants_suffix) {
      std::string expected;
      for (const CommandShape* s : candidates)
        expected += (expected.empty() ? "" : " or ") + Quoted(s->suffix);
      Token token = lexer_.ReadToken();
      if (token != RouteLexer::kWord) return Expected(expected, token);
      std::string suffix(lexer_.token_text());
      Keep(&candidates,
           [&suffix](const CommandShape& s) { return EqualsIgnoringCase(s.suffix, suffix); });
      if (candidates.empty()) return Expected(expected, token);
    }

    // The parameters: after "=" for "$sub(1)=...", else after a blank.
    std::string_view parameters;
    if (lexer_.PeekToken(RouteLexer::kEquals)) {
      Keep(&candidates, [](const CommandShape& s) {
        return s.parameters == CommandShape::Parameters::kAfterEquals;
      });
      if (candidates.empty()) return Expected("parameters after a blank", RouteLexer::kEquals);
      parameters = lexer_.ReadFreeText();
    } else {
      Keep(&candidates, [](const CommandShape& s) {
        return s.parameters != CommandShape::Parameters::kAfterEquals;
      });
      if (candidates.empty()) return Expected("'='", PeekAny());
      bool takes_parameters = false;
      for (const CommandShape* s : candidates) {
        takes_parameters =
            takes_parameters || s->parameters == CommandShape::Parameters::kAfterBlank;
      }
      if (takes_parameters) {
        if (!lexer_.AtBlankOrStatementEnd())
          return Expected("a blank before the parameters", PeekAny());
        parameters = lexer_.ReadFreeText();
      }
    }

    bool numeric = true;
    for (const CommandShape* s : candidates) numeric = numeric && s->numeric;
    if (numeric && !CheckNumbers(head, parameters)) return false;

    if (!ExpectStatementEnd()) return false;
    const CommandShape& shape = *candidates.front();
    Record(shape, parameters);
    return true;
  }

  // Every parameter of a number-only command must be a number; an empty
  // one (a field the writer had no value for) is let through.
  bool CheckNumbers(const std::string& head, std::string_view parameters) {
    int k = 1;
    while (true) {
      std::size_t cut = parameters.find(';');
      std::string_view piece = TrimBlanks(parameters.substr(0, cut));
      if (!piece.empty() && !IsNumberText(piece)) {
        return Problem("expected a number as parameter " + std::to_string(k) + " of " +
                       Quoted(head) + ", got " + Quoted(piece.substr(0, 40)));
      }
      if (cut == std::string_view::npos) return true;
      parameters.remove_prefix(cut + 1);
      ++k;
    }
  }

  void Record(const CommandShape& shape, std::string_view parameters) {
    switch (shape.kind) {
      case CommandKind::kDefinition:
        ++summary_->definitions;
        break;
      case CommandKind::kTrack:
        ++summary_->track_commands;
        break;
      case CommandKind::kSubstitution:
        ++summary_->substitutions;
        break;
    }
    std::string_view first = TrimBlanks(parameters.substr(0, parameters.find(';')));
    if (shape.head == "route.developerid") {
      summary_->developer_id = std::string(parameters);
    } else if (shape.head == ".folder") {
      summary_->train_folder = std::string(first);
    } else if (shape.head == ".marker" && !first.empty()) {
      summary_->marker_pictures.emplace(std::string(first), lexer_.line());
    }
  }

  bool BracketProblem(const std::string& head, int numbers) {
    std::string expected;
    for (const CommandShape& s : CommandShapes()) {
      if (!EqualsIgnoringCase(head, s.head)) continue;
      std::string form = s.bracket_numbers == 0
                             ? "no brackets"
                             : std::to_string(s.bracket_numbers) + " in brackets";
      if (expected.find(form) == std::string::npos)
        expected += (expected.empty() ? "" : " or ") + form;
    }
    std::string got = numbers == 0 ? "no brackets" : std::to_string(numbers) + " in brackets";
    return Problem("expected " + Quoted(head) + " with " + expected + ", got " + got);
  }

  bool ExpectStatementEnd() {
    Token token = lexer_.ReadToken();
    if (token == RouteLexer::kEnd) done_ = true;
    if (IsStatementEnd(token)) return true;
    return Expected("',' or line end", token);
  }

  // Reads the next token for a message and puts it back.
  Token PeekAny() {
    Token token = lexer_.ReadToken();
    lexer_.UnreadToken();
    return token;
  }

  // After a problem: go on after the statement. When the offending token
  // was itself the end of the statement, it is read again as such.
  void Recover() {
    if (IsStatementEnd(last_problem_token_)) {
      lexer_.UnreadToken();
    } else {
      lexer_.SkipToStatementEnd();
    }
  }

  bool Expected(const std::string& what, Token got) {
    last_problem_token_ = got;
    return AddProblem("expected " + what + ", got " + lexer_.Describe(got));
  }

  bool Problem(const std::string& message) {
    last_problem_token_ = RouteLexer::kWord;
    return AddProblem(message);
  }

  bool AddProblem(const std::string& message) {
    ++summary_->problem_count;
    if (summary_->problems.size() < kListedProblems) {
      summary_->problems.push_back("line " + std::to_string(lexer_.line()) + ": " + message);
    }
    return false;
  }

  template <typename Predicate>
  static void Keep(std::vector<const CommandShape*>* shapes, Predicate keep) {
    std::vector<const CommandShape*> kept;
    for (const CommandShape* s : *shapes) {
      if (keep(*s)) kept.push_back(s);
    }
    shapes->swap(kept);
  }

  RouteLexer lexer_;
  RouteSummary* summary_;
  bool done_ = false;
  Token last_problem_token_ = RouteLexer::kWord;
};

long CountLines(std::string_view text) {
  long lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
      ++lines;
  }
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') ++lines;
  return lines;
}

}  // namespace

RouteSummary CheckRoute(std::string_view text) {
  RouteSummary summary;
  summary.lines = CountLines(text);
  RouteParser parser(text, &summary);
  parser.Parse();
  return summary;
}

}  // namespace kavosim
