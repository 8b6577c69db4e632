#include "LibraryListFormat.h"

#include "platform/Cp932.h"

#include <charconv>

namespace gb {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A whole decimal integer that fits the flag; anything else is 0.
int16_t FlagField(std::string_view field) {
    field = Trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) return 0;
    if (value < INT16_MIN || value > INT16_MAX) return 0;
    return int16_t(value);
}

std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

} // namespace

std::string LibraryListFormat::Format(const std::vector<LibraryEntry>& entries) {
    std::string utf8;
    for (const LibraryEntry& entry : entries)
        utf8 += std::to_string(entry.IsLibrary) + ",\"" + OneLine(entry.Text) + "\"\r\n";
    Converted cp932 = ToCp932(utf8);
    if (cp932.exact) return cp932.text;
    return std::string(kUtf8Mark) + utf8;
}

LibraryEntry LibraryListFormat::ParseLine(std::string_view line) {
    LibraryEntry entry;
    size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) ++at;
    // The flag field ends at a comma outside quotes.
    size_t flagEnd = at;
    if (flagEnd < line.size() && line[flagEnd] == '"') {
        size_t close = line.find('"', flagEnd + 1);
        flagEnd = close == std::string_view::npos ? line.size() : close + 1;
    }
    flagEnd = std::min(line.find(',', flagEnd), line.size());
    entry.IsLibrary = FlagField(line.substr(at, flagEnd - at));
    if (flagEnd >= line.size()) return entry;

    at = flagEnd + 1;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at < line.size() && line[at] == '"') {
        size_t close = line.rfind('"');
        if (close == at) close = line.size(); // no closing quote: the rest of the line
        entry.Text = std::string(line.substr(at + 1, close - at - 1));
    } else {
        size_t end = std::min(line.find(',', at), line.size());
        entry.Text = std::string(Trimmed(line.substr(at, end - at)));
    }
    return entry;
}

std::vector<LibraryEntry> LibraryListFormat::Parse(std::string_view bytes) {
    std::string text;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) text = std::string(bytes.substr(kUtf8Mark.size()));
    else text = FromCp932(bytes).text;

    std::vector<LibraryEntry> entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!Trimmed(line).empty()) entries.push_back(ParseLine(line));
        start = end + 1;
    }
    return entries;
}

} // namespace gb
