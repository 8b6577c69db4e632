#pragma once
// Unicode character steps on UTF-8 texts.
#include <string_view>

namespace gb {

// The simple case folding of one character (for comparisons without regard to case).
char32_t FoldCase(char32_t c);

// Decodes the character at `text[at]` and returns it; `length` receives its byte count
// (1 for an invalid byte, which decodes as itself).
char32_t DecodeUtf8(std::string_view text, size_t at, size_t& length);

} // namespace gb
