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

// The same for a picture that will be shown scaled into `fit` (width x height): a
// bitmap larger than that is decoded at a reduced scale (JPEG) and scaled smoothly to
// fit; smaller pictures and metafiles come at their own size. The full size is
// reported as always.
LoadedPicture LoadPictureToFit(const std::string& path, QSize fit);

// The picture's own size in pixels from its header (turned upright as shown), without
// decoding it; an empty size when the loader does not read the file.
QSize PictureFileSize(const std::string& path);

// A picture built into the program (a Qt resource path such as ":/pictures/x.png");
// empty when there is none.
Picture LoadResourcePicture(const std::string& resourcePath);

// The largest picture the loader accepts, in pixels.
constexpr long long kMaxPicturePixels = 100'000'000;

} // namespace gb
