// The tool bar of four buttons ("New", "Delete", "Move Up", "Move Down", also their
// tool tips) that a header static (style kToolBar) carries at its right end above a
// list: where the buttons sit and their images, one 16-colour bitmap of 88 x 20 pixels,
// 22 x 20 per button, in the BMP file format (998 bytes), drawn here from text
// pictures. Silver (192, 192, 192) is the background, to be drawn transparent.
#pragma once

#include <cstdint>
#include <vector>

#include "src/ui/framework/dialog_controls.h"

namespace zrt::ui {

// The buttons' names, left to right.
extern const char* const kToolBarNames[4];

// Width and height of one button's image.
constexpr int kToolImageWidth = 22;
constexpr int kToolImageHeight = 20;

// The BMP file's bytes.
std::vector<uint8_t> ToolBarBitmap();
// The rectangle of button index in a header of the given rectangle: 22 x 20 at the
// right end, vertically centred.
Rect ToolBarButtonRect(const Rect& header, int index);
// The button at point (x, y) of the header; -1 when none.
int ToolBarButtonAt(const Rect& header, int x, int y);

}  // namespace zrt::ui
