#include "Unicode.h"

#include <QChar>

namespace gb {

char32_t FoldCase(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

char32_t DecodeUtf8(std::string_view s, size_t at, size_t& length) {
    auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = b(at);
    size_t need = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (need == 0 || at + need > s.size()) {
        length = 1;
        return lead;
    }
    char32_t c = need == 1 ? lead : need == 2 ? (lead & 0x1F) : need == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (size_t i = 1; i < need; ++i) {
        if ((b(at + i) & 0xC0) != 0x80) {
            length = 1;
            return lead;
        }
        c = (c << 6) | (b(at + i) & 0x3F);
    }
    length = need;
    return c;
}

} // namespace gb
