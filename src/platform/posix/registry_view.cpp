#include "platform/posix/registry_view.h"

#include "platform/posix/registry_file.h"

#include <cstdlib>

namespace {

struct change {
  std::string key_path;
  bool sets_value;  // else it only creates the key
  reg_value value;
};

// The pending changes belong to the file they were made for, which the
// environment names and so may change between two opens.
std::string file;
reg_tree tree;
std::vector<change> pending;

void apply(const change &c, reg_tree *to) {
  reg_key *key = reg_add_key(to, c.key_path);
  if (c.sets_value) reg_set_value(key, c.value);
}

void save_at_exit() { reg_commit(); }

// HKEY_CURRENT_USER is used without being opened, so the first call may
// come before any open.
void load_once() {
  if (file.empty()) reg_view_reload();
}

void pend(const change &c) {
  static bool exit_save_registered = false;
  if (!exit_save_registered) exit_save_registered = atexit(save_at_exit) == 0;
  load_once();
  apply(c, &tree);
  pending.push_back(c);
}

}  // namespace

void reg_view_reload() {
  std::string path = reg_store_path();
  if (path != file) {
    reg_commit();
    file = path;
  }
  tree = reg_store_read(file);
  for (const change &c : pending) apply(c, &tree);
}

bool reg_view_has_key(const std::string &path) { return reg_key_exists(tree, path); }

const reg_value *reg_view_value(const std::string &key_path, const std::string &name) {
  load_once();
  reg_key *key = reg_find_key(&tree, key_path);
  return key ? reg_find_value(key, name) : nullptr;
}

void reg_pend_key(const std::string &path) { pend({path, false, {}}); }

void reg_pend_value(const std::string &key_path, const reg_value &value) {
  pend({key_path, true, value});
}

LSTATUS reg_commit() {
  if (pending.empty()) return ERROR_SUCCESS;
  LSTATUS status = reg_store_update(file, [](reg_tree *stored) {
    for (const change &c : pending) apply(c, stored);
    tree = *stored;
  });
  pending.clear();
  if (status != ERROR_SUCCESS) tree = reg_store_read(file);
  return status;
}
