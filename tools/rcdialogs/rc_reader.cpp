#include "rc_reader.h"

#include <cctype>
#include <cstdlib>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

struct Token {
  enum Kind { WORD, NUMBER, STRING, PUNCT, LINE_END } kind;
  std::string text;
};

// Comments and preprocessor lines are dropped; strings keep their text with
// doubled quotes undone. Line ends are kept, as they end the statements that
// have no block.
std::vector<Token> tokenize(const std::string &script) {
  std::vector<Token> tokens;
  size_t i = 0, n = script.size();
  bool line_start = true;
  while (i < n) {
    char c = script[i];
    if (c == '\n') {
      if (!tokens.empty() && tokens.back().kind != Token::LINE_END)
        tokens.push_back({Token::LINE_END, "end of line"});
      line_start = true;
      i++;
    } else if (std::isspace((unsigned char)c)) {
      i++;
    } else if ((line_start && c == '#') || script.compare(i, 2, "//") == 0) {
      while (i < n && script[i] != '\n') i++;
    } else if (c == '"') {
      std::string text;
      for (i++; i < n; i++) {
        if (script[i] == '"') {
          if (i + 1 < n && script[i + 1] == '"') {
            text += '"';
            i++;
          } else {
            break;
          }
        } else {
          text += script[i];
        }
      }
      if (i >= n) throw std::runtime_error("unterminated string");
      i++;
      tokens.push_back({Token::STRING, text});
      line_start = false;
    } else if (std::isalnum((unsigned char)c) || c == '_') {
      size_t start = i;
      while (i < n && (std::isalnum((unsigned char)script[i]) || script[i] == '_')) i++;
      Token::Kind kind = std::isdigit((unsigned char)c) ? Token::NUMBER : Token::WORD;
      tokens.push_back({kind, script.substr(start, i - start)});
      line_start = false;
    } else {
      tokens.push_back({Token::PUNCT, std::string(1, c)});
      i++;
      line_start = false;
    }
  }
  return tokens;
}

// Inside a statement line ends do not matter; at the top level they end the
// statements without a block (`skip_line`).
class Reader {
 public:
  Reader(std::vector<Token> tokens, const std::map<std::string, long> &symbols)
      : tokens_(std::move(tokens)), symbols_(symbols) {}

  bool at_end() {
    skip_lines();
    return pos_ >= tokens_.size();
  }

  const Token &next() {
    if (at_end()) throw std::runtime_error("unexpected end of script");
    return tokens_[pos_++];
  }

  bool peek_word(const char *word) {
    return !at_end() && tokens_[pos_].kind == Token::WORD && tokens_[pos_].text == word;
  }

  bool peek_block_start() { return peek_word("BEGIN") || (!at_end() && tokens_[pos_].text == "{"); }

  void skip_lines() {
    while (pos_ < tokens_.size() && tokens_[pos_].kind == Token::LINE_END) pos_++;
  }

  // Skips the rest of the current line.
  void skip_line() {
    while (pos_ < tokens_.size() && tokens_[pos_].kind != Token::LINE_END) pos_++;
  }

  // Skips up to the next BEGIN ... END (or { ... }) block and through it,
  // with the blocks nested in it.
  void skip_block() {
    while (!peek_block_start()) next();
    int depth = 0;
    do {
      const std::string &text = next().text;
      if (text == "BEGIN" || text == "{") depth++;
      if (text == "END" || text == "}") depth--;
    } while (depth > 0);
  }

  std::string word() {
    const Token &token = next();
    if (token.kind != Token::WORD) throw std::runtime_error("expected a name, got " + token.text);
    return token.text;
  }

  std::string string() {
    const Token &token = next();
    if (token.kind != Token::STRING) throw std::runtime_error("expected a string, got " + token.text);
    return token.text;
  }

  void expect(const char *text) {
    const Token &token = next();
    if (token.text != text) throw std::runtime_error("expected " + std::string(text) + ", got " + token.text);
  }

  // expression: term { "|" term }
  long expression() {
    long value = term();
    while (!at_end() && tokens_[pos_].text == "|") {
      pos_++;
      value |= term();
    }
    return value;
  }

  long term() {
    const Token &token = next();
    if (token.text == "-") return -term();
    if (token.text == "(") {
      long value = expression();
      expect(")");
      return value;
    }
    if (token.kind == Token::NUMBER) return std::strtol(token.text.c_str(), nullptr, 0);
    if (token.kind == Token::WORD) {
      auto symbol = symbols_.find(token.text);
      if (symbol == symbols_.end()) throw std::runtime_error("unknown symbol " + token.text);
      return symbol->second;
    }
    throw std::runtime_error("expected a value, got " + token.text);
  }

  int number() { return (int)expression(); }

 private:
  std::vector<Token> tokens_;
  const std::map<std::string, long> &symbols_;
  size_t pos_ = 0;
};

// "x, y, cx, cy": where a dialog or a control stands and its size.
void read_box(Reader &in, int &x, int &y, int &cx, int &cy) {
  x = in.number();
  in.expect(",");
  y = in.number();
  in.expect(",");
  cx = in.number();
  in.expect(",");
  cy = in.number();
}

RcControl read_control(Reader &in) {
  RcControl control;
  control.text = in.string();
  in.expect(",");
  control.id = (int)(uint32_t)in.expression();  // 32 bits in a DIALOGEX
  in.expect(",");
  control.cls = in.string();
  in.expect(",");
  control.style = (uint32_t)in.expression();
  in.expect(",");
  read_box(in, control.x, control.y, control.cx, control.cy);
  return control;
}

RcDialog read_dialog(Reader &in, const std::string &name) {
  RcDialog dialog{name, 0, 0, 0, 0, 0, 0, "", 0, "", {}};
  read_box(in, dialog.x, dialog.y, dialog.cx, dialog.cy);
  for (;;) {
    std::string statement = in.word();
    if (statement == "STYLE") {
      dialog.style = (uint32_t)in.expression();
    } else if (statement == "EXSTYLE") {
      dialog.ex_style = (uint32_t)in.expression();
    } else if (statement == "CAPTION") {
      dialog.caption = in.string();
    } else if (statement == "FONT") {
      dialog.point_size = in.number();
      in.expect(",");
      dialog.font = in.string();
    } else if (statement == "BEGIN") {
      break;
    } else {
      throw std::runtime_error("unknown dialog statement " + statement);
    }
  }
  while (!in.peek_word("END")) {
    std::string statement = in.word();
    if (statement != "CONTROL") throw std::runtime_error("only CONTROL lines are read, not " + statement);
    dialog.controls.push_back(read_control(in));
  }
  in.expect("END");
  return dialog;
}

}  // namespace

std::map<std::string, long> read_defines(const std::string &header_text) {
  std::map<std::string, long> defines;
  std::istringstream lines(header_text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string directive, name, value;
    if (!(words >> directive >> name >> value) || directive != "#define") continue;
    if (value.front() == '(' && value.back() == ')') value = value.substr(1, value.size() - 2);
    char *end;
    long number = std::strtol(value.c_str(), &end, 0);
    if (*end == '\0') defines[name] = number;
  }
  return defines;
}

// Top level: DIALOGEX statements are read. The others are skipped: a
// statement ends with its line (ICON, RCDATA with a file name, LANGUAGE),
// or, for the kinds that have one, with its block (STRINGTABLE, VERSIONINFO,
// whose header may span lines, and the like).
std::vector<RcDialog> read_dialogs(const std::string &script,
                                   const std::map<std::string, long> &symbols) {
  static const std::set<std::string> with_blocks = {
      "STRINGTABLE", "VERSIONINFO", "ACCELERATORS", "MENU", "MENUEX", "DIALOG", "TOOLBAR"};
  Reader in(tokenize(script), symbols);
  std::vector<RcDialog> dialogs;
  while (!in.at_end()) {
    const Token first = in.next();
    if (first.kind == Token::WORD && with_blocks.count(first.text)) {  // STRINGTABLE BEGIN ...
      in.skip_block();
      continue;
    }
    const Token type = in.next();
    if (type.text == "DIALOGEX") {
      dialogs.push_back(read_dialog(in, first.text));
    } else if (with_blocks.count(type.text)) {
      in.skip_block();
    } else {
      in.skip_line();
      if (in.peek_block_start()) in.skip_block();  // inline data, as RCDATA may have
    }
  }
  return dialogs;
}
