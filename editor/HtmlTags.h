#pragma once
// The tags of an HTML text as the Internet search reads them: every "<" opens a tag
// that runs to the next ">"; the text between tags is never looked at.
#include <string>
#include <string_view>
#include <vector>

namespace gb {

struct TagAttribute {
    std::string Name;
    std::string Value; // "" when the attribute has no "="
};

struct TagInfo {
    std::string Name; // the tag's name, or its whole text when it has no attributes
    std::vector<TagAttribute> Attributes;
};

// A tag holds at most this many attributes (its count is an 8-bit number).
constexpr size_t kMaxTagAttributes = 255;

// The tags of `text` in page order. A "<" without a ">" after it ends the scan with
// one empty entry; the tags before it are kept.
std::vector<TagInfo> ScanTags(std::string_view text);

// One tag from its text between "<" and ">".
TagInfo ParseTag(std::string_view tag);

// Whether two names are equal without regard to letter case.
bool SameName(std::string_view a, std::string_view b);

} // namespace gb
