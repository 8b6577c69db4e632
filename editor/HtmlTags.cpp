#include "HtmlTags.h"

#include "platform/Unicode.h"
#include "shell/GeneralWin32ExAPI.h"

namespace gb {
namespace {

constexpr char kSeparator = '\x0C';

// Removes one blank directly before and one directly after every "=", left to right,
// in one pass: "src = a" becomes "src=a", "src  =b" becomes "src =b".
std::string TightenEquals(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (!out.empty() && out.back() == ' ') out.pop_back();
        out += '=';
        if (i + 1 < text.size() && text[i + 1] == ' ') ++i;
    }
    return out;
}

// Blanks outside quotes become separators. Double quotes and apostrophes flip the
// same flag, so an apostrophe inside a double-quoted value flips it too.
bool MarkSeparators(std::string& text) {
    bool quoted = false, any = false;
    for (char& c : text) {
        if (c == '"' || c == '\'') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            c = kSeparator;
            any = true;
        }
    }
    return any;
}

std::string Unquoted(std::string value) {
    if (!value.empty() && (value.front() == '"' || value.front() == '\'')) value.erase(0, 1);
    if (!value.empty() && (value.back() == '"' || value.back() == '\'')) value.pop_back();
    return value;
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        size_t la = 0, lb = 0;
        char32_t ca = DecodeUtf8(a, i, la), cb = DecodeUtf8(b, j, lb);
        if (ca != cb && FoldCase(ca) != FoldCase(cb)) return false;
        i += la;
        j += lb;
    }
    return i == a.size() && j == b.size();
}

TagInfo ParseTag(std::string_view tag) {
    TagInfo info;
    if (!tag.empty() && tag.front() == '!') {
        info.Name = std::string(tag);
        return info;
    }
    std::string text = ReplaceAll(tag, "\r\n", " ", BinaryCompare);
    for (const char* blankLike : {"\r", "\n", "\t"}) text = ReplaceAll(text, blankLike, " ", BinaryCompare);
    text = TightenEquals(text);
    if (!MarkSeparators(text)) {
        info.Name = text;
        return info;
    }
    const size_t first = text.find(kSeparator);
    info.Name = text.substr(0, first);
    for (const std::string& piece : SplitList(std::string_view(text).substr(first + 1), std::string(1, kSeparator),
                                              BinaryCompare)) {
        if (piece.empty()) continue;
        if (info.Attributes.size() == kMaxTagAttributes) break;
        const size_t equals = piece.find('=');
        if (equals == std::string::npos) info.Attributes.push_back({piece, ""});
        else info.Attributes.push_back({piece.substr(0, equals), Unquoted(piece.substr(equals + 1))});
    }
    return info;
}

std::vector<TagInfo> ScanTags(std::string_view text) {
    std::vector<TagInfo> tags;
    size_t from = 0;
    for (;;) {
        const size_t open = text.find('<', from);
        if (open == std::string_view::npos) break;
        tags.emplace_back();
        const size_t close = text.find('>', open + 1);
        if (close == std::string_view::npos) break;
        tags.back() = ParseTag(text.substr(open + 1, close - open - 1));
        from = close + 1;
    }
    return tags;
}

} // namespace gb
