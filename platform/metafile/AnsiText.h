#pragma once
// 8-bit text of Windows metafiles, read by the character set of the font it is drawn in:
// code page 932 for Japanese and default fonts, code page 1252 for Western fonts, the
// bytes as they are for symbol fonts.
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace gb {

struct AnsiText {
    QString text;
    // For each UTF-16 unit of `text`, how many bytes of the source it came from (the
    // second unit of a pair gets 0), so that per-byte advances can be summed per
    // character.
    std::vector<int> sourceBytes;
};

AnsiText DecodeAnsiText(std::span<const uint8_t> bytes, uint8_t charSet);

} // namespace gb
