#include "InternetLinks.h"

#include "platform/DirectorySearch.h"
#include "shell/GeneralWin32ExAPI.h"

#include <cctype>

namespace gb {
namespace {

bool MatchesAny(std::string_view text, std::initializer_list<const char*> patterns) {
    const std::string subject(text);
    for (const char* pattern : patterns)
        if (MatchesPattern(subject, pattern)) return true;
    return false;
}

// The length of the link's scheme ("https" of "https://..."), 0 when it has none.
size_t SchemeLength(std::string_view link) {
    if (link.empty() || !std::isalpha(static_cast<unsigned char>(link[0]))) return 0;
    for (size_t i = 1; i < link.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(link[i]);
        if (c == ':') return i;
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return 0;
    }
    return 0;
}

// The folder of the page: up to its last "/" for a page file, else the address
// itself ending in "/".
std::string BaseOf(std::string_view address) {
    if (MatchesAny(address, {"*.htm", "*.html", "*.shtm", "*.shtml", "*.asp", "*.cgi", "*.php"})) {
        const long slash = FindLast(1, address, "/", BinaryCompare);
        return std::string(address.substr(0, size_t(slash)));
    }
    std::string base(address);
    if (base.empty() || base.back() != '/') base += '/';
    return base;
}

} // namespace

std::optional<std::string> PictureAddress(std::string_view link, std::string_view address) {
    if (!MatchesAny(link, {"*.gif", "*.jpg"})) return std::nullopt;
    if (SchemeLength(link) > 0) return std::string(link);
    if (link.substr(0, 2) == "//") {
        const size_t scheme = SchemeLength(address);
        const std::string prefix = scheme > 0 ? std::string(address.substr(0, scheme + 1)) : "http:";
        return prefix + std::string(link);
    }
    const std::string base = BaseOf(address);
    if (!link.empty() && link.front() == '/') {
        // The host part ends at the first "/" after the "//" of the scheme.
        const size_t doubleSlash = base.find("//");
        const size_t from = doubleSlash == std::string::npos ? 1 : doubleSlash + 2;
        const size_t slash = base.find('/', from);
        const size_t keep = slash == std::string::npos ? 0 : slash + 1;
        return base.substr(0, keep) + std::string(link.substr(1));
    }
    return base + std::string(link);
}

std::string PictureDisplayName(std::string_view link, int16_t source) {
    const size_t slash = link.rfind('/');
    std::string name(slash == std::string_view::npos ? link : link.substr(slash + 1));
    return source == LinkFromAnchor ? "ﾘﾝｸ~" + name : name;
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c == '*' || c == '?' || c < 0x20 || c == 0x7F) return false;
    return true;
}

} // namespace gb
