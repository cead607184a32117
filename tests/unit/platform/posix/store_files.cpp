#include "store_files.h"

#include "platform/posix/registry_text.h"
#include "stored_settings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

std::string store_file() { return getenv("TORVANE_REGISTRY"); }

std::string store_folder() { return fs::path(store_file()).parent_path().string(); }

std::string read_file(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string &path, const std::string &text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> folder_entries(const std::string &folder) {
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string stored_set() {
  if (!fs::exists(store_file())) return "no file";
  reg_tree tree;
  if (!reg_parse(read_file(store_file()), &tree)) return "unparsable";
  reg_key *key = reg_find_key(&tree, std::string("HKEY_CURRENT_USER\\") + config_key_name);
  std::set<DWORD> numbers;
  int found = 0;
  for (const char *name : setting_value_names) {
    const reg_value *v = key ? reg_find_value(key, name) : nullptr;
    if (!v || v->type != REG_DWORD || v->data.size() != 4) continue;
    ++found;
    numbers.insert(v->data[0] | v->data[1] << 8 | v->data[2] << 16 | DWORD(v->data[3]) << 24);
  }
  if (found < 8) return "partial: " + std::to_string(found) + " of 8";
  if (numbers.size() > 1) return "mixed";
  return "set " + std::to_string(*numbers.begin());
}
