#include "ClassProfiler.h"

#include "platform/Cp932.h"
#include "platform/PrivateProfile.h"

#include <cstdio>
#include <strings.h>

namespace gb {

// The platform reads values into a buffer of 255 bytes: 254 bytes of text and a zero.
static constexpr size_t kBuffer = 255;

int32_t ClassProfiler::ReadProfileNums(const std::string& section, const std::string& key,
                                       int32_t defaultValue) const {
    return GetPrivateProfileIntA(Cp932(section), Cp932(key), defaultValue, ProfilePath);
}

std::string ClassProfiler::ReadProfileChars(const std::string& section, const std::string& key,
                                            const std::string& defaultValue) const {
    std::string raw = GetPrivateProfileStringA(Cp932(section), Cp932(key), Cp932(defaultValue), kBuffer, ProfilePath);
    // A cut through a double-byte character leaves half of it; that half is dropped.
    return Utf8(Cp932Prefix(raw, raw.size()));
}

bool ClassProfiler::ReadProfileBool(const std::string& section, const std::string& key, bool defaultValue) const {
    std::string raw = GetPrivateProfileStringA(Cp932(section), Cp932(key), defaultValue ? "YES" : "NO", kBuffer,
                                               ProfilePath);
    return strcasecmp(raw.c_str(), "YES") == 0;
}

void ClassProfiler::WriteProfile(const std::string& section, const std::string& key, bool value) const {
    WriteProfile(section, key, std::string(value ? "YES" : "NO"));
}

void ClassProfiler::WriteProfile(const std::string& section, const std::string& key, const std::string& value) const {
    std::string s = Cp932(section), k = Cp932(key), v = Cp932(value);
    WritePrivateProfileStringA(s, std::string_view(k), std::string_view(v), ProfilePath);
}

void ClassProfiler::ClearProfileSection(const std::string& section) const {
    WritePrivateProfileStringA(Cp932(section), std::nullopt, std::nullopt, ProfilePath);
}

void ClassProfiler::ClearProfileKey(const std::string& section, const std::string& key) const {
    std::string k = Cp932(key);
    WritePrivateProfileStringA(Cp932(section), std::string_view(k), std::nullopt, ProfilePath);
}

std::string ClassProfiler::NumberText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

} // namespace gb
