// Saver windows: creating, sizing, showing and destroying them. A
// full-screen window covers its output, as a layer surface
// (layer_shell.cpp) or as a full-screen xdg-shell toplevel on it; its size
// is what the compositor's configure events say, in the output's pixels:
// its buffers have the output's scale, so the picture is as sharp there as
// on any other output.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>

#include "platform/wayland/backend.h"
#include "platform/wayland/display.h"

namespace {

UINT_PTR last_handle;

// The window of a native window, once it is in the window table.
window_record *window_with_native(const native_window *n) { return wayland_window_of(n->surface); }

// The window's size in pixels follows the latest configure and the
// output's scale. The pending frame is presented first, at the scale it was
// drawn for; the new scale goes with the next frame's buffer.
void follow_size(window_record *w) {
  native_window *n = w->native;
  int scale = wayland_output_scale();
  if (n->next_width > 0 && n->next_height > 0)
    window_resized(w, n->next_width * scale, n->next_height * scale);
  if (n->buffer_scale != scale) {
    n->buffer_scale = scale;
    wl_surface_set_buffer_scale(n->surface, scale);
  }
}

void on_toplevel_configure(void *data, xdg_toplevel *, int32_t width, int32_t height, wl_array *) {
  native_window *n = static_cast<native_window *>(data);
  n->next_width = width;
  n->next_height = height;
}

void on_toplevel_close(void *data, xdg_toplevel *) {
  if (window_record *w = window_with_native(static_cast<native_window *>(data)))
    window_close_requested(w);
}

// Events of later versions than the one bound never come: null.
const xdg_toplevel_listener toplevel_listener = {on_toplevel_configure, on_toplevel_close, nullptr,
                                                 nullptr};

void on_surface_configure(void *data, xdg_surface *xdg, uint32_t serial) {
  xdg_surface_ack_configure(xdg, serial);
  wayland_configured(static_cast<native_window *>(data));
}

const xdg_surface_listener surface_listener = {on_surface_configure};

void on_buffer_release(void *, wl_buffer *buffer) { wl_buffer_destroy(buffer); }
const wl_buffer_listener buffer_listener = {on_buffer_release};

// A black picture the size of the window, so that it covers the screen and
// takes input from the moment it is shown, also when GL never draws on it.
// A new shared-memory file is all zeros: black in XRGB.
void show_black(window_record *w) {
  int stride = w->width * 4;
  size_t size = static_cast<size_t>(stride) * w->height;
  int fd = memfd_create("torvane-black", MFD_CLOEXEC);
  if (fd < 0) return;
  if (ftruncate(fd, static_cast<off_t>(size)) == 0) {
    wl_shm_pool *pool = wl_shm_create_pool(wayland()->shm, fd, static_cast<int32_t>(size));
    wl_buffer *buffer =
        wl_shm_pool_create_buffer(pool, 0, w->width, w->height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    wl_buffer_add_listener(buffer, &buffer_listener, nullptr);
    wl_surface_attach(w->native->surface, buffer, 0, 0);
    wl_surface_damage(w->native->surface, 0, 0, w->width, w->height);
    wl_surface_commit(w->native->surface);
  }
  close(fd);
}

// A full-screen toplevel asks for the saver's output (null: the
// compositor's choice).
void make_toplevel(native_window *n, const window_record *w) {
  n->xdg = xdg_wm_base_get_xdg_surface(wayland()->wm_base, n->surface);
  xdg_surface_add_listener(n->xdg, &surface_listener, n);
  n->toplevel = xdg_surface_get_toplevel(n->xdg);
  xdg_toplevel_add_listener(n->toplevel, &toplevel_listener, n);
  xdg_toplevel_set_title(n->toplevel, w->title.c_str());
  xdg_toplevel_set_app_id(n->toplevel, "torvane");
  if (w->full_screen) xdg_toplevel_set_fullscreen(n->toplevel, wayland_saver_output());
}

void destroy_native(native_window *n) {
  if (n->layer) zwlr_layer_surface_v1_destroy(n->layer);
  if (n->toplevel) xdg_toplevel_destroy(n->toplevel);
  if (n->xdg) xdg_surface_destroy(n->xdg);
  wl_surface_destroy(n->surface);
  wl_display_flush(wayland()->display);
  delete n;
}

}  // namespace

// The first configure sizes the window before it is in the window table;
// later ones are size changes, WM_SIZE.
void wayland_configured(native_window *n) {
  if (window_record *w = window_with_native(n)) follow_size(w);
  n->configured = true;
}

void wayland_output_rescaled() {
  int count;
  window_record *const *windows = all_windows(&count);
  for (int i = 0; i < count; i++) follow_size(windows[i]);
}

HWND wayland_create_window(window_record *w) {
  if (w->parent) {
    std::fprintf(stderr,
                 "torvane: no preview on Wayland: it cannot put a window inside another "
                 "program's window\n");
    return nullptr;
  }
  const wayland_globals *g = wayland();
  // The output a supervisor named went before the saver came: nothing to
  // cover.
  if (wayland_output_lost()) return nullptr;
  native_window *n = new native_window{};
  n->surface = wl_compositor_create_surface(g->compositor);
  if (w->full_screen && g->layer_shell)
    wayland_make_layer_surface(n, wayland_saver_output(), wayland_takes_input());
  else
    make_toplevel(n, w);
  wl_surface_commit(n->surface);
  wayland_wait_for(n->configured);
  if (n->closed) {
    destroy_native(n);
    return nullptr;
  }
  n->buffer_scale = wayland_output_scale();
  wl_surface_set_buffer_scale(n->surface, n->buffer_scale);
  if (n->next_width > 0 && n->next_height > 0) {
    w->width = n->next_width * n->buffer_scale;
    w->height = n->next_height * n->buffer_scale;
  }
  w->native = n;
  // A full-screen window covers its output at once, before the renderer's
  // start (which takes a while in software).
  if (w->full_screen) show_black(w);
  return reinterpret_cast<HWND>(++last_handle);
}

void wayland_show_window(window_record *w) {
  if (!w->full_screen) show_black(w);
  wl_display_flush(wayland()->display);
}

// A compositor never takes a client's surfaces away, so they are always
// there to destroy.
void wayland_destroy_window(window_record *w, bool) {
  if (w->surface) egl_destroy_surface(w->surface);
  destroy_native(w->native);
}

// Compared, never followed: events may still name a surface just destroyed.
window_record *wayland_window_of(const wl_surface *surface) {
  if (!surface) return nullptr;
  int count;
  window_record *const *windows = all_windows(&count);
  for (int i = 0; i < count; i++)
    if (windows[i]->native->surface == surface) return windows[i];
  return nullptr;
}

// Only the program's own windows can be measured; a toplevel's place on the
// screen is the compositor's secret, and a full-screen one starts at 0, 0.
bool wayland_window_rect(HWND hWnd, RECT *rect) {
  window_record *w = find_window(hWnd);
  if (!w) return false;
  *rect = RECT{0, 0, w->width, w->height};
  return true;
}

bool wayland_client_size(HWND hWnd, int *width, int *height) {
  window_record *w = find_window(hWnd);
  if (!w) return false;
  *width = w->width;
  *height = w->height;
  return true;
}
