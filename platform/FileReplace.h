#pragma once
#include <string>
#include <string_view>

namespace gb {

// Replaces the file at `path` by `data` as a whole: the new contents go to a new file
// in the same folder, are flushed, and are renamed over the old file, so a failure at
// any point leaves the old file whole. A symbolic link is followed. A read-only file
// (no write bit at all, or none for this user) is refused (false), as is a folder that
// cannot be written.
// A new file gets the usual permissions, an existing one keeps its own.
bool ReplaceFileContents(const std::string& path, std::string_view data);

} // namespace gb
