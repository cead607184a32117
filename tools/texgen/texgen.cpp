// Draws the saver's texture images and its icon, deterministically.
// `texgen FOLDER` writes the files of res/ into FOLDER:
//   SKIN1.rgb    64 x 64   fine-grained orange pattern
//   SKIN2.rgb   256 x 256  magenta biohazard-style emblem on a mid-blue field
//   SKIN3.rgb   256 x 256  mottled purple and violet stone
//   SKIN4.rgb   128 x 128  green bubbles on dark green
//   REFMAP2.rgb 256 x 256  dark, nearly colourless bright diagonal bars with a
//                          soft highlight (the reflection map)
//   torvane.ico  32 x 32   16-colour icon: a lit ring
// The .rgb files are raw 8-bit RGB, row by row, no header. Every image tiles
// (the textures repeat on the tube), so all patterns are periodic.
// `texgen --icons FOLDER` writes the icon's design as PNGs of 16 to 256
// pixels for the desktop, in the hicolor theme's layout, for the install.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "png.h"

namespace {

const double pi = 3.141592653589793;

struct color {
  double r, g, b;
};

color mix(color a, color b, double f) {
  return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

color scale(color c, double f) { return {c.r * f, c.g * f, c.b * f}; }

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

double smoothstep(double edge0, double edge1, double x) {
  double f = clamp01((x - edge0) / (edge1 - edge0));
  return f * f * (3 - 2 * f);
}

struct image {
  int width, height;
  std::vector<color> pixels;
};

image make_image(int width, int height) {
  return {width, height, std::vector<color>(static_cast<size_t>(width) * height, color{0, 0, 0})};
}

color &at(image &img, int x, int y) { return img.pixels[static_cast<size_t>(y) * img.width + x]; }

// ---- periodic value noise ----------------------------------------------------

uint32_t hash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return h;
}

double lattice(int x, int y, int period, uint32_t seed) {
  x = ((x % period) + period) % period;
  y = ((y % period) + period) % period;
  return (hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), seed) & 0xffffff) / double(0xffffff);
}

// Smoothly interpolated noise in [0, 1] on a lattice of `period` cells per
// unit, repeating with period 1 in u and v.
double value_noise(double u, double v, int period, uint32_t seed) {
  double x = u * period, y = v * period;
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  double fx = smoothstep(0, 1, x - x0), fy = smoothstep(0, 1, y - y0);
  double a = lattice(x0, y0, period, seed), b = lattice(x0 + 1, y0, period, seed);
  double c = lattice(x0, y0 + 1, period, seed), d = lattice(x0 + 1, y0 + 1, period, seed);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// Octaves of value noise, each twice as fine and half as strong; in [0, 1].
double fractal_noise(double u, double v, int period, int octaves, uint32_t seed) {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; o++) {
    sum += weight * value_noise(u, v, period << o, seed + o);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

// ---- the images ------------------------------------------------------------------

image skin1() {
  image img = make_image(64, 64);
  const color dark = {0.55, 0.20, 0.02}, light = {1.00, 0.62, 0.16};
  for (int y = 0; y < img.height; y++)
    for (int x = 0; x < img.width; x++) {
      double u = x / 64.0, v = y / 64.0;
      double n = fractal_noise(u, v, 8, 3, 11);
      double grain = lattice(x, y, 64, 12) - 0.5;
      double f = clamp01(0.5 + 1.6 * (n - 0.5) + 0.35 * grain);
      at(img, x, y) = mix(dark, light, f);
    }
  return img;
}

// Coverage of the emblem at (x, y), the image centre at the origin and the
// emblem's outer radius about 1: three crescents around a ring.
bool biohazard(double x, double y) {
  double r = std::hypot(x, y);
  bool shape = false;
  for (int k = 0; k < 3; k++) {
    double a = pi / 2 + k * 2 * pi / 3;
    double cx = std::cos(a), cy = std::sin(a);
    bool outer = std::hypot(x - 0.50 * cx, y - 0.50 * cy) < 0.50;
    bool inner = std::hypot(x - 0.64 * cx, y - 0.64 * cy) < 0.36;
    if (outer && !inner) shape = true;
  }
  bool ring = r > 0.38 && r < 0.50;
  // The ring shows only between the crescents.
  if (ring) shape = true;
  if (r < 0.14) shape = false;
  // Three narrow gaps cut the crescents' inner tips from the centre.
  for (int k = 0; k < 3; k++) {
    double a = pi / 2 + k * 2 * pi / 3;
    double along = x * std::cos(a) + y * std::sin(a);
    double across = -x * std::sin(a) + y * std::cos(a);
    if (along > 0 && along < 0.30 && std::fabs(across) < 0.035) shape = false;
  }
  return shape;
}

image skin2() {
  image img = make_image(256, 256);
  const color field = {0.20, 0.36, 0.78}, emblem = {0.93, 0.12, 0.78}, rim = {0.45, 0.05, 0.40};
  const int samples = 4;
  for (int y = 0; y < img.height; y++)
    for (int x = 0; x < img.width; x++) {
      double cover = 0, edge = 0;
      for (int sy = 0; sy < samples; sy++)
        for (int sx = 0; sx < samples; sx++) {
          double px = (x + (sx + 0.5) / samples - 128) / 100.0;
          double py = (128 - (y + (sy + 0.5) / samples)) / 100.0;
          if (biohazard(px, py)) cover += 1;
          // A dark outline: the emblem grown by a little, minus the emblem.
          else if (biohazard(px * 1.04, py * 1.04) || biohazard(px + 0.02, py) ||
                   biohazard(px - 0.02, py) || biohazard(px, py + 0.02) || biohazard(px, py - 0.02))
            edge += 1;
        }
      cover /= samples * samples;
      edge /= samples * samples;
      color c = mix(field, rim, edge);
      at(img, x, y) = mix(c, emblem, cover);
    }
  return img;
}

image skin3() {
  image img = make_image(256, 256);
  const color purple = {0.30, 0.10, 0.38}, violet = {0.62, 0.40, 0.86}, vein = {0.85, 0.75, 0.95};
  for (int y = 0; y < img.height; y++)
    for (int x = 0; x < img.width; x++) {
      double u = x / 256.0, v = y / 256.0;
      double mottle = fractal_noise(u, v, 4, 5, 31);
      double warp = fractal_noise(u, v, 4, 4, 37);
      // Veins: where a warped diagonal wave crosses zero.
      double wave = std::sin(2 * pi * (2 * u + 2 * v) + 9 * warp);
      double veins = std::pow(1 - std::fabs(wave), 14);
      double speck = lattice(x, y, 256, 41) > 0.985 ? 0.25 : 0;
      color c = mix(purple, violet, smoothstep(0.3, 0.7, mottle));
      c = mix(c, vein, 0.55 * veins + speck);
      at(img, x, y) = c;
    }
  return img;
}

struct bubble {
  double x, y, radius;
};

image skin4() {
  image img = make_image(128, 128);
  const color ground = {0.03, 0.20, 0.06}, body = {0.18, 0.70, 0.22}, shine = {0.85, 1.0, 0.80};
  std::vector<bubble> bubbles;
  for (uint32_t k = 0; bubbles.size() < 22 && k < 400; k++) {
    bubble b = {(hash(k, 1, 51) % 1280) / 10.0, (hash(k, 2, 51) % 1280) / 10.0,
                5 + (hash(k, 3, 51) % 120) / 10.0};
    bool overlaps = false;
    for (const bubble &o : bubbles) {
      double dx = std::remainder(b.x - o.x, 128.0), dy = std::remainder(b.y - o.y, 128.0);
      if (std::hypot(dx, dy) < b.radius + o.radius + 1.5) overlaps = true;
    }
    if (!overlaps) bubbles.push_back(b);
  }
  for (int y = 0; y < img.height; y++)
    for (int x = 0; x < img.width; x++) {
      double mottle = fractal_noise(x / 128.0, y / 128.0, 4, 3, 53);
      color c = scale(ground, 0.8 + 0.4 * mottle);
      for (const bubble &b : bubbles) {
        double dx = std::remainder(x + 0.5 - b.x, 128.0), dy = std::remainder(y + 0.5 - b.y, 128.0);
        double d = std::hypot(dx, dy) / b.radius;
        if (d >= 1.05) continue;
        double inside = 1 - smoothstep(0.95, 1.05, d);
        // Darker in the middle, a bright rim, a highlight towards the top left.
        color bc = mix(scale(body, 0.55), body, smoothstep(0.3, 0.95, d));
        double hl = std::hypot(dx / b.radius + 0.38, dy / b.radius + 0.38);
        bc = mix(bc, shine, 0.9 * (1 - smoothstep(0.0, 0.28, hl)));
        c = mix(c, bc, inside);
      }
      at(img, x, y) = c;
    }
  return img;
}

image refmap2() {
  image img = make_image(256, 256);
  for (int y = 0; y < img.height; y++)
    for (int x = 0; x < img.width; x++) {
      double u = x / 256.0, v = y / 256.0;
      // Bars along the diagonal, four across the image, soft-edged.
      double phase = std::fmod(4 * (u + v), 1.0);
      double bar = smoothstep(0.0, 0.08, phase) * (1 - smoothstep(0.22, 0.30, phase));
      // A thinner second bar beside each main one.
      double thin = smoothstep(0.40, 0.43, phase) * (1 - smoothstep(0.47, 0.50, phase));
      // A soft highlight, repeating with the image.
      double hx = std::remainder(u - 0.3, 1.0), hy = std::remainder(v - 0.3, 1.0);
      double highlight = std::exp(-(hx * hx + hy * hy) / (2 * 0.12 * 0.12));
      double n = fractal_noise(u, v, 8, 2, 61);
      double level = 0.06 + 0.05 * n + 0.70 * bar + 0.35 * thin + 0.55 * highlight;
      color c = {level, level, level * 1.06 + 0.01};
      at(img, x, y) = c;
    }
  return img;
}

// ---- writing -----------------------------------------------------------------------

uint8_t byte_of(double v) { return static_cast<uint8_t>(std::lround(clamp01(v) * 255)); }

// False, said on stderr, when the file cannot be written whole.
bool write_file(const std::string &path, const std::vector<uint8_t> &bytes) {
  FILE *file = std::fopen(path.c_str(), "wb");
  bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (file && std::fclose(file) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "texgen: cannot write %s\n", path.c_str());
  return ok;
}

std::vector<uint8_t> raw_rgb(const image &img) {
  std::vector<uint8_t> bytes;
  for (const color &c : img.pixels) {
    bytes.push_back(byte_of(c.r));
    bytes.push_back(byte_of(c.g));
    bytes.push_back(byte_of(c.b));
  }
  return bytes;
}

void put16(std::vector<uint8_t> &out, unsigned v) {
  out.push_back(v & 0xff);
  out.push_back((v >> 8) & 0xff);
}

void put32(std::vector<uint8_t> &out, uint32_t v) {
  put16(out, v & 0xffff);
  put16(out, v >> 16);
}

// The icon's design, on a 32 x 32 grid: a torus seen from above and a
// little to the side, lit from the top left. The light (0..1) at a point of
// the grid, or -1 outside the ring.
const int icon_grid = 32;

double ring_light(double x, double y) {
  const double major = 10.0, minor = 4.6, tilt = 0.55;  // tilt: cosine of the view angle
  double px = x - 16, py = (y - 16) / tilt;
  double r = std::hypot(px, py);
  double d = std::fabs(r - major) / minor * tilt * 1.6;
  if (std::fabs(r - major) > minor / tilt * 0.62 && d >= 1) return -1;
  double across = (r - major) / (minor / tilt * 0.62);
  if (std::fabs(across) >= 1) return -1;
  // Height of the tube's surface and its normal.
  double h = std::sqrt(1 - across * across);
  double nx = across * px / r, ny = across * py / r, nz = h;
  double light = clamp01(0.15 + 0.85 * (-0.45 * nx - 0.55 * ny + 0.70 * nz));
  return clamp01(light + 0.35 * std::pow(light, 12));
}

// The ring's copper, from dark (0) through orange to a pale highlight (1).
color copper(double f) {
  return f < 0.75 ? mix({0.10, 0.03, 0.0}, {0.95, 0.50, 0.10}, f / 0.75)
                  : mix({0.95, 0.50, 0.10}, {1.0, 0.95, 0.80}, (f - 0.75) / 0.25);
}

// The Windows icon: the design at its own size in 16 shades of copper;
// outside the ring is transparent.
std::vector<uint8_t> icon() {
  const int size = icon_grid, colors = 16;
  std::vector<color> palette;
  for (int i = 0; i < colors; i++) palette.push_back(copper(i / double(colors - 1)));
  std::vector<int> index(size * size, -1);
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) {
      double light = ring_light(x + 0.5, y + 0.5);
      if (light >= 0) index[y * size + x] = static_cast<int>(std::lround(light * (colors - 1)));
    }

  const uint32_t xor_bytes = size * size / 2, and_bytes = size * 4;
  const uint32_t image_bytes = 40 + colors * 4 + xor_bytes + and_bytes;
  std::vector<uint8_t> out;
  put16(out, 0);  // icon directory: reserved, type 1 (icon), one image
  put16(out, 1);
  put16(out, 1);
  out.push_back(size);  // directory entry
  out.push_back(size);
  out.push_back(colors);
  out.push_back(0);
  put16(out, 1);  // planes
  put16(out, 4);  // bits per pixel
  put32(out, image_bytes);
  put32(out, 6 + 16);
  put32(out, 40);  // bitmap header; the height counts colour and mask
  put32(out, size);
  put32(out, size * 2);
  put16(out, 1);
  put16(out, 4);
  put32(out, 0);
  put32(out, xor_bytes + and_bytes);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (const color &c : palette) {
    out.push_back(byte_of(c.b));
    out.push_back(byte_of(c.g));
    out.push_back(byte_of(c.r));
    out.push_back(0);
  }
  for (int y = size - 1; y >= 0; y--)  // rows bottom-up, two pixels a byte
    for (int x = 0; x < size; x += 2) {
      int a = index[y * size + x], b = index[y * size + x + 1];
      out.push_back(static_cast<uint8_t>(((a < 0 ? 0 : a) << 4) | (b < 0 ? 0 : b)));
    }
  for (int y = size - 1; y >= 0; y--)  // transparency mask, 1 = transparent
    for (int x = 0; x < size; x += 8) {
      uint8_t bits = 0;
      for (int k = 0; k < 8; k++)
        if (index[y * size + x + k] < 0) bits |= 0x80 >> k;
      out.push_back(bits);
    }
  return out;
}

// The design at `size` pixels for the desktop's icon themes: full colour,
// each pixel the average of 4 x 4 samples, its alpha the share of them on
// the ring, so the edge is smooth at every size.
std::vector<uint8_t> icon_png(int size) {
  const int samples = 4;
  std::vector<uint8_t> rgba;
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) {
      color sum = {0, 0, 0};
      int inside = 0;
      for (int sy = 0; sy < samples; sy++)
        for (int sx = 0; sx < samples; sx++) {
          double light = ring_light((x + (sx + 0.5) / samples) * icon_grid / size,
                                    (y + (sy + 0.5) / samples) * icon_grid / size);
          if (light < 0) continue;
          color c = copper(light);
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
          inside++;
        }
      color average = inside ? scale(sum, 1.0 / inside) : color{0, 0, 0};
      rgba.insert(rgba.end(), {byte_of(average.r), byte_of(average.g), byte_of(average.b),
                               byte_of(inside / double(samples * samples))});
    }
  return encode_png(size, size, rgba);
}

bool write_images(const std::string &folder) {
  struct output {
    const char *name;
    std::vector<uint8_t> bytes;
  };
  const output outputs[] = {
      {"SKIN1.rgb", raw_rgb(skin1())},     {"SKIN2.rgb", raw_rgb(skin2())},
      {"SKIN3.rgb", raw_rgb(skin3())},     {"SKIN4.rgb", raw_rgb(skin4())},
      {"REFMAP2.rgb", raw_rgb(refmap2())}, {"torvane.ico", icon()},
  };
  for (const output &o : outputs)
    if (!write_file(folder + "/" + o.name, o.bytes)) return false;
  return true;
}

// The hicolor theme's layout: <folder>/<N>x<N>/apps/torvane.png.
bool write_icons(const std::string &folder) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    std::string dir = folder + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    std::error_code unmade;  // a folder that cannot be made shows as a file that cannot be written
    std::filesystem::create_directories(dir, unmade);
    if (!write_file(dir + "/torvane.png", icon_png(size))) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  bool icons = argc == 3 && std::string(argv[1]) == "--icons";
  if (argc != 2 && !icons) {
    std::fprintf(stderr, "usage: texgen OUTPUT_FOLDER\n       texgen --icons OUTPUT_FOLDER\n");
    return 2;
  }
  return (icons ? write_icons(argv[2]) : write_images(argv[1])) ? 0 : 1;
}
