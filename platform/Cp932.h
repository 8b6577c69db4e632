#pragma once
// Code page 932 (Japanese Shift_JIS as the Windows desktop uses it) at the files and
// interfaces that store texts that way. Inside the program every text is UTF-8.
#include <string>
#include <string_view>

namespace gb {

// The result of a conversion: the converted text and whether it is exact. A character
// that the target cannot hold becomes "?" (to CP932) or U+FFFD (from CP932), and
// `exact` is false so that the caller knows.
struct Converted {
    std::string text;
    bool exact = true;
};

Converted ToCp932(std::string_view utf8);
Converted FromCp932(std::string_view cp932);

// Short forms for callers that accept the replacement characters.
inline std::string Cp932(std::string_view utf8) { return ToCp932(utf8).text; }
inline std::string Utf8(std::string_view cp932) { return FromCp932(cp932).text; }

// True when `byte` starts a double-byte character in CP932.
constexpr bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The longest prefix of `cp932` of at most `maxBytes` bytes that does not end in the
// middle of a double-byte character.
std::string_view Cp932Prefix(std::string_view cp932, size_t maxBytes);

} // namespace gb
