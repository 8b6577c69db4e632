#pragma once
#include <string>

namespace gb {

// Takes the lock `name` in the user's runtime folder for the rest of the process.
// False when another running process holds it. The lock goes with the process, also
// when it crashes, so a stale lock never keeps the program from starting.
bool AcquireInstanceLock(const std::string& name);

} // namespace gb
