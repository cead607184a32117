// The store as this process sees it: the file as read at the last key open,
// with the changes made since on top. Changes are seen at once through every
// handle and reach the file together, in one atomic save, when a key is
// closed; whatever is still pending when the process exits is saved then.
#pragma once

#include "platform/posix/registry_text.h"

// Reads the store file again: once per key open, never per value.
void reg_view_reload();

bool reg_view_has_key(const std::string &path);
// Null when the key or the value does not exist.
const reg_value *reg_view_value(const std::string &key_path, const std::string &name);

void reg_pend_key(const std::string &path);
void reg_pend_value(const std::string &key_path, const reg_value &value);

// Saves every pending change at once. Afterwards the view is the file as
// saved, or, when the save failed, the file as it is (the changes are
// dropped). ERROR_SUCCESS when nothing was pending.
LSTATUS reg_commit();
