#include "BitmapFileReader.h"

#include <cstring>
#include <fstream>

namespace gb {
namespace {

uint32_t Get32(const std::vector<uint8_t>& file, size_t at) {
    uint32_t v;
    std::memcpy(&v, file.data() + at, 4);
    return v;
}
uint16_t Get16(const std::vector<uint8_t>& file, size_t at) {
    uint16_t v;
    std::memcpy(&v, file.data() + at, 2);
    return v;
}

constexpr size_t kFileHeader = 14;
constexpr size_t kCoreHeader = 12;
constexpr size_t kInfoHeader = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

} // namespace

BitmapReadResult ReadBitmapFile(const std::string& path, RgbPicture& picture) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return BitmapReadResult::Unreadable;
    const std::streamoff size = in.tellg();
    // A bitmap the reader accepts is never larger than this.
    if (size < 0 || uint64_t(size) > (kMaxPixels * 4 + (1u << 20))) return BitmapReadResult::Unsupported;
    std::vector<uint8_t> file(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(file.data()), size)) return BitmapReadResult::Unreadable;
    return ParseBitmapFile(file, picture);
}

BitmapReadResult ParseBitmapFile(const std::vector<uint8_t>& file, RgbPicture& picture) {
    if (file.size() < kFileHeader + kCoreHeader || file[0] != 'B' || file[1] != 'M')
        return BitmapReadResult::NotABitmap;
    const uint64_t pixelOffset = Get32(file, 10);
    const uint32_t headerSize = Get32(file, kFileHeader);
    int64_t width, height;
    unsigned bitCount;
    uint32_t compression = kBiRgb;
    uint32_t coloursUsed = 0;
    size_t paletteEntry = 4;
    if (headerSize == kCoreHeader) {
        width = Get16(file, 18);
        height = int16_t(Get16(file, 20));
        bitCount = Get16(file, 24);
        paletteEntry = 3;
    } else if (headerSize >= kInfoHeader && file.size() >= kFileHeader + kInfoHeader) {
        width = int32_t(Get32(file, 18));
        height = int32_t(Get32(file, 22));
        bitCount = Get16(file, 28);
        compression = Get32(file, 30);
        coloursUsed = Get32(file, 46);
    } else {
        return BitmapReadResult::NotABitmap;
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxJpegSide || height > kMaxJpegSide ||
        uint64_t(width) * uint64_t(height) > kMaxPixels)
        return BitmapReadResult::Unsupported;

    // 32 bits with bit fields: only the usual masks (red 0xFF0000, green 0xFF00,
    // blue 0xFF) are read; they lie after the 40-byte header or inside a longer one.
    if (compression == kBiBitfields) {
        const size_t masks = kFileHeader + kInfoHeader;
        if (bitCount != 32 || file.size() < masks + 12) return BitmapReadResult::Unsupported;
        if (Get32(file, masks) != 0xFF0000u || Get32(file, masks + 4) != 0xFF00u || Get32(file, masks + 8) != 0xFFu)
            return BitmapReadResult::Unsupported;
    } else if (compression != kBiRgb) {
        return BitmapReadResult::Unsupported;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return BitmapReadResult::Unsupported;

    // The palette follows the header.
    uint8_t palette[256][3] = {};
    if (bitCount <= 8) {
        const uint64_t maxColours = 1u << bitCount;
        const uint64_t colours = coloursUsed == 0 || coloursUsed > maxColours ? maxColours : coloursUsed;
        const uint64_t at = kFileHeader + uint64_t(headerSize);
        if (at + colours * paletteEntry > file.size()) return BitmapReadResult::NotABitmap;
        for (uint64_t i = 0; i < colours; ++i) {
            const uint8_t* entry = file.data() + at + i * paletteEntry;
            palette[i][0] = entry[2], palette[i][1] = entry[1], palette[i][2] = entry[0];
        }
    }

    const uint64_t stride = (uint64_t(width) * bitCount + 31) / 32 * 4;
    if (pixelOffset > file.size() || stride * uint64_t(height) > file.size() - pixelOffset)
        return BitmapReadResult::NotABitmap; // truncated

    picture.width = int(width);
    picture.height = int(height);
    picture.rgb.assign(size_t(width) * size_t(height) * 3, 0);
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* row = file.data() + pixelOffset + stride * uint64_t(topDown ? y : height - 1 - y);
        uint8_t* out = picture.rgb.data() + size_t(y) * size_t(width) * 3;
        for (int64_t x = 0; x < width; ++x, out += 3) {
            switch (bitCount) {
            case 24:
            case 32: {
                const uint8_t* p = row + x * (bitCount / 8);
                out[0] = p[2], out[1] = p[1], out[2] = p[0];
                break;
            }
            default: {
                const uint64_t bit = uint64_t(x) * bitCount;
                const unsigned shift = unsigned(8 - bitCount - bit % 8);
                const unsigned index = (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
                std::memcpy(out, palette[index], 3);
                break;
            }
            }
        }
    }
    return BitmapReadResult::Ok;
}

} // namespace gb
