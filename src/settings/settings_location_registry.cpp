#include "settings/settings_location.h"

#include "settings/settings.h"

std::string settings_location() { return std::string("HKEY_CURRENT_USER\\") + config_key_name; }
