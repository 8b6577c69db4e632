#include "EventLog.h"

#include <string>
#include <syslog.h>

namespace gb {
namespace {
std::function<void(std::string_view)>& Sink() {
    static std::function<void(std::string_view)> sink;
    return sink;
}
} // namespace

void OpenEventLog(const char* identity) { openlog(identity, LOG_PID, LOG_USER); }

void WriteEventLog(std::string_view text) {
    if (Sink()) Sink()(text);
    std::string copy(text);
    syslog(LOG_INFO, "%s", copy.c_str());
}

void SetEventLogSink(std::function<void(std::string_view)> sink) { Sink() = std::move(sink); }

} // namespace gb
