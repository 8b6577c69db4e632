// A picture plug-in for PNG files, over libpng. Pictures with transparency are shown on
// white, as a photo album shows them.
#include "plugins/sdk/PluginSupport.h"

#include <png.h>

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Pictures larger than this are refused rather than allocated.
const uint64_t kMaxPixels = 100'000'000;

bool BeginRead(const std::vector<unsigned char>& bytes, png_image& image) {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    if (uint64_t(image.width) * image.height > kMaxPixels || image.width > 0x7FFF || image.height > 0x7FFF) {
        png_image_free(&image);
        return false;
    }
    return true;
}

} // namespace

extern "C" {

SPI_EXPORT int32_t GetPluginInfo(int32_t infoNumber, char* buffer, int32_t length) {
    switch (infoNumber) {
    case 0: return spi::Answer("00IN", buffer, length);
    case 1: return spi::Answer("PNG plug-in for Glimmerbox 1.0", buffer, length);
    case 2: return spi::Answer("*.png", buffer, length);
    case 3: return spi::Answer("PNG picture", buffer, length);
    default: return 0;
    }
}

SPI_EXPORT int32_t IsSupported(const char*, intptr_t head) {
    std::vector<unsigned char> bytes = spi::HeadOf(head, 8);
    return bytes.size() == 8 && std::memcmp(bytes.data(), kSignature, 8) == 0;
}

SPI_EXPORT int32_t GetPictureInfo(const char* source, intptr_t length, uint32_t flag, SpiPictureInfo* info) {
    std::vector<unsigned char> bytes;
    if (!info) return SPI_INTERNAL_ERROR;
    if (!spi::ReadSource(source, length, flag, bytes)) return SPI_FILE_READ_ERROR;
    png_image image;
    if (!BeginRead(bytes, image)) return SPI_UNKNOWN_FORMAT;
    std::memset(info, 0, sizeof *info);
    info->width = int32_t(image.width);
    info->height = int32_t(image.height);
    info->colorDepth = int16_t(image.format & PNG_FORMAT_FLAG_ALPHA ? 32 : 24);
    png_image_free(&image);
    return SPI_SUCCESS;
}

SPI_EXPORT int32_t GetPicture(const char* source, intptr_t length, uint32_t flag, void** bitmapInfo, void** pixels,
                              SpiProgress progress, intptr_t data) {
    std::vector<unsigned char> bytes;
    if (!spi::ReadSource(source, length, flag, bytes)) return SPI_FILE_READ_ERROR;
    png_image image;
    if (!BeginRead(bytes, image)) return SPI_UNKNOWN_FORMAT;
    if (progress && progress(0, 1, data)) {
        png_image_free(&image);
        return SPI_ABORTED;
    }
    unsigned char* bits = nullptr;
    if (!spi::MakeBitmap24(int32_t(image.width), int32_t(image.height), bitmapInfo, pixels, &bits)) {
        png_image_free(&image);
        return SPI_NO_MEMORY;
    }
    image.format = PNG_FORMAT_BGR;
    png_color white = {255, 255, 255};
    // A negative stride makes libpng write the rows bottom row first (it starts at the
    // end of the buffer itself), as the bitmap wants them.
    auto stride = png_int_32(spi::RowBytes(int32_t(image.width), 24));
    if (!png_image_finish_read(&image, &white, bits, -stride, nullptr)) {
        std::free(*bitmapInfo);
        std::free(*pixels);
        *bitmapInfo = *pixels = nullptr;
        png_image_free(&image);
        return SPI_BROKEN_DATA;
    }
    if (progress) progress(1, 1, data);
    return SPI_SUCCESS;
}

} // extern "C"
