// Varnel: the byte length of a zero-terminated text in the system code page.
#include <cstdint>
#include <cstring>

extern "C" __attribute__((visibility("default"))) int32_t AnsiCharSize(const char* text) {
    const char* p = text;
    // Bytes up to the next 4-byte boundary one at a time, then four at a time: a word
    // holds a zero byte exactly when (w - 0x01010101) & ~w & 0x80808080 is not zero.
    while (reinterpret_cast<uintptr_t>(p) % 4 != 0) {
        if (*p == 0) return int32_t(p - text);
        ++p;
    }
    for (;;) {
        uint32_t word;
        std::memcpy(&word, p, 4);
        if ((word - 0x01010101u) & ~word & 0x80808080u) break;
        p += 4;
    }
    while (*p) ++p;
    return int32_t(p - text);
}
