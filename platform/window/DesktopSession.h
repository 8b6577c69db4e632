#pragma once
// Power requests to the desktop session (org.freedesktop.login1 on the system bus).
// No privilege is asked for; a refused or impossible request answers false.
namespace gb {

bool RequestPowerOff();
bool RequestReboot();
bool RequestSuspend();

} // namespace gb
