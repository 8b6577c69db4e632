#include "MciCommand.h"

#include "MciError.h"

#include <cctype>

namespace gb {

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<uint32_t> ParseMciInteger(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<uint32_t>(value);
}

uint32_t MciCommand::Parse(std::string_view command) {
    words_.clear();
    next_ = 0;
    size_t i = 0;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < command.size()) {
        if (blank(command[i])) {
            ++i;
            continue;
        }
        MciWord word;
        if (command[i] == '"') {
            size_t close = command.find('"', i + 1);
            if (close == std::string_view::npos) return MCIERR_NO_CLOSING_QUOTE;
            word.text.assign(command.substr(i + 1, close - i - 1));
            word.quoted = true;
            i = close + 1;
            if (i < command.size() && !blank(command[i])) return MCIERR_EXTRA_CHARACTERS;
        } else {
            size_t end = i;
            while (end < command.size() && !blank(command[end])) ++end;
            word.text.assign(command.substr(i, end - i));
            i = end;
        }
        words_.push_back(std::move(word));
    }
    return 0;
}

bool MciCommand::Take(std::string_view phrase) {
    size_t at = next_;
    size_t start = 0;
    while (start < phrase.size()) {
        size_t end = phrase.find(' ', start);
        if (end == std::string_view::npos) end = phrase.size();
        if (at >= words_.size() || words_[at].quoted || !SameWord(words_[at].text, phrase.substr(start, end - start)))
            return false;
        ++at;
        start = end + 1;
    }
    next_ = at;
    return true;
}

std::optional<std::string> MciCommand::TakeWord() {
    if (AtEnd()) return std::nullopt;
    return words_[next_++].text;
}

} // namespace gb
