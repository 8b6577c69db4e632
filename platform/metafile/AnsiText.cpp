#include "AnsiText.h"

#include "GdiObjects.h"
#include "platform/Cp932.h"

#include <string_view>

namespace gb {
namespace {

// Code page 1252 in the range where it differs from Latin-1; 0 marks an unused code.
const char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

void Append(AnsiText& out, QString part, int bytes) {
    if (part.isEmpty()) part = QString(QChar(0xFFFD));
    for (qsizetype i = 0; i < part.size(); ++i) {
        out.text.append(part[i]);
        out.sourceBytes.push_back(i == 0 ? bytes : 0);
    }
}

} // namespace

AnsiText DecodeAnsiText(std::span<const uint8_t> bytes, uint8_t charSet) {
    AnsiText out;
    out.text.reserve(qsizetype(bytes.size()));
    out.sourceBytes.reserve(bytes.size());
    if (charSet == SymbolCharSet) {
        for (uint8_t b : bytes) Append(out, QString(QChar(b)), 1);
        return out;
    }
    if (charSet == AnsiCharSet) {
        for (uint8_t b : bytes) {
            char16_t c = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char16_t(b);
            Append(out, QString(QChar(c ? c : 0xFFFD)), 1);
        }
        return out;
    }
    // A Japanese desktop reads every other 8-bit text in code page 932. Characters are
    // converted one by one so that each keeps its byte count.
    for (size_t i = 0; i < bytes.size();) {
        size_t length = (IsCp932LeadByte(bytes[i]) && i + 1 < bytes.size()) ? 2 : 1;
        if (bytes[i] < 0x80) {
            Append(out, QString(QChar(bytes[i])), 1);
        } else {
            std::string_view piece(reinterpret_cast<const char*>(bytes.data() + i), length);
            Append(out, QString::fromStdString(FromCp932(piece).text), int(length));
        }
        i += length;
    }
    return out;
}

} // namespace gb
