#pragma once
// The program's string table: every text shown to the user that has a resource id.
#include <string>

namespace gb {

// The UTF-8 text of resource string `id`; empty for an id the table does not hold.
std::string LoadResString(int id);

} // namespace gb
