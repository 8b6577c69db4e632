#pragma once
// Whole-file reads and writes and small file operations.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb {

// The file's bytes; nullopt when it cannot be read or is larger than `limit`.
std::optional<std::string> ReadFileBytes(const std::string& path, uint64_t limit = uint64_t(1) << 31);
// Writes the file as a whole (see ReplaceFileContents).
bool WriteFileBytes(const std::string& path, std::string_view data);
bool RemoveFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
// Seconds since 1970 of the last modification; nullopt when the entry is missing.
std::optional<int64_t> ModifiedTime(const std::string& path);
// Gives the file back its owner's write permission (the platform's "normal" attributes).
bool MakeWritable(const std::string& path);
std::optional<uint64_t> FileSize(const std::string& path);
// The bytes of a resource built into the program (a Qt resource path such as ":/x/y").
std::optional<std::string> ResourceBytes(const std::string& resourcePath);

} // namespace gb
