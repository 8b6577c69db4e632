#pragma once
// Ordering texts as the user's locale orders them for display.
#include <string>

namespace gb {

// Negative, zero or positive as `a` sorts before, with or after `b` in the locale's
// order, letter case ignored.
int CompareForDisplay(const std::string& a, const std::string& b);

} // namespace gb
