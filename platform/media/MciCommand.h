#pragma once
// The words of one media-control command string. Words are separated by blanks; a
// double-quoted part is one word (a path with blanks), without its quotes. Keywords
// compare without regard to letter case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gb {

struct MciWord {
    std::string text;
    bool quoted = false;
};

class MciCommand {
public:
    // Splits `command`; returns an MCI error code (0 on success).
    uint32_t Parse(std::string_view command);

    const std::vector<MciWord>& Words() const { return words_; }

    // Reading the words after the verb and the device, left to right.
    bool AtEnd() const { return next_ >= words_.size(); }
    size_t Position() const { return next_; }
    void Rewind(size_t position) { next_ = position; }
    void StartArguments(size_t position) { next_ = position; }
    // Takes the keywords `phrase` (blank-separated) when they come next.
    bool Take(std::string_view phrase);
    // Takes the next word as it stands; nullopt at the end.
    std::optional<std::string> TakeWord();
    // The next word, unchanged; nullptr at the end.
    const MciWord* Peek() const { return AtEnd() ? nullptr : &words_[next_]; }

private:
    std::vector<MciWord> words_;
    size_t next_ = 0;
};

// True when `a` and `b` are equal without regard to ASCII letter case.
bool SameWord(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

// A non-negative decimal integer as MCI reads it ("+" and blanks are not allowed);
// nullopt for anything else or a value beyond 32 bits.
std::optional<uint32_t> ParseMciInteger(std::string_view text);

} // namespace gb
