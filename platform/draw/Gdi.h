#pragma once
// Device contexts, bitmaps and block transfers with the platform's usual names and
// meanings. A memory device context draws into the bitmap selected into it; a canvas
// (Canvas.h) has a device context that draws into its screen or persistent image.
// Coordinates are pixels; rectangles are clipped to the source and the target.
#include "BitmapInfo.h"
#include "ColorRef.h"
#include "DrawHandles.h"

#include <QImage>
#include <functional>

class QPainter;
class QFont;

namespace gb {

class PixelStore;

constexpr uint32_t SRCCOPY = 0x00CC0020;

enum StretchBltMode : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };

// A memory device context; `reference` may be 0 (the screen). It starts with a 1 x 1
// stock bitmap selected.
Hdc CreateCompatibleDC(Hdc reference);
// Deletes a memory device context; its selected bitmap stays alive. A canvas's
// context belongs to the canvas and is refused.
bool DeleteDC(Hdc dc);
bool IsDeviceContext(Hdc dc);

// A black bitmap of the screen's format.
Hbitmap CreateCompatibleBitmap(Hdc dc, int width, int height);
// A DIB section of 8, 24 or 32 bits (uncompressed, colours as palette entries);
// `bits` receives the address of its pixel memory. 0 for a description the layer
// cannot make.
Hbitmap CreateDIBSection(Hdc dc, const BitmapInfo* info, unsigned usage, uint8_t** bits);
// Selects a bitmap into a memory device context and returns the one it replaces; 0
// when either handle is wrong or the bitmap is selected into another context.
Hgdiobj SelectObject(Hdc dc, Hgdiobj object);
// Deletes a bitmap that is not selected into a device context.
bool DeleteObject(Hgdiobj object);
// The pixel size of a bitmap (0 x 0 for a wrong handle).
QSize BitmapSize(Hbitmap bitmap);

int SetStretchBltMode(Hdc dc, int mode); // returns the previous mode, 0 on failure
int GetStretchBltMode(Hdc dc);

bool BitBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX, int sourceY, uint32_t rop);
// Colour-on-colour (and the two monochrome modes) take the nearest source pixel;
// halftone averages the source pixels that fall into each target pixel.
bool StretchBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, uint32_t rop);
// Draws pixel memory described by `info` (palette entries as colours); returns the
// number of rows drawn.
int StretchDIBits(Hdc target, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, const void* bits, const BitmapInfo* info, unsigned usage, uint32_t rop);

ColorRef GetPixel(Hdc dc, int x, int y);          // CLR_INVALID outside
ColorRef SetPixel(Hdc dc, int x, int y, ColorRef colour); // the colour set, CLR_INVALID outside

// The size of what a device context draws into.
QSize DeviceContextSize(Hdc dc);
// A copy of what a device context draws into, for tests and tools.
QImage DeviceContextImage(Hdc dc);

// For the layer's own surfaces: a device context over a pixel store that the caller
// owns and outlives the context, and its removal.
Hdc CreateStoreContext(PixelStore* store);
// Draws with a painter on whatever the context draws on; false for an unknown context.
bool PaintDeviceContext(Hdc dc, const std::function<void(QPainter&)>& paint);
// The font text drawn on the context uses (set by its canvas); false when none is set.
void SetDeviceContextFont(Hdc dc, const QFont& font);
bool DeviceContextFont(Hdc dc, QFont& font);
void DeleteStoreContext(Hdc dc);

} // namespace gb
