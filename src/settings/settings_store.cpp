// The settings loaded from and saved to one registry key of the current user.
#include "geometry/curves.h"
#include "settings/overrides.h"
#include "settings/registry_values.h"
#include "settings/settings.h"

#include <cstring>

namespace {

void clamp_to(int *value, const setting_range &range) {
  if (*value < range.low) *value = range.low;
  if (*value > range.high) *value = range.high;
}

// The other modules size buffers and loops from these, so a stored value
// outside the dialog's range is brought back into it.
void limit_to_dialog_ranges() {
  clamp_to(&animation_speed, animation_speed_range);
  clamp_to(&curve_segments, curve_segments_range);
  clamp_to(&shape_points, shape_points_range);
  clamp_to(&bump_speed, bump_speed_range);
}

// Every stored value and its setting, in the order they are read and
// written. "flags" is an older copy of the options; "user_options", read
// after it, decides when both exist.
struct stored_value {
  const char *name;
  int *setting;
};

const stored_value stored_values[] = {
    {"animation_speed", &animation_speed},
    {"flags", &user_options},
    {"curve_segments", &curve_segments},
    {"shape_points", &shape_points},
    {"skin_id", &skin_id},
    {"func_id", &func_id},
    {"bump_speed", &bump_speed},
    {"user_options", &user_options},
};

void select_curve() {
  switch (func_id) {
    case 1: curve_func = func1; break;
    case 2: curve_func = func2; break;
    case 3: curve_func = func3; break;
    default: break;  // any other id keeps the curve already selected
  }
}

}  // namespace

// The buffer starts with the current value, so a shorter value replaces only
// the low-order bytes; a failed query (missing value, or data longer than four
// bytes) leaves the setting alone whatever the platform left in the buffer.
void get_reg_int(HKEY hKey, const char *subkey, int *val) {
  BYTE buf[4];
  memcpy(buf, val, sizeof buf);
  DWORD buf_size = sizeof buf;
  if (RegQueryValueExA(hKey, subkey, NULL, NULL, buf, &buf_size) == ERROR_SUCCESS)
    memcpy(val, buf, sizeof buf);
}

LSTATUS set_reg_int(HKEY hKey, const char *subkey, DWORD val) {
  return RegSetValueExA(hKey, subkey, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&val), 4);
}

// A key the user may only read (a read-only settings file, a key whose
// permissions deny writing) is still read: only a save needs more.
void load_config() {
  HKEY key;
  LSTATUS opened = RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_ALL_ACCESS, &key);
  if (opened == ERROR_ACCESS_DENIED)
    opened = RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_QUERY_VALUE, &key);
  if (opened == ERROR_SUCCESS) {
    for (const stored_value &v : stored_values) get_reg_int(key, v.name, v.setting);
    RegCloseKey(key);
  }
  apply_overrides();
  limit_to_dialog_ranges();
  select_curve();
}

// Every value is still tried after one fails; the first failure is the one
// told. Closing the key is where a file store writes, so its status counts.
long save_config() {
  HKEY key;
  DWORD disposition;
  char no_class[] = "";
  LSTATUS status =
      RegCreateKeyExA(HKEY_CURRENT_USER, config_key_name, 0, no_class, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, NULL, &key, &disposition);
  if (status != ERROR_SUCCESS) return status;
  for (const stored_value &v : stored_values) {
    LSTATUS set = set_reg_int(key, v.name, DWORD(*v.setting));
    if (status == ERROR_SUCCESS) status = set;
  }
  LSTATUS closed = RegCloseKey(key);
  return status != ERROR_SUCCESS ? status : closed;
}
