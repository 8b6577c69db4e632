#pragma once
// Reads an uncompressed bitmap file (1, 4, 8, 24 or 32 bits per pixel, bottom row or
// top row first) into rows of red, green, blue bytes, top row first. Every size and
// offset is checked against the bytes the file holds.
#include <cstdint>
#include <string>
#include <vector>

namespace gb {

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // width * 3 bytes per row, top row first
};

enum class BitmapReadResult { Ok, Unreadable, NotABitmap, Unsupported };

// The largest picture read: what a JPEG can hold, and at most 256 megapixels.
constexpr int kMaxJpegSide = 65500;
constexpr uint64_t kMaxPixels = 256ull << 20;

BitmapReadResult ReadBitmapFile(const std::string& path, RgbPicture& picture);
BitmapReadResult ParseBitmapFile(const std::vector<uint8_t>& file, RgbPicture& picture);

} // namespace gb
