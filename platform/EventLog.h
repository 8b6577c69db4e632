#pragma once
// The application event log: the system log (syslog).
#include <functional>
#include <string_view>

namespace gb {

void OpenEventLog(const char* identity);
// Writes one event with the text as it is.
void WriteEventLog(std::string_view text);

// Tests watch the events through a sink; nullptr removes it.
void SetEventLogSink(std::function<void(std::string_view)> sink);

} // namespace gb
