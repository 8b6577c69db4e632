#pragma once
// The folders the program works with.
#include <string>

namespace gb {

// The folder of the running program: it holds the program, its libraries and its
// read-only companions. Tests may point it elsewhere.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);

// The folder of Glimmerbox.INI and Library.LST: $GLIMMERBOX_HOME when set; else the
// program folder when a Glimmerbox.INI stands there (portable use); else
// $XDG_CONFIG_HOME/glimmerbox (~/.config/glimmerbox). Created when missing.
std::string SettingsFolder();

// The temporary folder with a trailing "/" ($TMPDIR or /tmp).
std::string TempPath();

// The user's runtime folder ($XDG_RUNTIME_DIR, else a private folder under /tmp).
std::string RuntimeFolder();

// Creates `folder` and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& folder);

// `path` made absolute against the current folder, with "." and ".." resolved
// textually (symbolic links are kept).
std::string AbsolutePath(const std::string& path);

} // namespace gb
