// Replacing the store file atomically, and clearing away what writers that
// were killed part-way left behind.
#pragma once

#include <string>

std::string reg_folder_of(const std::string &path);

// Writes `text` to a temporary file beside `path` (same permissions), syncs
// it, renames it over `path` and syncs the folder, so `path` holds either the
// old or the whole new text at every moment. Returns 0, or the errno of the
// step that failed, with `path` untouched.
int reg_replace_file(const std::string &path, const std::string &text);

// Removes the temporary files of `path` that no writer is writing. Call it
// only under the writers' lock: every live writer holds the lock for the
// whole life of its temporary file, so any one found then is a killed
// writer's.
void reg_remove_stale_temps(const std::string &path);
