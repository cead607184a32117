// Keeping a store file that does not parse before it is replaced.
#pragma once

#include <string>

// Keeps `path` as <path>.bad, or the first free one of <path>.bad.1 to
// <path>.bad.9, never over an earlier backup, and says so on stderr. False
// when no backup was made (all ten taken, or the folder refused the link).
bool reg_back_up(const std::string &path);
