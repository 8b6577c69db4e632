#pragma once
// Pictures found on a web page: which links are pictures, their absolute addresses
// and the names they are listed and stored under.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb {

// Which scan found a link: the pictures a page shows, or those it links to.
enum LinkSource : int16_t { LinkFromImage = 0, LinkFromAnchor = 1 };

// The absolute address of `link` found on the page at `address`, or nullopt when the
// link is not a GIF or JPEG picture. A link with a scheme ("https:", "file:" ...) is
// absolute; "//host/x.jpg" takes the page's scheme; a link beginning with "/" starts
// at the page's host; any other is relative to the page's folder.
std::optional<std::string> PictureAddress(std::string_view link, std::string_view address);

// The name a picture is listed under: the link's text after its last "/", with
// "ﾘﾝｸ~" in front for pictures linked from the page.
std::string PictureDisplayName(std::string_view link, int16_t source);

// Whether `name` can be stored as it is in the album folder: not empty, not "." or
// "..", no path separators ("/" or "\"), no wild cards (the program looks files up by
// patterns) and no control characters.
bool IsPlainFileName(std::string_view name);

} // namespace gb
