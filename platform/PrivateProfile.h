#pragma once
// INI files with the semantics of the Windows private-profile functions. Section,
// key and value texts are CP932 bytes; the file name is a path of this file system.
//
// - Section and key names match without regard to ASCII letter case (double-byte
//   characters are compared as they are); blanks around names and values are ignored.
// - A value in matching double or single quotes reads without them.
// - A read copies at most bufferSize - 1 bytes of the value.
// - A write keeps comments and every other section and key; the file is created on
//   first write, lines end in CR LF, and the file is replaced as a whole, so a failed
//   write leaves the old file as it was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb {

int32_t GetPrivateProfileIntA(std::string_view section, std::string_view key, int32_t defaultValue,
                              const std::string& file);

std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, size_t bufferSize,
                                     const std::string& file);

// key == nullopt removes the whole section; value == nullopt removes the key.
// Returns false when the file could not be written.
bool WritePrivateProfileStringA(std::string_view section, std::optional<std::string_view> key,
                                std::optional<std::string_view> value, const std::string& file);

} // namespace gb
