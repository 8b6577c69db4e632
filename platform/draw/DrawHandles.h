#pragma once
// Handles of the drawing layer: small non-zero numbers that name a device context or
// a bitmap while it lives. A stale or unknown handle makes every call fail quietly.
#include <cstdint>

namespace gb {

using Hdc = std::intptr_t;
using Hgdiobj = std::intptr_t;
using Hbitmap = Hgdiobj;

} // namespace gb
