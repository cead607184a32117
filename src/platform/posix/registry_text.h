// The registry store's contents and their REGEDIT4 text form, the format
// Windows' registry editor imports.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

struct reg_value {
  std::string name;  // empty: the key's default value ("@")
  DWORD type;
  std::vector<BYTE> data;
};

struct reg_key {
  std::string path;  // full path with its root, e.g. "HKEY_CURRENT_USER\Software"
  std::vector<reg_value> values;
};

struct reg_tree {
  std::vector<reg_key> keys;  // in file order
};

// Registry names compare without regard to case, as on Windows.
bool reg_names_equal(const std::string &a, const std::string &b);

// Parses REGEDIT4 text (LF or CRLF line ends, optional UTF-8 BOM). Returns
// false, leaving *tree unspecified, when the text is not a well-formed file.
bool reg_parse(const std::string &text, reg_tree *tree);

// How the text is laid out. The registry editor's way is the default: CRLF
// line ends, a blank line after every key, long hex data wrapped. Packed
// leaves out the blank lines and the wrapping, so that it is never longer
// than any text that parses to the same tree with the same line ends.
struct reg_layout {
  const char *line_end = "\r\n";
  bool packed = false;
};

// The line ends `text` uses: LF when it has line ends and none is CRLF.
reg_layout reg_layout_of(const std::string &text);

// The REGEDIT4 text of *tree.
std::string reg_format(const reg_tree &tree, const reg_layout &layout = {});

// Whether a key or value name can be written to the text form and read back.
bool reg_name_storable(const std::string &name);

reg_key *reg_find_key(reg_tree *tree, const std::string &path);
reg_value *reg_find_value(reg_key *key, const std::string &name);
// The key at path, appended when it is not listed yet.
reg_key *reg_add_key(reg_tree *tree, const std::string &path);
// Replaces the value of the same name, or appends it.
void reg_set_value(reg_key *key, const reg_value &value);
// Whether the key exists: listed itself, or implied by a listed subkey.
bool reg_key_exists(const reg_tree &tree, const std::string &path);
