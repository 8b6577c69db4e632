#pragma once
// The error a media object raises to its caller: a number (an MCI error code, or one of
// the runtime's conversion errors) and its description. It is also recorded in the
// program's error record (Err()) before it is thrown.
#include <stdexcept>
#include <string>

namespace gb {

class MediaError : public std::runtime_error {
public:
    MediaError(long number, const std::string& description) : std::runtime_error(description), number_(number) {}
    long Number() const { return number_; }

private:
    long number_;
};

// The runtime's error numbers that the media object raises besides MCI codes.
constexpr long kInvalidArgumentError = 5;
constexpr long kOverflowError = 6;
constexpr long kDivisionByZeroError = 11;
constexpr long kTypeMismatchError = 13;

} // namespace gb
