#include "rc_parser.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace {

struct Token {
  enum Kind { WORD, NUMBER, STRING, PUNCT } kind;
  std::string text;
};

// Comments and preprocessor lines are dropped; strings keep their text with
// doubled quotes undone.
std::vector<Token> tokenize(const std::string &script) {
  std::vector<Token> tokens;
  size_t i = 0, n = script.size();
  bool line_start = true;
  while (i < n) {
    char c = script[i];
    if (c == '\n') {
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

class Reader {
 public:
  Reader(std::vector<Token> tokens, const std::map<std::string, long> &symbols)
      : tokens_(std::move(tokens)), symbols_(symbols) {}

  bool at_end() const { return pos_ >= tokens_.size(); }

  const Token &next() {
    if (at_end()) throw std::runtime_error("unexpected end of script");
    return tokens_[pos_++];
  }

  bool peek_word(const char *word) const {
    return !at_end() && tokens_[pos_].kind == Token::WORD && tokens_[pos_].text == word;
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

  // The rest of a resource statement this reader does not know: up to its
  // file name, or through its BEGIN ... END block (nested blocks included).
  void skip_resource() {
    for (;;) {
      const Token &token = next();
      if (token.kind == Token::STRING) return;
      if (token.kind == Token::WORD && token.text == "BEGIN") break;
    }
    for (int depth = 1; depth > 0;) {
      const Token &token = next();
      if (token.kind != Token::WORD) continue;
      if (token.text == "BEGIN") depth++;
      if (token.text == "END") depth--;
    }
  }

 private:
  std::vector<Token> tokens_;
  const std::map<std::string, long> &symbols_;
  size_t pos_ = 0;
};

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
  control.x = in.number();
  in.expect(",");
  control.y = in.number();
  in.expect(",");
  control.cx = in.number();
  in.expect(",");
  control.cy = in.number();
  return control;
}

RcDialog read_dialog(Reader &in, const std::string &name) {
  RcDialog dialog{name, 0, 0, 0, 0, 0, 0, "", 0, "", {}};
  dialog.x = in.number();
  in.expect(",");
  dialog.y = in.number();
  in.expect(",");
  dialog.cx = in.number();
  in.expect(",");
  dialog.cy = in.number();
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

// Top level: "name TYPE ..." statements and the nameless STRINGTABLE;
// DIALOGEX ones are read, the others (ICON and RCDATA with a file name,
// VERSIONINFO and STRINGTABLE blocks) skipped.
std::vector<RcDialog> read_dialogs(const std::string &script,
                                   const std::map<std::string, long> &symbols) {
  Reader in(tokenize(script), symbols);
  std::vector<RcDialog> dialogs;
  while (!in.at_end()) {
    std::string name = in.next().text;
    if (name == "STRINGTABLE") {
      in.skip_resource();
      continue;
    }
    std::string type = in.word();
    if (type == "DIALOGEX")
      dialogs.push_back(read_dialog(in, name));
    else
      in.skip_resource();
  }
  return dialogs;
}
