#include "png.h"

#include <zlib.h>

#include <string>

namespace {

void put32be(std::vector<uint8_t> &out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// Length, type, data and the CRC of type and data.
void chunk(std::vector<uint8_t> &out, const char type[5], const std::vector<uint8_t> &data) {
  put32be(out, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  put32be(out, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

}  // namespace

std::vector<uint8_t> encode_png(int width, int height, const std::vector<uint8_t> &rgba) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<uint8_t> header;
  put32be(header, static_cast<uint32_t>(width));
  put32be(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
  chunk(out, "IHDR", header);

  std::vector<uint8_t> rows;  // each row after its filter type, 0 (none)
  const size_t stride = static_cast<size_t>(width) * 4;
  for (int y = 0; y < height; y++) {
    rows.push_back(0);
    rows.insert(rows.end(), rgba.begin() + y * stride, rgba.begin() + (y + 1) * stride);
  }
  uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
  std::vector<uint8_t> packed(packed_size);
  compress2(packed.data(), &packed_size, rows.data(), static_cast<uLong>(rows.size()), 9);
  packed.resize(packed_size);
  chunk(out, "IDAT", packed);
  chunk(out, "IEND", {});
  return out;
}
