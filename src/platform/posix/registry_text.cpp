// REGEDIT4 text: reading it defensively (any input, no read past the text)
// and writing it as Windows' registry editor does.
#include "platform/posix/registry_text.h"

#include <cstddef>
#include <cstdio>
#include <unordered_map>

namespace {

// Longest hex line before its trailing backslash, as the registry editor wraps.
const size_t hex_wrap_column = 78;

char fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool starts_with_folded(const std::string &s, size_t pos, const char *prefix) {
  for (size_t i = 0; prefix[i] != '\0'; ++i) {
    if (pos + i >= s.size() || fold(s[pos + i]) != prefix[i]) return false;
  }
  return true;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = fold(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string> split_lines(const std::string &text) {
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  std::vector<std::string> lines;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t first = start, last = end;
    while (first < last && is_blank(text[first])) ++first;
    while (last > first && is_blank(text[last - 1])) --last;
    lines.push_back(text.substr(first, last - first));
    start = end + 1;
  }
  return lines;
}

// A quoted text with \\ and \" escapes starting at s[*pos] == '"'; leaves
// *pos after the closing quote.
bool parse_quoted(const std::string &s, size_t *pos, std::string *out) {
  if (*pos >= s.size() || s[*pos] != '"') return false;
  out->clear();
  for (size_t i = *pos + 1; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      *pos = i + 1;
      return true;
    }
    if (c == '\\') {
      if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return false;
      c = s[++i];
    }
    out->push_back(c);
  }
  return false;
}

// The hex digits s[pos..end), at most eight.
bool parse_hex_number(const std::string &s, size_t pos, size_t end, DWORD *out) {
  if (end <= pos || end - pos > 8 || end > s.size()) return false;
  DWORD value = 0;
  for (size_t i = pos; i < end; ++i) {
    int d = hex_digit(s[i]);
    if (d < 0) return false;
    value = value * 16 + DWORD(d);
  }
  *out = value;
  return true;
}

// Comma-separated two-digit hex bytes ("" is no bytes).
bool parse_hex_bytes(const std::string &s, std::vector<BYTE> *out) {
  out->clear();
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && is_blank(s[i])) ++i;
    DWORD value;
    if (!parse_hex_number(s, i, i + 2, &value)) return false;
    out->push_back(BYTE(value));
    i += 2;
    while (i < s.size() && is_blank(s[i])) ++i;
    if (i == s.size()) return true;
    if (s[i] != ',') return false;
    if (++i == s.size()) return false;
  }
  return true;
}

// The data after "name"=; may take continuation lines of hex data.
bool parse_data(const std::vector<std::string> &lines, size_t *line, size_t pos, reg_value *v) {
  const std::string &s = lines[*line];
  if (pos < s.size() && s[pos] == '"') {
    std::string text;
    if (!parse_quoted(s, &pos, &text) || pos != s.size()) return false;
    v->type = REG_SZ;
    v->data.assign(text.begin(), text.end());
    v->data.push_back(0);
    return true;
  }
  if (starts_with_folded(s, pos, "dword:")) {
    // Always eight digits, so a line cut short is refused, not misread.
    DWORD number;
    if (s.size() != pos + 14 || !parse_hex_number(s, pos + 6, s.size(), &number)) return false;
    v->type = REG_DWORD;
    v->data = {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
    return true;
  }
  if (starts_with_folded(s, pos, "hex:")) {
    v->type = REG_BINARY;
    pos += 4;
  } else if (starts_with_folded(s, pos, "hex(")) {
    size_t close = s.find("):", pos + 4);
    if (close == std::string::npos || !parse_hex_number(s, pos + 4, close, &v->type))
      return false;
    pos = close + 2;
  } else {
    return false;
  }
  std::string bytes = s.substr(pos);
  while (!bytes.empty() && bytes.back() == '\\') {
    bytes.pop_back();
    if (++*line >= lines.size()) return false;
    bytes += lines[*line];
  }
  return parse_hex_bytes(bytes, &v->data);
}

bool valid_key_path(const std::string &path) {
  if (!starts_with_folded(path, 0, "hkey_") || path.back() == '\\') return false;
  return path.find("\\\\") == std::string::npos;
}

std::string quoted(const std::string &s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out + "\"";
}

bool is_plain_string(const std::vector<BYTE> &data) {
  if (data.empty() || data.back() != 0) return false;
  for (size_t i = 0; i + 1 < data.size(); ++i) {
    if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
  }
  return true;
}

void append_hex_bytes(const std::vector<BYTE> &data, const reg_layout &layout, std::string *out) {
  static const char digits[] = "0123456789abcdef";
  size_t line_start = out->rfind('\n') + 1;  // npos + 1 == 0: the first line
  for (size_t i = 0; i < data.size(); ++i) {
    std::string token{digits[data[i] >> 4], digits[data[i] & 15]};
    if (i + 1 < data.size()) token.push_back(',');
    if (!layout.packed && i > 0 && out->size() - line_start + token.size() > hex_wrap_column) {
      *out += std::string("\\") + layout.line_end + "  ";
      line_start = out->size() - 2;
    }
    *out += token;
  }
}

void append_value(const reg_value &v, const reg_layout &layout, std::string *out) {
  *out += v.name.empty() ? std::string("@") : quoted(v.name);
  *out += '=';
  if (v.type == REG_SZ && is_plain_string(v.data)) {
    *out += quoted(std::string(v.data.begin(), v.data.end() - 1));
  } else if (v.type == REG_DWORD && v.data.size() == 4) {
    char text[16];
    unsigned number = v.data[0] | v.data[1] << 8 | v.data[2] << 16 | unsigned(v.data[3]) << 24;
    snprintf(text, sizeof text, "dword:%08x", number);
    *out += text;
  } else {
    if (v.type == REG_BINARY) {
      *out += "hex:";
    } else {
      char text[24];
      snprintf(text, sizeof text, "hex(%x):", unsigned(v.type));
      *out += text;
    }
    append_hex_bytes(v.data, layout, out);
  }
  *out += layout.line_end;
}

// The keys and values parsed so far, by folded name, so that a file with
// many of them parses in linear time.
struct parse_index {
  reg_tree *tree;
  std::unordered_map<std::string, size_t> keys;    // path -> index in tree->keys
  std::unordered_map<std::string, size_t> values;  // key index '\n' name -> index in its values
};

std::string folded(const std::string &s) {
  std::string out = s;
  for (char &c : out) c = fold(c);
  return out;
}

// As reg_add_key, giving the key's index.
size_t indexed_key(parse_index *index, const std::string &path) {
  auto added = index->keys.try_emplace(folded(path), index->tree->keys.size());
  if (added.second) index->tree->keys.push_back(reg_key{path, {}});
  return added.first->second;
}

// As reg_set_value.
void indexed_set_value(parse_index *index, size_t key, const reg_value &value) {
  std::vector<reg_value> &values = index->tree->keys[key].values;
  auto added =
      index->values.try_emplace(std::to_string(key) + '\n' + folded(value.name), values.size());
  if (added.second)
    values.push_back(value);
  else
    values[added.first->second] = value;
}

}  // namespace

bool reg_names_equal(const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

bool reg_name_storable(const std::string &name) {
  return name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

reg_key *reg_find_key(reg_tree *tree, const std::string &path) {
  for (reg_key &key : tree->keys) {
    if (reg_names_equal(key.path, path)) return &key;
  }
  return nullptr;
}

reg_value *reg_find_value(reg_key *key, const std::string &name) {
  for (reg_value &v : key->values) {
    if (reg_names_equal(v.name, name)) return &v;
  }
  return nullptr;
}

reg_key *reg_add_key(reg_tree *tree, const std::string &path) {
  reg_key *key = reg_find_key(tree, path);
  if (key) return key;
  tree->keys.push_back(reg_key{path, {}});
  return &tree->keys.back();
}

void reg_set_value(reg_key *key, const reg_value &value) {
  reg_value *old = reg_find_value(key, value.name);
  if (old)
    *old = value;
  else
    key->values.push_back(value);
}

bool reg_key_exists(const reg_tree &tree, const std::string &path) {
  for (const reg_key &key : tree.keys) {
    if (key.path.size() < path.size() || !reg_names_equal(key.path.substr(0, path.size()), path))
      continue;
    if (key.path.size() == path.size() || key.path[path.size()] == '\\') return true;
  }
  return false;
}

bool reg_parse(const std::string &text, reg_tree *tree) {
  std::vector<std::string> lines = split_lines(text);
  tree->keys.clear();
  size_t line = 0;
  while (line < lines.size() && lines[line].empty()) ++line;
  if (line == lines.size() || lines[line] != "REGEDIT4") return false;
  parse_index index = {tree, {}, {}};
  const size_t no_key = size_t(-1);
  size_t key = no_key;
  for (++line; line < lines.size(); ++line) {
    const std::string &s = lines[line];
    if (s.empty() || s[0] == ';') continue;
    if (s[0] == '[') {
      if (s.size() < 3 || s.back() != ']') return false;
      std::string path = s.substr(1, s.size() - 2);
      if (!valid_key_path(path)) return false;
      key = indexed_key(&index, path);
      continue;
    }
    if (key == no_key) return false;
    reg_value v;
    size_t pos = 0;
    if (s[0] == '@')
      pos = 1;
    else if (!parse_quoted(s, &pos, &v.name))
      return false;
    if (pos >= s.size() || s[pos] != '=') return false;
    if (!parse_data(lines, &line, pos + 1, &v)) return false;
    indexed_set_value(&index, key, v);
  }
  return true;
}

reg_layout reg_layout_of(const std::string &text) {
  reg_layout layout;
  if (text.find('\n') != std::string::npos && text.find("\r\n") == std::string::npos)
    layout.line_end = "\n";
  return layout;
}

std::string reg_format(const reg_tree &tree, const reg_layout &layout) {
  const std::string eol = layout.line_end;
  const std::string gap = layout.packed ? "" : eol;
  std::string out = "REGEDIT4" + eol + gap;
  for (const reg_key &key : tree.keys) {
    out += "[" + key.path + "]" + eol;
    for (const reg_value &v : key.values) append_value(v, layout, &out);
    out += gap;
  }
  return out;
}
