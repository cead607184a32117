// The keyboard's keymap and modifier state, through xkbcommon: which bit of
// the compositor's modifier mask is Alt depends on the keymap it sent.
#include <sys/mman.h>
#include <xkbcommon/xkbcommon.h>

#include <cstring>

#include "platform/wayland/backend.h"

namespace {

xkb_context *context;
xkb_keymap *keymap;
xkb_state *state;

void forget_keymap() {
  if (state) xkb_state_unref(state);
  if (keymap) xkb_keymap_unref(keymap);
  state = nullptr;
  keymap = nullptr;
}

}  // namespace

void wayland_keymap(uint32_t format, int fd, uint32_t size) {
  forget_keymap();
  if (format != WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 || size == 0) return;
  void *text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  if (text == MAP_FAILED) return;
  if (!context) context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  const char *chars = static_cast<const char *>(text);
  keymap = context
               ? xkb_keymap_new_from_buffer(context, chars, strnlen(chars, size),
                                            XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS)
               : nullptr;
  munmap(text, size);
  if (keymap) state = xkb_state_new(keymap);
}

void wayland_modifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group) {
  if (state) xkb_state_update_mask(state, depressed, latched, locked, 0, 0, group);
}

bool wayland_alt_down() {
  return state &&
         xkb_state_mod_name_is_active(state, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0;
}
