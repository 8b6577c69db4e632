#pragma once
// Logical palettes as both kinds of metafile store them: a version word, a count, and
// entries of red, green, blue and flags.
#include "ByteReader.h"
#include "GdiObjects.h"

#include <memory>

namespace gb {

// A palette; a count beyond the record is cut to the entries that are there.
std::shared_ptr<LogPalette> ReadLogPalette(ByteReader& r);
// A copy of `palette` with `count` entries from `r` put in from `start` on (saved
// states keep sharing the original). Entries beyond the palette are dropped.
std::shared_ptr<LogPalette> ChangePaletteEntries(const LogPalette& palette, uint32_t start, uint32_t count, ByteReader& r);

} // namespace gb
