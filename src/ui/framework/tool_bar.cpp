#include "src/ui/framework/tool_bar.h"

namespace zrt::ui {

const char* const kToolBarNames[4] = {"New", "Delete", "Move Up", "Move Down"};

namespace {

// The standard 16-colour palette (blue, green, red, reserved).
const uint8_t kPalette[16][4] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};

// Palette index of a picture character: '.' background, '#' black outline, 'w' white
// paper, 'r' red, 'b' navy.
int ColourOf(char c) {
  switch (c) {
    case '#': return 0;
    case 'w': return 15;
    case 'r': return 12;
    case 'b': return 4;
    default: return 7;
  }
}

// The four pictures, 22 x 20 each: a new sheet, a red cross, an arrow up, an arrow down.
const char* const kPictures[4][kToolImageHeight] = {
    {"......................", "......................", "......#########.......", "......#wwwwwww##......",
     "......#wwwwwww#w#.....", "......#wwwwwww####....", "......#wwwwwwwwww#....", "......#wwwwwwwwww#....",
     "......#wwwwwwwwww#....", "......#wwwwwwwwww#....", "......#wwwwwwwwww#....", "......#wwwwwwwwww#....",
     "......#wwwwwwwwww#....", "......#wwwwwwwwww#....", "......#wwwwwwwwww#....", "......#wwwwwwwwww#....",
     "......############....", "......................", "......................", "......................"},
    {"......................", "......................", "......................", "......rr........rr....",
     ".....rrrr......rrrr...", "......rrrr....rrrr....", ".......rrrr..rrrr.....", "........rrrrrrrr......",
     ".........rrrrrr.......", ".........rrrrrr.......", "........rrrrrrrr......", ".......rrrr..rrrr.....",
     "......rrrr....rrrr....", ".....rrrr......rrrr...", "......rr........rr....", "......................",
     "......................", "......................", "......................", "......................"},
    {"......................", "......................", "..........bb..........", ".........bbbb.........",
     "........bbbbbb........", ".......bbbbbbbb.......", "......bbbbbbbbbb......", ".....bbbbbbbbbbbb.....",
     "........bbbbbb........", "........bbbbbb........", "........bbbbbb........", "........bbbbbb........",
     "........bbbbbb........", "........bbbbbb........", "........bbbbbb........", "......................",
     "......................", "......................", "......................", "......................"},
    {"......................", "......................", "......................", "........bbbbbb........",
     "........bbbbbb........", "........bbbbbb........", "........bbbbbb........", "........bbbbbb........",
     "........bbbbbb........", "........bbbbbb........", ".....bbbbbbbbbbbb.....", "......bbbbbbbbbb......",
     ".......bbbbbbbb.......", "........bbbbbb........", ".........bbbb.........", "..........bb..........",
     "......................", "......................", "......................", "......................"},
};

void PutLittleEndian(std::vector<uint8_t>* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> ToolBarBitmap() {
  constexpr int kWidth = 4 * kToolImageWidth;
  constexpr int kRowBytes = (kWidth * 4 + 31) / 32 * 4;  // 4 bits a pixel, rows padded to 4 bytes
  constexpr int kPixelOffset = 14 + 40 + 16 * 4;
  constexpr int kFileSize = kPixelOffset + kRowBytes * kToolImageHeight;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(&out, kFileSize, 4);
  PutLittleEndian(&out, 0, 4);
  PutLittleEndian(&out, kPixelOffset, 4);
  const uint32_t kInfoHeader[] = {40, kWidth, kToolImageHeight};
  for (uint32_t value : kInfoHeader) PutLittleEndian(&out, value, 4);
  PutLittleEndian(&out, 1, 2);   // planes
  PutLittleEndian(&out, 4, 2);   // bits a pixel
  PutLittleEndian(&out, 0, 4);   // no compression
  PutLittleEndian(&out, kRowBytes * kToolImageHeight, 4);
  PutLittleEndian(&out, 3780, 4);  // 96 dots an inch, both ways
  PutLittleEndian(&out, 3780, 4);
  PutLittleEndian(&out, 16, 4);
  PutLittleEndian(&out, 0, 4);
  for (const uint8_t (&colour)[4] : kPalette) out.insert(out.end(), colour, colour + 4);
  for (int y = kToolImageHeight - 1; y >= 0; --y) {  // bottom row first
    uint8_t row[kRowBytes] = {};
    for (int x = 0; x < kWidth; ++x) {
      int colour = ColourOf(kPictures[x / kToolImageWidth][y][x % kToolImageWidth]);
      row[x / 2] |= static_cast<uint8_t>(x % 2 == 0 ? colour << 4 : colour);
    }
    out.insert(out.end(), row, row + kRowBytes);
  }
  return out;
}

Rect ToolBarButtonRect(const Rect& header, int index) {
  int left = header.right - (4 - index) * kToolImageWidth;
  int top = header.top + (header.Height() - kToolImageHeight) / 2;
  return {left, top, left + kToolImageWidth, top + kToolImageHeight};
}

int ToolBarButtonAt(const Rect& header, int x, int y) {
  for (int i = 0; i < 4; ++i) {
    Rect r = ToolBarButtonRect(header, i);
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
  }
  return -1;
}

}  // namespace zrt::ui
