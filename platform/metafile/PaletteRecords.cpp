#include "PaletteRecords.h"

#include <algorithm>

namespace gb {
namespace {

QRgb ReadEntry(ByteReader& r) {
    uint8_t red = r.U8(), green = r.U8(), blue = r.U8();
    r.U8(); // flags
    return qRgb(red, green, blue);
}

} // namespace

std::shared_ptr<LogPalette> ReadLogPalette(ByteReader& r) {
    r.U16(); // version
    uint16_t count = r.U16();
    auto palette = std::make_shared<LogPalette>();
    size_t n = std::min<size_t>(count, r.Remaining() / 4);
    palette->entries.reserve(n);
    for (size_t i = 0; i < n; ++i) palette->entries.push_back(ReadEntry(r));
    return palette;
}

std::shared_ptr<LogPalette> ChangePaletteEntries(const LogPalette& palette, uint32_t start, uint32_t count, ByteReader& r) {
    auto changed = std::make_shared<LogPalette>(palette);
    for (uint64_t i = 0; i < count && r.Remaining() >= 4; ++i) {
        QRgb entry = ReadEntry(r);
        if (start + i < changed->entries.size()) changed->entries[size_t(start + i)] = entry;
    }
    return changed;
}

} // namespace gb
