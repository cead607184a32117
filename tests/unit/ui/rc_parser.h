// A reader for the dialog resources of a resource script: the DIALOGEX
// statements with STYLE, EXSTYLE, CAPTION, FONT and generic CONTROL lines.
// Other resource statements (icons, raw data, string tables, version blocks)
// are skipped.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct RcControl {
  std::string text;
  int id;  // as a DIALOGEX stores it, 32 bits wide: -1 stays -1, not 65535
  std::string cls;
  uint32_t style;
  int x, y, cx, cy;
};

struct RcDialog {
  std::string name;
  int x, y, cx, cy;
  uint32_t style, ex_style;
  std::string caption;
  int point_size;
  std::string font;
  std::vector<RcControl> controls;
};

// The numeric #defines of a header ("NAME value" or "NAME (value)").
std::map<std::string, long> read_defines(const std::string &header_text);

// The dialogs of `script`, with symbols resolved through `symbols`. Throws
// std::runtime_error naming the problem when the script cannot be read.
std::vector<RcDialog> read_dialogs(const std::string &script,
                                   const std::map<std::string, long> &symbols);
