#include "DibImage.h"

#include "ByteReader.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <bit>

namespace gb {
namespace {

// No picture inside a metafile is larger than this many pixels (a 256 MB image).
constexpr uint64_t kMaxPixels = uint64_t(1) << 26;
// Compressed bits may describe at most this many pixels per byte of data.
constexpr uint64_t kCompressedPixelsPerByte = 128;

// The default logical palette of a device context: what palette indices address when
// the file selected no palette of its own.
const QRgb kDefaultPalette[20] = {
    qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0), qRgb(0, 0, 128),
    qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(192, 220, 192), qRgb(166, 202, 240),
    qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),
    qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kJpeg = 4, kPng = 5, kAlphaBitfields = 6 };

struct DibInfo {
    int32_t width = 0;
    int32_t height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t masks[4] = {0, 0, 0, 0}; // red, green, blue, alpha
    std::vector<QRgb> colours;
    size_t infoSize = 0; // header, masks and colour table
};

bool ParseInfo(std::span<const uint8_t> info, const DibOptions& options, DibInfo& dib) {
    ByteReader r(info);
    uint32_t headerSize = r.U32();
    if (!r.Ok()) return false;
    uint32_t usedColours = 0;
    if (headerSize == 12) {
        dib.width = r.U16();
        int32_t height = r.S16();
        dib.height = height;
        r.U16(); // planes
        dib.bitCount = r.U16();
    } else if (headerSize >= 40 && headerSize <= 1024) {
        dib.width = r.S32();
        dib.height = r.S32();
        r.U16(); // planes
        dib.bitCount = r.U16();
        dib.compression = r.U32();
        r.U32(); // image size
        r.U32();
        r.U32(); // resolution
        usedColours = r.U32();
        r.U32(); // important colours
        if (headerSize >= 52) {
            for (int i = 0; i < (headerSize >= 56 ? 4 : 3); ++i) dib.masks[i] = r.U32();
        }
    } else {
        return false;
    }
    if (!r.Ok()) return false;
    r.Seek(headerSize);
    if (dib.height < 0) {
        if (dib.height == INT32_MIN) return false;
        dib.height = -dib.height;
        dib.topDown = true;
    }
    if (dib.width <= 0 || dib.height <= 0) return false;
    switch (dib.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default:
        if (!(dib.bitCount == 0 && (dib.compression == kJpeg || dib.compression == kPng))) return false;
    }
    if ((dib.compression == kBitfields || dib.compression == kAlphaBitfields) && headerSize == 40) {
        int count = dib.compression == kAlphaBitfields ? 4 : 3;
        for (int i = 0; i < count; ++i) dib.masks[i] = r.U32();
    }
    // The colour table: every entry for indexed pixels (all 2^n unless the header says
    // fewer), and any optional table of deeper bitmaps, which is only skipped.
    uint32_t tableCount = usedColours;
    if (dib.bitCount >= 1 && dib.bitCount <= 8) {
        uint32_t full = 1u << dib.bitCount;
        if (tableCount == 0 || tableCount > full) tableCount = full;
    } else if (headerSize == 12) {
        tableCount = 0;
    }
    if (tableCount > 65536) return false;
    int entrySize = options.paletteIndices ? 2 : (headerSize == 12 ? 3 : 4);
    dib.colours.reserve(dib.bitCount <= 8 ? tableCount : 0);
    for (uint32_t i = 0; i < tableCount; ++i) {
        if (options.paletteIndices) {
            uint16_t index = r.U16();
            QRgb c = (options.palette && !options.palette->empty()) ? (*options.palette)[index % options.palette->size()]
                                                                     : kDefaultPalette[index % 20];
            if (dib.bitCount <= 8) dib.colours.push_back(c);
        } else {
            uint8_t b = r.U8(), g = r.U8(), rr = r.U8();
            if (entrySize == 4) r.U8();
            if (dib.bitCount <= 8) dib.colours.push_back(qRgb(rr, g, b));
        }
        if (!r.Ok()) break;
    }
    if (dib.bitCount <= 8 && dib.bitCount > 0) {
        // A short table (a truncated record) leaves the missing entries black; an index
        // beyond the table does the same.
        dib.colours.resize(size_t(1) << dib.bitCount, qRgb(0, 0, 0));
    }
    dib.infoSize = r.Ok() ? r.Position() : info.size();
    return true;
}

uint64_t Stride(const DibInfo& dib) { return ((uint64_t(dib.width) * dib.bitCount + 31) / 32) * 4; }

int MaskShift(uint32_t mask) { return mask ? std::countr_zero(mask) : 0; }
int MaskBits(uint32_t mask) { return mask ? std::popcount(mask >> MaskShift(mask)) : 0; }
uint8_t Channel(uint32_t pixel, uint32_t mask) {
    if (!mask) return 0;
    uint32_t v = (pixel & mask) >> MaskShift(mask);
    int bits = MaskBits(mask);
    if (bits >= 8) return uint8_t(v >> (bits - 8));
    uint32_t max = (1u << bits) - 1;
    return uint8_t((v * 255 + max / 2) / max);
}

QImage DecodeUncompressed(const DibInfo& dib, std::span<const uint8_t> bits, bool keepAlpha) {
    uint64_t stride = Stride(dib);
    uint64_t rows = dib.height;
    // Every row must be there (the padding of the last one may be missing): the bits
    // then bound the size of the image we allocate.
    uint64_t lastRow = (uint64_t(dib.width) * dib.bitCount + 7) / 8;
    if (stride == 0 || bits.size() < stride * (rows - 1) + lastRow) return {};
    uint32_t masks[4] = {dib.masks[0], dib.masks[1], dib.masks[2], dib.masks[3]};
    bool bitfields = dib.compression == kBitfields || dib.compression == kAlphaBitfields;
    if (dib.bitCount == 16 && !bitfields) {
        masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; masks[3] = 0;
    }
    if (dib.bitCount == 32 && !bitfields) {
        masks[0] = 0x00FF0000; masks[1] = 0x0000FF00; masks[2] = 0x000000FF; masks[3] = keepAlpha ? 0xFF000000 : 0;
    }
    if (!keepAlpha) masks[3] = 0;
    QImage image(dib.width, dib.height, keepAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(keepAlpha ? qRgba(0, 0, 0, 0) : qRgb(0, 0, 0));
    for (uint64_t row = 0; row < rows; ++row) {
        const uint8_t* src = bits.data() + row * stride;
        int y = dib.topDown ? int(row) : dib.height - 1 - int(row);
        QRgb* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < dib.width; ++x) {
            switch (dib.bitCount) {
            case 1: dst[x] = dib.colours[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: dst[x] = dib.colours[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]; break;
            case 8: dst[x] = dib.colours[src[x]]; break;
            case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16:
            case 32: {
                uint32_t p = dib.bitCount == 16 ? uint32_t(src[2 * x] | src[2 * x + 1] << 8)
                                                : uint32_t(src[4 * x] | src[4 * x + 1] << 8 | src[4 * x + 2] << 16 |
                                                           uint32_t(src[4 * x + 3]) << 24);
                uint8_t a = masks[3] ? Channel(p, masks[3]) : 255;
                uint8_t rr = Channel(p, masks[0]), g = Channel(p, masks[1]), b = Channel(p, masks[2]);
                if (keepAlpha) dst[x] = qRgba(std::min(rr, a), std::min(g, a), std::min(b, a), a);
                else dst[x] = qRgb(rr, g, b);
                break;
            }
            }
        }
    }
    return image;
}

// Run-length encoded 4- and 8-bit bitmaps. Pixels the runs do not reach stay colour 0.
QImage DecodeRle(const DibInfo& dib, std::span<const uint8_t> bits) {
    QImage image(dib.width, dib.height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(dib.colours.empty() ? qRgb(0, 0, 0) : dib.colours[0]);
    bool four = dib.compression == kRle4;
    int64_t x = 0, row = 0;
    auto put = [&](int index) {
        if (x < dib.width && row < dib.height) {
            int y = dib.topDown ? int(row) : dib.height - 1 - int(row);
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = dib.colours[index & (four ? 15 : 255)];
        }
        ++x;
    };
    size_t i = 0;
    while (i + 1 < bits.size() && row < dib.height) {
        uint8_t count = bits[i], value = bits[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count && x < dib.width; ++k) put(four ? ((k & 1) ? value & 15 : value >> 4) : value);
        } else if (value == 0) { // end of line
            x = 0;
            ++row;
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // delta
            if (i + 1 >= bits.size()) break;
            x += bits[i];
            row += bits[i + 1];
            i += 2;
        } else { // absolute run of `value` pixels, padded to a word
            size_t bytes = four ? (value + 1) / 2 : value;
            if (bytes > bits.size() - i) break;
            for (int k = 0; k < value; ++k) {
                uint8_t b = bits[i + (four ? k / 2 : k)];
                if (x < dib.width) put(four ? ((k & 1) ? b & 15 : b >> 4) : b);
                else ++x;
            }
            i += (bytes + 1) & ~size_t(1);
        }
    }
    return image;
}

QImage DecodeEmbedded(const DibInfo& dib, std::span<const uint8_t> bits) {
    // Only data that starts like the format it claims goes to the image readers.
    static const uint8_t jpeg[] = {0xFF, 0xD8};
    static const uint8_t png[] = {0x89, 'P', 'N', 'G'};
    std::span<const uint8_t> magic = dib.compression == kJpeg ? std::span<const uint8_t>(jpeg) : std::span<const uint8_t>(png);
    if (bits.size() < magic.size() || !std::equal(magic.begin(), magic.end(), bits.begin())) return {};
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bits.data()), qsizetype(bits.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, dib.compression == kJpeg ? "jpeg" : "png");
    QSize size = reader.size();
    uint64_t pixels = uint64_t(std::max(0, size.width())) * uint64_t(std::max(0, size.height()));
    if (pixels == 0 || pixels > kMaxPixels || pixels > (bits.size() + 64) * kCompressedPixelsPerByte) return {};
    QImage image = reader.read();
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

size_t DibInfoSize(std::span<const uint8_t> info, bool paletteIndices) {
    DibOptions options;
    options.paletteIndices = paletteIndices;
    DibInfo dib;
    return ParseInfo(info, options, dib) ? dib.infoSize : 0;
}

bool DibBottomUp(std::span<const uint8_t> info) {
    ByteReader r(info);
    uint32_t headerSize = r.U32();
    if (headerSize == 12) return true;
    r.U32();
    return r.S32() > 0;
}

QImage DecodeDib(std::span<const uint8_t> info, std::span<const uint8_t> bits, const DibOptions& options) {
    DibInfo dib;
    if (!ParseInfo(info, options, dib)) return {};
    uint64_t pixels = uint64_t(dib.width) * uint64_t(dib.height);
    if (pixels > kMaxPixels) return {};
    switch (dib.compression) {
    case kRgb:
    case kBitfields:
    case kAlphaBitfields:
        if (dib.bitCount == 0) return {};
        return DecodeUncompressed(dib, bits, options.keepAlpha);
    case kRle8:
    case kRle4:
        if ((dib.compression == kRle8) != (dib.bitCount == 8) || (dib.compression == kRle4) != (dib.bitCount == 4))
            return {};
        if (pixels > (bits.size() + 64) * kCompressedPixelsPerByte) return {};
        return DecodeRle(dib, bits);
    case kJpeg:
    case kPng:
        return DecodeEmbedded(dib, bits);
    default:
        return {};
    }
}

QImage DecodePackedDib(std::span<const uint8_t> packed, const DibOptions& options) {
    size_t infoSize = DibInfoSize(packed, options.paletteIndices);
    if (infoSize == 0 || infoSize > packed.size()) return {};
    return DecodeDib(packed.first(infoSize), packed.subspan(infoSize), options);
}

QImage DecodeBitmap16(std::span<const uint8_t> bytes, QRgb zero, QRgb one) {
    ByteReader r(bytes);
    r.U16(); // type
    int width = r.S16();
    int height = r.S16();
    int widthBytes = r.S16();
    int planes = r.U8();
    int bitsPixel = r.U8();
    if (!r.Ok() || width <= 0 || height <= 0 || widthBytes <= 0 || planes != 1) return {};
    if (bitsPixel != 1 && bitsPixel != 8 && bitsPixel != 24 && bitsPixel != 32) return {};
    if (int64_t(width) * bitsPixel > int64_t(widthBytes) * 8) return {};
    std::span<const uint8_t> bits = r.Take(size_t(widthBytes) * size_t(height));
    if (!r.Ok()) return {};
    int rows = height;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(zero);
    for (int y = 0; y < rows; ++y) {
        const uint8_t* src = bits.data() + size_t(y) * widthBytes;
        QRgb* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitsPixel) {
            case 1: dst[x] = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? one : zero; break;
            case 8: dst[x] = qRgb(src[x], src[x], src[x]); break;
            case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 32: dst[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]); break;
            }
        }
    }
    return image;
}

} // namespace gb
