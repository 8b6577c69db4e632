#include "PrivateProfile.h"

#include "Cp932.h"
#include "FileReplace.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace gb {
namespace {

std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

// Letter case is ignored for ASCII letters only; the second byte of a double-byte
// character is never folded, since it may be a letter code.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (IsCp932LeadByte(x)) {
            if (x != y || i + 1 >= a.size() || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}

// Position of `c` in `s` outside double-byte characters, or npos.
size_t FindSingleByte(std::string_view s, char c) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == c) return i;
        if (IsCp932LeadByte(static_cast<unsigned char>(s[i]))) ++i;
    }
    return std::string_view::npos;
}

// One line of the file; the name and value are kept as offsets into the text so
// that lines can be copied and moved freely.
struct Line {
    enum Kind { Other, Section, Entry } kind = Other;
    std::string text; // the line as it stands in the file, without its line end
    size_t nameAt = 0, nameLength = 0, valueAt = 0, valueLength = 0;

    std::string_view Name() const { return std::string_view(text).substr(nameAt, nameLength); }
    std::string_view Value() const { return std::string_view(text).substr(valueAt, valueLength); }
    void SetName(std::string_view part) { nameAt = part.data() - text.data(); nameLength = part.size(); }
    void SetValue(std::string_view part) { valueAt = part.data() - text.data(); valueLength = part.size(); }
};

Line Classify(std::string text) {
    Line line;
    line.text = std::move(text);
    std::string_view t = Trim(line.text);
    if (t.empty() || t[0] == ';') return line;
    if (t[0] == '[') {
        size_t close = FindSingleByte(t, ']');
        line.kind = Line::Section;
        line.SetName(Trim(t.substr(1, close == std::string_view::npos ? t.size() - 1 : close - 1)));
        return line;
    }
    size_t eq = FindSingleByte(t, '=');
    line.kind = Line::Entry;
    if (eq == std::string_view::npos) {
        line.SetName(t);
    } else {
        line.SetName(Trim(t.substr(0, eq)));
        line.SetValue(Trim(t.substr(eq + 1)));
    }
    return line;
}

class Profile {
public:
    explicit Profile(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        exists_ = static_cast<bool>(in);
        if (!exists_) return;
        std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        size_t start = 0;
        if (data.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
        while (start < data.size()) {
            size_t end = data.find('\n', start);
            if (end == std::string::npos) end = data.size();
            size_t cut = end;
            if (cut > start && data[cut - 1] == '\r') --cut;
            lines_.push_back(Classify(data.substr(start, cut - start)));
            start = end + 1;
        }
    }

    bool Exists() const { return exists_; }

    // Index of the header of the first section called `section`, or -1.
    long FindSection(std::string_view section) const {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].kind == Line::Section && SameName(lines_[i].Name(), section)) return long(i);
        return -1;
    }

    // One past the last line of the section whose header is at `header`.
    size_t SectionEnd(size_t header) const {
        size_t i = header + 1;
        while (i < lines_.size() && lines_[i].kind != Line::Section) ++i;
        return i;
    }

    long FindKey(std::string_view section, std::string_view key) const {
        long header = FindSection(section);
        if (header < 0) return -1;
        for (size_t i = header + 1, end = SectionEnd(header); i < end; ++i)
            if (lines_[i].kind == Line::Entry && SameName(lines_[i].Name(), key)) return long(i);
        return -1;
    }

    const Line& At(size_t i) const { return lines_[i]; }

    bool RemoveSection(std::string_view section) {
        bool changed = false;
        for (long header; (header = FindSection(section)) >= 0;) {
            lines_.erase(lines_.begin() + header, lines_.begin() + SectionEnd(header));
            changed = true;
        }
        return changed;
    }

    bool RemoveKey(std::string_view section, std::string_view key) {
        bool changed = false;
        for (long i; (i = FindKey(section, key)) >= 0;) {
            lines_.erase(lines_.begin() + i);
            changed = true;
        }
        return changed;
    }

    void Set(std::string_view section, std::string_view key, std::string_view value) {
        long at = FindKey(section, key);
        if (at >= 0) {
            std::string name(lines_[at].Name());
            lines_[at] = Classify(name + "=" + std::string(value));
            return;
        }
        long header = FindSection(section);
        std::string entry = std::string(key) + "=" + std::string(value);
        if (header < 0) {
            lines_.push_back(Classify("[" + std::string(section) + "]"));
            lines_.push_back(Classify(entry));
            return;
        }
        // After the section's last non-blank line, so that blank lines separating it
        // from the next section stay where they are.
        size_t end = SectionEnd(header);
        while (end > size_t(header) + 1 && Trim(lines_[end - 1].text).empty()) --end;
        lines_.insert(lines_.begin() + end, Classify(entry));
    }

    bool Save(const std::string& file) const {
        std::string data;
        for (const Line& line : lines_) {
            data += line.text;
            data += "\r\n";
        }
        return ReplaceFileContents(file, data);
    }

private:
    std::vector<Line> lines_;
    bool exists_ = false;
};

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, size_t bufferSize,
                                     const std::string& file) {
    if (bufferSize == 0) return {};
    Profile profile(file);
    long at = profile.Exists() ? profile.FindKey(section, key) : -1;
    std::string_view value = at >= 0 ? Unquote(profile.At(at).Value()) : Trim(defaultValue);
    return std::string(value.substr(0, std::min(value.size(), bufferSize - 1)));
}

int32_t GetPrivateProfileIntA(std::string_view section, std::string_view key, int32_t defaultValue,
                              const std::string& file) {
    std::string text = GetPrivateProfileStringA(section, key, "", 30, file);
    if (text.empty()) return defaultValue;
    // Blanks, an optional sign, then decimal digits up to the first other character;
    // larger numbers wrap around in 32 bits.
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint32_t total = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) total = total * 10u + uint32_t(text[i] - '0');
    if (negative) total = 0u - total;
    return static_cast<int32_t>(total);
}

bool WritePrivateProfileStringA(std::string_view section, std::optional<std::string_view> key,
                                std::optional<std::string_view> value, const std::string& file) {
    Profile profile(file);
    if (!key) {
        if (!profile.RemoveSection(section)) return true;
    } else if (!value) {
        if (!profile.RemoveKey(section, *key)) return true;
    } else {
        profile.Set(section, *key, *value);
    }
    return profile.Save(file);
}

} // namespace gb
