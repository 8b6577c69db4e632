#pragma once
// Starting other programs.
#include <optional>
#include <string>
#include <vector>

namespace gb {

// Starts `program` with `arguments` (no shell, no window of its own) and waits until it
// ends or `timeoutMs` has passed. The exit code, or nullopt when it could not be started
// or did not end in time (it then goes on running on its own).
std::optional<int> RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                     int timeoutMs);

// Gives the owner of the file permission to run it.
bool MakeExecutable(const std::string& path);

} // namespace gb
