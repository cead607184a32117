/* Gives the compositor's seat a pointer while it runs: a virtual pointer
   device, as a headless compositor has none. The test moves and clicks it
   with the compositor's own commands (swaymsg seat - cursor ...). Prints
   "ready" once the device exists; runs until it is killed or the
   compositor goes, which takes the device away. */
#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

static struct zwlr_virtual_pointer_manager_v1 *manager;
static struct wl_seat *seat;

static void on_global(void *data, struct wl_registry *registry, uint32_t name,
                      const char *interface, uint32_t version) {
  if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
    manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
  else if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
    seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
}

static void on_global_remove(void *data, struct wl_registry *registry, uint32_t name) {}

static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

int main(void) {
  struct wl_display *display = wl_display_connect(NULL);
  if (!display) {
    fprintf(stderr, "virtual_pointer: no compositor\n");
    return 1;
  }
  wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, NULL);
  wl_display_roundtrip(display);
  if (!manager || !seat) {
    fprintf(stderr, "virtual_pointer: the compositor has no virtual pointers\n");
    return 1;
  }
  struct zwlr_virtual_pointer_v1 *pointer =
      zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
  wl_display_roundtrip(display);
  if (!pointer) return 1;
  puts("ready");
  fflush(stdout);
  while (wl_display_dispatch(display) != -1) {
  }
  return 0;
}
