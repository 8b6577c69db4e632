#pragma once
// The picture loader: BMP, GIF and JPEG through Qt's image readers, WMF and EMF through
// our metafile reader, returning a picture object.
#include "platform/draw/Picture.h"

#include <string>

namespace gb {

struct LoadedPicture {
    Picture picture;     // empty when the file is not a picture the loader reads
    int fullWidth = 0;   // the picture's own size in pixels, also when `picture` holds
    int fullHeight = 0;  // fewer pixels because only a thumbnail was wanted; a metafile's
                         // size in HIMETRIC converted at the screen's resolution
};

// Loads the picture at `path`. With `thumbnailSide` > 0 only a thumbnail that fits a
// square of that side is wanted: a JPEG is decoded at the smallest scale that still
// covers it and every bitmap is scaled down smoothly to fit it. Camera pictures are
// turned upright as their orientation tag says. Pictures whose header claims more than
// 100 megapixels are refused.
LoadedPicture LoadPictureFromFile(const std::string& path, int thumbnailSide = 0);

// A picture built into the program (a Qt resource path such as ":/pictures/x.png");
// empty when there is none.
Picture LoadResourcePicture(const std::string& resourcePath);

// The largest picture the loader accepts, in pixels.
constexpr long long kMaxPicturePixels = 100'000'000;

} // namespace gb
