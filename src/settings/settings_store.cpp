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

void set_reg_int(HKEY hKey, const char *subkey, DWORD val) {
  RegSetValueExA(hKey, subkey, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&val), 4);
}

// "flags" is an older copy of the options; "user_options", read after it,
// decides when both exist.
void load_config() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    get_reg_int(key, "animation_speed", &animation_speed);
    get_reg_int(key, "flags", &user_options);
    get_reg_int(key, "curve_segments", &curve_segments);
    get_reg_int(key, "shape_points", &shape_points);
    get_reg_int(key, "skin_id", &skin_id);
    get_reg_int(key, "func_id", &func_id);
    get_reg_int(key, "bump_speed", &bump_speed);
    get_reg_int(key, "user_options", &user_options);
    RegCloseKey(key);
  }
  apply_overrides();
  limit_to_dialog_ranges();
  select_curve();
}

void save_config() {
  HKEY key;
  DWORD disposition;
  char no_class[] = "";
  if (RegCreateKeyExA(HKEY_CURRENT_USER, config_key_name, 0, no_class, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, NULL, &key, &disposition) != ERROR_SUCCESS)
    return;
  set_reg_int(key, "animation_speed", DWORD(animation_speed));
  set_reg_int(key, "flags", DWORD(user_options));
  set_reg_int(key, "curve_segments", DWORD(curve_segments));
  set_reg_int(key, "shape_points", DWORD(shape_points));
  set_reg_int(key, "skin_id", DWORD(skin_id));
  set_reg_int(key, "func_id", DWORD(func_id));
  set_reg_int(key, "bump_speed", DWORD(bump_speed));
  set_reg_int(key, "user_options", DWORD(user_options));
  RegCloseKey(key);
}
