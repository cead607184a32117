// Where the settings are kept, in the words a user would look for them by.
#pragma once

#include <string>

// The registry key on Windows, the settings file on Linux.
std::string settings_location();
