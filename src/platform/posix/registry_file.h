// The registry store's file: where it lives, reading it, and changing it
// safely when several processes write at once or a writer is killed.
#pragma once

#include "platform/posix/registry_text.h"

#include <cstddef>
#include <functional>

// The largest store file read. The saver's own key takes about 330 bytes; a
// file a few thousand times that is not a settings file, and refusing it
// keeps a stray device, pipe or huge file from stalling the saver's start.
constexpr size_t reg_store_size_limit = size_t(1) << 20;

// $TORVANE_REGISTRY, else $XDG_CONFIG_HOME/torvane/registry.reg, else
// ~/.config/torvane/registry.reg.
std::string reg_store_path();

// Why the store at `path` may not be changed, or empty when it may: the file
// (a link's target), or the folder that holds or would hold it, lacks write
// permission. A file without write bits counts as read-only even for root.
std::string reg_store_why_read_only(const std::string &path);

// Says on stderr that a change to the store at `path` is lost, and why;
// returns `status`.
LSTATUS reg_store_refused(const std::string &path, const std::string &why, LSTATUS status);

// The store's contents. Anything but a regular file of at most
// reg_store_size_limit bytes that parses reads as empty: missing, refused
// (a FIFO, a device, a folder, too large, unreadable) or unparsable.
reg_tree reg_store_read(const std::string &path);

// One atomic save: under the writers' lock, reads the store, lets `change`
// edit the contents and replaces the file (a link's target, so the link
// stays) with the result. A file that does not parse is first kept as a
// backup (<file>.bad, .bad.1 ... .bad.9, never over an earlier one); a
// refused file, or an unparsable one with no backup name left, is never
// replaced, and neither is one whose new text the reader would refuse as too
// large. The new text keeps the old one's line ends. On failure the old file
// is untouched, a line on stderr says why, and the Win32 status tells the
// kind: ERROR_ACCESS_DENIED, ERROR_PATH_NOT_FOUND, ERROR_DISK_FULL,
// ERROR_FILE_TOO_LARGE or ERROR_WRITE_FAULT.
LSTATUS reg_store_update(const std::string &path, const std::function<void(reg_tree *)> &change);
