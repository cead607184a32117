// Settings chosen for one run only, such as an XScreenSaver hack's options:
// the next load_config puts them over the stored values. They never reach
// the store, since a run that has them never saves.
#pragma once

// `setting` is one of the variables of settings.h.
void override_setting(int *setting, int value);
// Sets (on) or clears one OPT_* bit of user_options.
void override_option(int bit, bool on);

// For load_config: applies the overrides to the variables and forgets them.
void apply_overrides();
