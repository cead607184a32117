#include "platform/emul/format_request.h"

#include <algorithm>

// cColorBits is the display's depth: 24 (or 32 with padding) is 8 bits a
// channel, 16 is 5.
format_request read_format_request(const PIXELFORMATDESCRIPTOR &pfd) {
  return {pfd.iPixelType == PFD_TYPE_RGBA, std::min(8, pfd.cColorBits / 3),
          pfd.cAlphaBits,                  pfd.cDepthBits,
          pfd.cStencilBits,                (pfd.dwFlags & PFD_DOUBLEBUFFER) != 0};
}

int preferred_config(const std::vector<config_sizes> &found, const format_request &request) {
  for (size_t i = 0; i < found.size(); i++) {
    const config_sizes &c = found[i];
    if (c.red == request.channel && c.green == request.channel && c.blue == request.channel &&
        c.alpha == request.alpha && c.depth == request.depth)
      return static_cast<int>(i);
  }
  return found.empty() ? -1 : 0;
}
