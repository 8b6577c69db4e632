#pragma once
// What the window layer reports of a Qt key event: its virtual key, and the key data
// bits (repeat count 1, the scan code in bits 16-23, Alt held in bit 29, the previous
// state in bit 30, release in bit 31).
#include <cstdint>

class QKeyEvent;

namespace gb {

// 0 for a key without a virtual key.
int VirtualKeyOfEvent(const QKeyEvent& event);
std::intptr_t KeyDataOfEvent(const QKeyEvent& event, bool release);

} // namespace gb
