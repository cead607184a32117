// The Linux store keeps the registry in one file.
#include "settings/settings_location.h"

#include "platform/posix/registry_file.h"

std::string settings_location() { return reg_store_path(); }
