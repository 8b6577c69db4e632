#include "Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace gb {
namespace {

// One iconv descriptor per direction and thread; opening one costs more than a short
// conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; a sequence the target cannot hold, or an invalid input sequence,
    // is replaced by `replacement` and skipped by `skipOnError` bytes of input
    // (a whole UTF-8 character, or one CP932 character).
    Converted Run(std::string_view in, std::string_view replacement, bool inputIsUtf8) {
        Converted out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            out.text.assign(in);
            out.exact = false;
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.text.reserve(in.size() * 2);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.text.append(buffer, dst - buffer);
            if (r != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: an unconvertible or broken sequence at `src`.
            out.exact = false;
            out.text.append(replacement);
            size_t skip = 1;
            auto lead = static_cast<unsigned char>(*src);
            if (inputIsUtf8) {
                if (lead >= 0xF0) skip = 4;
                else if (lead >= 0xE0) skip = 3;
                else if (lead >= 0xC0) skip = 2;
            } else if (IsCp932LeadByte(lead)) {
                skip = 2;
            }
            if (skip > srcLeft) skip = srcLeft;
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

Converted ToCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.Run(utf8, "?", true);
}

Converted FromCp932(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.Run(cp932, "\xEF\xBF\xBD", false);
}

std::string_view Cp932Prefix(std::string_view cp932, size_t maxBytes) {
    size_t i = 0;
    while (i < cp932.size()) {
        size_t width = IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        if (i + width > maxBytes) break;
        i += width;
    }
    return cp932.substr(0, i < cp932.size() ? i : cp932.size());
}

} // namespace gb
