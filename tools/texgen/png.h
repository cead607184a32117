// A minimal PNG encoder: 8-bit RGBA, no interlacing, deflated with zlib.
#pragma once

#include <cstdint>
#include <vector>

// `rgba` holds width x height pixels, row by row from the top, 4 bytes each.
std::vector<uint8_t> encode_png(int width, int height, const std::vector<uint8_t> &rgba);
