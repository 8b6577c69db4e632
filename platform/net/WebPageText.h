#pragma once
// The text of a downloaded web page.
#include <string>
#include <string_view>

namespace gb {

// Decodes page bytes to UTF-8 by the character set the page declares: a byte-order
// mark, else the charset of the server's content type, else a meta tag near the
// start. A page that declares nothing (or an unknown set) is read as UTF-8 when it is
// valid UTF-8 and as code page 932 otherwise.
std::string DecodeWebPage(std::string_view bytes, std::string_view contentType = {});

// The charset named in a content type or meta text ("text/html; charset=Shift_JIS"
// gives "shift_jis"), in lower case; "" when none.
std::string CharsetOf(std::string_view text);

} // namespace gb
