// The registry store's file: where it lives, reading it, and changing it
// safely when several processes write at once.
#pragma once

#include "platform/posix/registry_text.h"

#include <functional>

// $TORVANE_REGISTRY, else $XDG_CONFIG_HOME/torvane/registry.reg, else
// ~/.config/torvane/registry.reg.
std::string reg_store_path();

// Whether the store may be changed: the file, or the folder that would hold
// it, has write permission (a file without write bits counts as read-only
// even for root).
bool reg_store_writable();

// The store's contents; a missing file, or one that does not parse, is empty.
reg_tree reg_store_read();

// Reads the store under the writers' lock, lets `change` edit the contents
// and, when it returns true, replaces the file atomically with the result.
// A file that does not parse is moved aside to <file>.bad (with a line on
// stderr) before it is replaced. Returns a Win32 status.
LSTATUS reg_store_update(const std::function<bool(reg_tree *)> &change);
