#pragma once
// The error being handled: a number, its description and source, and the platform's
// error code after the last call into a platform library. A failing step records its
// error here before the handler that reports it runs.
#include <string>

namespace gb {

struct ErrorRecord {
    long Number = 0;
    std::string Description;
    std::string Source;
    long LastDllError = 0;

    void Raise(long number, std::string description, std::string source = {});
    void Clear() { *this = ErrorRecord(); }
};

// The error record of the program (one user-interface thread).
ErrorRecord& Err();

// The error number for an argument of the wrong kind.
constexpr long kObjectError = 0x80040000L;

} // namespace gb
