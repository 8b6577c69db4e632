#include "ErrorRecord.h"

#include <cerrno>

namespace gb {

void ErrorRecord::Raise(long number, std::string description, std::string source) {
    Number = number;
    Description = std::move(description);
    Source = std::move(source);
    LastDllError = errno;
}

ErrorRecord& Err() {
    static ErrorRecord record;
    return record;
}

} // namespace gb
