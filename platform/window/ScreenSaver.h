#pragma once
// The desktop's screen saver, through its inhibit service on the session bus
// (org.freedesktop.ScreenSaver). Without a session bus or the service every call
// answers false and changes nothing.
#include <string>

namespace gb {

// true: asks the desktop not to start the screen saver until further notice;
// false: withdraws that request. Returns whether the desktop took it.
bool InhibitScreenSaver(bool inhibit, const std::string& reason = "slideshow");
bool ScreenSaverInhibited();
// Starts the screen saver now (SetActive); false when the desktop refused.
bool ActivateScreenSaver();

} // namespace gb
