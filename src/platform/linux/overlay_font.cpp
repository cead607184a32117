#include "platform/linux/overlay_font.h"

#include <GL/gl.h>

#include <vector>

namespace {

const int grid_columns = 6, grid_rows = 12, grid_rows_below = 3, cell = 2;
const int width = grid_columns * cell, height = grid_rows * cell;

// The characters the figures need, eight to a sheet: rows from the top,
// the characters' columns side by side, one blank between them.
struct sheet {
  const char *chars;
  const char *rows[grid_rows];
};

const sheet sheets[] = {
    {"01234567", {
      ".####. ..##.. .####. .####. ....#. ###### ..###. ######",
      "#....# .#.#.. #....# #....# ...##. #..... .#.... .....#",
      "#...## ...#.. .....# .....# ..#.#. #..... #..... ....#.",
      "#..#.# ...#.. .....# .....# .#..#. #####. #..... ....#.",
      "#.#..# ...#.. ....#. ..###. #...#. .....# #####. ...#..",
      "##...# ...#.. ...#.. .....# ###### .....# #....# ...#..",
      "#....# ...#.. ..#... .....# ....#. .....# #....# ..#...",
      "#....# ...#.. .#.... #....# ....#. #....# #....# ..#...",
      ".####. .##### ###### .####. ....#. .####. .####. ..#...",
      "...... ...... ...... ...... ...... ...... ...... ......",
      "...... ...... ...... ...... ...... ...... ...... ......",
      "...... ...... ...... ...... ...... ...... ...... ......"}},
    {"89.,:%FL", {
      ".####. .####. ...... ...... ...... ##...# ###### #.....",
      "#....# #....# ...... ...... ...... ##...# #..... #.....",
      "#....# #....# ...... ...... ...... ....#. #..... #.....",
      "#....# #....# ...... ...... ..##.. ...#.. #..... #.....",
      ".####. .##### ...... ...... ..##.. ...#.. #####. #.....",
      "#....# .....# ...... ...... ...... ..#... #..... #.....",
      "#....# .....# ...... ...... ...... .#.... #..... #.....",
      "#....# ....#. ..##.. ..##.. ..##.. #...## #..... #.....",
      ".####. .###.. ..##.. ..##.. ..##.. #...## #..... ######",
      "...... ...... ...... ...#.. ...... ...... ...... ......",
      "...... ...... ...... ..#... ...... ...... ...... ......",
      "...... ...... ...... ...... ...... ...... ...... ......"}},
    {"PSadlosy", {
      "#####. .####. ...... .....# .##... ...... ...... ......",
      "#....# #....# ...... .....# ..#... ...... ...... ......",
      "#....# #..... ...... .....# ..#... ...... ...... ......",
      "#....# #..... .####. .##### ..#... .####. .##### #....#",
      "#####. .####. .....# #....# ..#... #....# #..... #....#",
      "#..... .....# .##### #....# ..#... #....# .####. #....#",
      "#..... .....# #....# #....# ..#... #....# .....# #....#",
      "#..... #....# #...## #...## ..#... #....# .....# #...##",
      "#..... .####. .###.# .###.# ...##. .####. #####. .###.#",
      "...... ...... ...... ...... ...... ...... ...... .....#",
      "...... ...... ...... ...... ...... ...... ...... #....#",
      "...... ...... ...... ...... ...... ...... ...... .####."}},
};

// Bitmaps as glBitmap takes them: rows from the bottom, three bytes each,
// the leftmost pixel in the highest bit. The face is drawn bold (each cell
// also a pixel to the right), and its outline reaches `margin` pixels beyond
// it all round.
const int margin = 2;
const int bitmap_width = width + 1 + 2 * margin, bitmap_height = height + 2 * margin;
typedef GLubyte bitmap[bitmap_height][3];

struct glyph {
  char c;
  bitmap face, outline;
};

void set(bitmap &b, int x, int y) { b[y][x / 8] |= static_cast<GLubyte>(0x80 >> x % 8); }
bool is_set(const bitmap &b, int x, int y) { return b[y][x / 8] & (0x80 >> x % 8); }

// The character's cells of a sheet as a bold face.
void draw_face(const sheet &s, int index, bitmap &face) {
  for (int row = 0; row < grid_rows; row++)
    for (int column = 0; column < grid_columns; column++) {
      if (s.rows[row][index * (grid_columns + 1) + column] != '#') continue;
      for (int y = 0; y < cell; y++)
        for (int x = 0; x <= cell; x++)
          set(face, margin + column * cell + x, bitmap_height - 1 - margin - (row * cell + y));
    }
}

// Every pixel within `margin` of the face, either way and across.
void draw_outline(const bitmap &face, bitmap &outline) {
  for (int y = 0; y < bitmap_height; y++)
    for (int x = 0; x < bitmap_width; x++) {
      if (!is_set(face, x, y)) continue;
      for (int dy = -margin; dy <= margin; dy++)
        for (int dx = -margin; dx <= margin; dx++) set(outline, x + dx, y + dy);
    }
}

std::vector<glyph> draw_glyphs() {
  std::vector<glyph> glyphs;
  for (const sheet &s : sheets)
    for (int i = 0; s.chars[i]; i++) {
      glyph g = {s.chars[i], {}, {}};
      draw_face(s, i, g.face);
      draw_outline(g.face, g.outline);
      glyphs.push_back(g);
    }
  return glyphs;
}

const glyph *glyph_of(char c) {
  static const std::vector<glyph> glyphs = draw_glyphs();
  for (const glyph &g : glyphs)
    if (g.c == c) return &g;
  return nullptr;
}

}  // namespace

void draw_overlay_text(const std::string &text, bool outline) {
  for (char c : text) {
    const glyph *g = glyph_of(c);
    const GLubyte *bits = g ? &(outline ? g->outline : g->face)[0][0] : nullptr;
    glBitmap(g ? bitmap_width : 0, g ? bitmap_height : 0, margin, margin + grid_rows_below * cell,
             overlay_font_advance, 0, bits);
  }
}
