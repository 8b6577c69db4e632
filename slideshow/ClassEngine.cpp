#include "ClassEngine.h"

#include "platform/Cp932.h"
#include "platform/Desktop.h"
#include "platform/SharedLibrary.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Gdi.h"
#include "platform/draw/Rounding.h"

#include <algorithm>
#include <array>

namespace gb {
namespace {

using SavetoJpegFunction = int32_t(const char* source, const char* target, uint8_t quality, int16_t progressive);

// Per-byte tables of the filters, computed once.
struct FilterTables {
    std::array<uint8_t, 256> vivid{};
    std::array<uint8_t, 766> sepiaBlue{}, sepiaGreen{}; // indexed by b + g + r
    FilterTables() {
        for (int v = 0; v < 256; ++v) vivid[v] = uint8_t(std::clamp(v + (v - 40) / 2, 0, 255));
        for (int sum = 0; sum <= 765; ++sum) {
            const int a = sum / 3;
            sepiaBlue[sum] = uint8_t(RoundHalfEven(a * 0.7));
            sepiaGreen[sum] = uint8_t(RoundHalfEven(a * 0.9));
        }
    }
};

const FilterTables& Tables() {
    static const FilterTables tables;
    return tables;
}

} // namespace

ClassEngine::~ClassEngine() {
    DeleteClone();
    Detach();
}

void ClassEngine::Attach(Hdc target) {
    target_ = target;
    if (memory_) DeleteDC(memory_);
    memory_ = CreateCompatibleDC(target);
}

void ClassEngine::Detach() {
    if (memory_) DeleteDC(memory_);
    memory_ = 0;
}

void ClassEngine::BuildPalette(BitmapInfo& info, int percent) {
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            for (int k = 0; k < 6; ++k) {
                RgbQuad& entry = info.bmiColors[36 * i + 6 * j + k];
                entry.rgbBlue = uint8_t(DivideHalfEven(i * 51 * percent, 100));
                entry.rgbGreen = uint8_t(DivideHalfEven(j * 51 * percent, 100));
                entry.rgbRed = uint8_t(DivideHalfEven(k * 51 * percent, 100));
                entry.rgbReserved = 0;
            }
    for (int e = 216; e < 256; ++e) info.bmiColors[e] = RgbQuad{};
}

void ClassEngine::InsertClone(const Picture& picture, bool palette) {
    if (picture.Type() != PictureType::Bitmap) return;
    // A second clone would leak the first: replace it.
    DeleteClone();
    info_ = BitmapInfo{};
    BitmapInfoHeader& header = info_.bmiHeader;
    header.biSize = 40;
    header.biWidth = HimetricToPixels(picture.Width(), TwipsPerPixelX());
    header.biHeight = HimetricToPixels(picture.Height(), TwipsPerPixelY());
    header.biPlanes = 1;
    header.biBitCount = palette ? 8 : 24;
    header.biCompression = BI_RGB;
    if (palette) BuildPalette(info_, 100);
    header.biSizeImage = DibStride(header.biWidth, header.biBitCount) * uint32_t(std::max(header.biHeight, 0));

    if (!memory_) return;
    uint8_t* bits = nullptr;
    dib_ = CreateDIBSection(memory_, &info_, DIB_RGB_COLORS, &bits);
    if (!dib_) return;
    bits_ = bits;
    previous_ = SelectObject(memory_, dib_);
    BitBlt(memory_, 0, 0, header.biWidth, header.biHeight, target_, 0, 0, SRCCOPY);
}

void ClassEngine::DeleteClone() {
    if (!dib_) return;
    if (memory_ && previous_) SelectObject(memory_, previous_);
    DeleteObject(dib_);
    dib_ = 0;
    previous_ = 0;
    bits_ = nullptr;
}

void ClassEngine::Realize() {
    if (!bits_) return;
    const int width = info_.bmiHeader.biWidth, height = info_.bmiHeader.biHeight;
    StretchDIBits(target_, OriginX, OriginY, width, height, 0, 0, width, height, bits_, &info_, DIB_RGB_COLORS,
                  SRCCOPY);
}

void ClassEngine::Fade(int from, int to, int32_t wait) {
    const int step = from <= to ? 1 : -1;
    for (int s = from;; s += step) {
        BuildPalette(info_, s * 10);
        Realize();
        PresentAndSleep(uint32_t(std::max(wait, 0)));
        if (s == to) break;
    }
}

void ClassEngine::FadeIn(int32_t wait) { Fade(0, kFadeSteps, wait); }
void ClassEngine::FadeOut(int32_t wait) { Fade(kFadeSteps, 0, wait); }

void ClassEngine::Effect(int32_t tone) {
    if (!bits_) return;
    const BitmapInfoHeader& header = info_.bmiHeader;
    // Only 24-bit clones hold colours in their pixels; an 8-bit clone is drawn as is.
    if (header.biBitCount == 24 && tone >= Monotone && tone <= Vivid) {
        const FilterTables& tables = Tables();
        const uint32_t stride = DibStride(header.biWidth, 24);
        // Every pixel of every row; the row padding is left alone. The pixels are
        // changed in place: nothing else sees the memory meanwhile.
        for (int y = 0; y < header.biHeight; ++y) {
            uint8_t* p = bits_ + size_t(y) * stride;
            uint8_t* end = p + size_t(header.biWidth) * 3;
            switch (tone) {
            case Monotone:
                for (; p != end; p += 3) {
                    const uint8_t a = uint8_t((p[0] + p[1] + p[2]) / 3);
                    p[0] = p[1] = p[2] = a;
                }
                break;
            case Sepia:
                for (; p != end; p += 3) {
                    const int sum = p[0] + p[1] + p[2];
                    p[0] = tables.sepiaBlue[sum];
                    p[1] = tables.sepiaGreen[sum];
                    p[2] = uint8_t(sum / 3);
                }
                break;
            default:
                for (; p != end; ++p) *p = tables.vivid[*p];
                break;
            }
        }
    }
    Realize();
}

void ClassEngine::Convert(const std::string& source, const std::string& target, uint8_t quality, bool progressive) {
    auto* save = BindFunction<SavetoJpegFunction>("Convert.so", "SavetoJPEG");
    if (!save) return;
    save(Cp932(source).c_str(), Cp932(target).c_str(), quality, progressive ? int16_t(-1) : int16_t(0));
}

} // namespace gb
