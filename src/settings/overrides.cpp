#include "settings/overrides.h"

#include <vector>

#include "settings/settings.h"

namespace {

struct setting_override {
  int *setting;
  int value;
};

std::vector<setting_override> values;
int options_on, options_off;

}  // namespace

void override_setting(int *setting, int value) { values.push_back({setting, value}); }

void override_option(int bit, bool on) {
  (on ? options_on : options_off) |= bit;
  (on ? options_off : options_on) &= ~bit;
}

void apply_overrides() {
  for (const setting_override &o : values) *o.setting = o.value;
  user_options = (user_options & ~options_off) | options_on;
  values.clear();
  options_on = options_off = 0;
}
