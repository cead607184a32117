// The Linux store's files as the tests see them: the file the store uses,
// its text, and what else lies in its folder.
#pragma once

#include <string>
#include <vector>

std::string store_file();
std::string store_folder();

std::string read_file(const std::string &path);
void write_file(const std::string &path, const std::string &text);

// The names in a folder, sorted.
std::vector<std::string> folder_entries(const std::string &folder = store_folder());

// What the store file holds of the saver's eight values: "no file", "set N"
// when all eight hold N, else "unparsable", "mixed" or "partial: K of 8".
std::string stored_set();
